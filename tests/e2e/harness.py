"""Runs the real Falvex.exe under Wine in a throw-away prefix, under Xvfb with
openbox (a pop-up menu gets keyboard input only with a window manager)."""
import os
import shutil
import subprocess
import time
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
BUILD = Path(os.environ.get("FALVEX_BUILD", ROOT / "build"))
EXE = BUILD / "win" / "Falvex.exe"
TOOLS = BUILD / "win" / "tools"


class Desktop:
    """One X display, window manager and Wine prefix for the whole run."""

    def __init__(self):
        self.prefix = BUILD / "e2e" / "prefix"
        self.procs = []
        self.env = dict(os.environ, WINEPREFIX=str(self.prefix), WINEDEBUG="-all",
                        LC_ALL="ja_JP.UTF-8", WINEDLLOVERRIDES="mscoree,mshtml=")
        display = next(n for n in range(90, 200) if not Path(f"/tmp/.X11-unix/X{n}").exists()
                       and not Path(f"/tmp/.X{n}-lock").exists())
        self.env["DISPLAY"] = f":{display}"
        self.procs.append(subprocess.Popen(
            ["Xvfb", f":{display}", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        self.wait_for(lambda: Path(f"/tmp/.X11-unix/X{display}").exists(), 20, "Xvfb")
        self.procs.append(subprocess.Popen(["openbox"], env=self.env,
                                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        shutil.rmtree(self.prefix, ignore_errors=True)
        self.prefix.parent.mkdir(parents=True, exist_ok=True)
        subprocess.run(["wineboot", "-i"], env=self.env, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300)
        subprocess.run(["wineserver", "-w"], env=self.env, timeout=300)
        self.drive_c = self.prefix / "drive_c"

    @staticmethod
    def wait_for(predicate, timeout, what):
        end = time.time() + timeout
        while time.time() < end:
            value = predicate()
            if value:
                return value
            time.sleep(0.1)
        raise AssertionError(f"timed out waiting for {what}")

    def close(self):
        subprocess.run(["wineserver", "-k"], env=self.env, stderr=subprocess.DEVNULL)
        for p in reversed(self.procs):
            p.terminate()
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()

    # --- X windows ---
    def x(self, *args):
        return subprocess.run(list(args), env=self.env, capture_output=True, text=True).stdout

    def windows(self, program="falvex.exe"):
        """(id, name, width, height) of the program's X windows."""
        found = []
        for line in self.x("xwininfo", "-root", "-tree").splitlines():
            if f'"{program}"' not in line.lower():
                continue
            parts = line.split()
            wid = parts[0]
            name = "" if "(has no name)" in line else line.split('"')[1]
            size = next(p for p in parts if "x" in p and "+" in p).split("+")[0]
            w, h = (int(v) for v in size.split("x"))
            found.append((wid, name, w, h))
        return found

    def menu_windows(self, program="falvex.exe"):
        """Unnamed windows larger than the hidden host window: the menus."""
        return [w for w in self.windows(program.lower()) if w[1] == "" and w[2] > 40 and w[3] > 16
                and self.x("xwininfo", "-id", w[0]).find("IsViewable") >= 0]

    def wait_menu(self, count=1, timeout=30, program="falvex.exe"):
        def menus():
            found = self.menu_windows(program)
            return found if len(found) >= count else None
        return self.wait_for(menus, timeout, "the menu")

    def keys(self, window, *keys):
        self.x("xdotool", "windowfocus", "--sync", window)
        for k in keys:
            self.x("xdotool", "key", "--clearmodifiers", k)
            time.sleep(0.25)

    def wait_box(self, title, timeout=30, program="falvex.exe"):
        """The X window id of the program's box with this title."""
        return self.wait_for(lambda: [w[0] for w in self.windows(program) if w[1] == title],
                             timeout, f"the box {title}")[0]

    def dismiss_box(self, title, program="falvex.exe"):
        """Waits for the box and presses Return in it until it is gone: a key
        sent before the box has taken focus is lost."""
        box = self.wait_box(title, program=program)
        for _ in range(10):
            time.sleep(0.5)
            self.keys(box, "Return")
            if not any(w[0] == box for w in self.windows(program)):
                return
        raise AssertionError(f"the box {title} stays open")

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", str(path)], env=self.env)


class Program:
    """A program folder C:\\e2e\\<name> with Falvex.exe (or another name) in it."""

    def __init__(self, desktop, name, exe_name="Falvex.exe", ini=None, ini_name=None):
        self.desktop = desktop
        self.dir = desktop.drive_c / "e2e" / name
        shutil.rmtree(self.dir, ignore_errors=True)
        self.dir.mkdir(parents=True)
        self.win = "C:\\e2e\\" + name
        self.exe = self.dir / exe_name
        shutil.copy(EXE, self.exe)
        if ini is not None:
            (self.dir / (ini_name or Path(exe_name).stem + ".ini")).write_bytes(
                ini.replace("\n", "\r\n").encode("cp932"))

    def path(self, relative):
        """The unix path of a path below the program folder."""
        return self.dir / relative.replace("\\", "/")

    def winpath(self, relative):
        return self.win + "\\" + relative.replace("/", "\\")

    def make(self, relative, content="x"):
        p = self.path(relative)
        p.parent.mkdir(parents=True, exist_ok=True)
        p.write_text(content)
        return self.winpath(relative)

    def folder(self, relative):
        self.path(relative).mkdir(parents=True, exist_ok=True)
        return self.winpath(relative)

    def start(self, *args, env=None):
        # Wine's own complaints go to a log beside the program, for a failure.
        with open(self.dir.parent / (self.dir.name + ".wine.log"), "ab") as log:
            return subprocess.Popen(["wine", str(self.exe), *args], cwd=self.dir,
                                    env=env or self.desktop.env, stdout=log, stderr=log)

    def run(self, *args, timeout=60):
        return self.start(*args).wait(timeout)

    def start_exact(self, arguments, cwd=None, env=None, folder=None):
        """Starts Falvex with exactly this argument text (UTF-8 here, UTF-16 to
        the program) through a CreateProcessW launcher, in the Windows folder
        given: Wine's own command line would turn a quote inside an argument
        into \\"."""
        shutil.copy(TOOLS / "launch_exact.exe", self.dir)
        (self.dir / "line.txt").write_text(f'"{self.win}\\{self.exe.name}" {arguments}',
                                           encoding="utf-8")
        launcher = ["wine", str(self.dir / "launch_exact.exe"), self.winpath("line.txt")]
        return subprocess.Popen(launcher + ([folder] if folder else []),
                                cwd=cwd or self.dir, env=env or self.desktop.env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


class E2ETest(unittest.TestCase):
    desktop = None

    @classmethod
    def setUpClass(cls):
        if E2ETest.desktop is None:
            E2ETest.desktop = Desktop()

    def program(self, ini=None, **kw):
        return Program(self.desktop, self.id().split(".")[-1], ini=ini, **kw)

    def poll(self, predicate, timeout=20, what="a result"):
        return Desktop.wait_for(predicate, timeout, what)
