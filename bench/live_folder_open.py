#!/usr/bin/env python3
"""Time under Wine from opening a live folder's submenu (Right) to the
submenu showing, for a local folder with 10,000 subfolders; best of three."""
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
import harness  # noqa: E402


def main():
    desktop = harness.Desktop()
    try:
        prog = harness.Program(desktop, "bench_live")
        big = prog.path("big")
        for i in range(10000):
            (big / f"folder {i}").mkdir(parents=True, exist_ok=True)
        (prog.dir / "Falvex.ini").write_text(
            f"[system]\n@menu=center\n%end\n[dir]\n{prog.winpath('big')}\\* | Big\n%end\n")
        source = prog.make("a.txt")
        took = []
        for _ in range(3):
            desktop.x("xdotool", "mousemove", "5", "5")
            proc, menu = prog.menu(source)
            desktop.x("xdotool", "windowfocus", "--sync", menu[0])
            start = time.perf_counter()
            desktop.x("xdotool", "key", "Right")
            harness.wait_for(lambda: len(desktop.menu_windows()) >= 2, "the live submenu", 30)
            took.append(time.perf_counter() - start)
            desktop.keys(menu[0], "Escape", "Escape")
            proc.wait(30)
        print(f"live submenu of 10,000 subfolders shown in {min(took):.3f} s")
    finally:
        desktop.close()


main()
