#!/usr/bin/env python3
"""Time from process start until the menu is tracked under Wine, next to the
time a minimal Win32 program needs to show its first window; best of five."""
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

        menu, baseline = [], []
        for _ in range(5):
            menu.append(time_until(desktop, ["wine", str(prog.exe), src], prog.dir,
                                   desktop.menu_windows, close_menu))
            baseline.append(time_until(
                desktop, ["wine", str(prog.dir / "first_window.exe")], prog.dir,
                lambda: [w for w in desktop.windows("first_window.exe") if w[1] == "baseline"],
                close_baseline))
        print(f"start to menu {min(menu):.3f} s, minimal window {min(baseline):.3f} s, "
              f"ratio {min(menu) / min(baseline):.2f} (target <= 1.1)")
    finally:
        desktop.close()


main()
