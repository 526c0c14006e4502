#!/usr/bin/env python3
"""Time from process start until the menu is tracked under Wine, next to the
time a minimal Win32 program needs to show its first window, and the same
menu with a full list of 20 recent destinations; best of five."""
import shutil
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
import harness  # noqa: E402


def time_until(desktop, command, cwd, found, close):
    start = time.perf_counter()
    proc = subprocess.Popen(command, cwd=cwd, env=desktop.env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window = harness.wait_for(found, "a window", 60)
    took = time.perf_counter() - start
    close(window, proc)
    return took


def main():
    desktop = harness.Desktop()
    # One persistent wineserver, so neither program pays for starting it.
    subprocess.run(["wineserver", "-p"], env=desktop.env)
    try:
        prog = harness.Program(desktop, "bench", ini="[dir]\n" + "\n".join(
            f"C:\\windows\\d{i}" for i in range(5)) + "\n%end\n")
        for i in range(5):
            (desktop.drive_c / "windows" / f"d{i}").mkdir(exist_ok=True)
        src = prog.make("a.txt")
        shutil.copy(harness.TOOLS / "first_window.exe", prog.dir)

        def close_menu(window, proc):
            desktop.keys(window[0][0], "Escape")
            proc.wait(30)

        def close_baseline(window, proc):
            proc.kill()
            proc.wait(30)

        dirs = "[dir]\n" + "\n".join(f"C:\\windows\\d{i}" for i in range(5)) + "\n%end\n"
        recent = prog.path("Falvex.recent")
        recent.write_text("".join(f"C:\\windows\\r{i}\r\n" for i in range(20)), encoding="utf-8")
        for i in range(20):
            (desktop.drive_c / "windows" / f"r{i}").mkdir(exist_ok=True)
        menu, listed, baseline = [], [], []
        for _ in range(5):
            prog.path("Falvex.ini").write_text(dirs)
            menu.append(time_until(desktop, ["wine", str(prog.exe), src], prog.dir,
                                   desktop.menu_windows, close_menu))
            prog.path("Falvex.ini").write_text("[system]\n@recent=20\n%end\n" + dirs)
            listed.append(time_until(desktop, ["wine", str(prog.exe), src], prog.dir,
                                     desktop.menu_windows, close_menu))
            baseline.append(time_until(
                desktop, ["wine", str(prog.dir / "first_window.exe")], prog.dir,
                lambda: [w for w in desktop.windows("first_window.exe") if w[1] == "baseline"],
                close_baseline))
        print(f"start to menu {min(menu):.3f} s, with 20 recent destinations {min(listed):.3f} s, "
              f"minimal window {min(baseline):.3f} s, ratio {min(menu) / min(baseline):.2f}")
    finally:
        desktop.close()


main()
