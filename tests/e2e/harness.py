"""Runs the real Falvex.exe under Wine in a throw-away prefix, under Xvfb with
openbox (a pop-up menu gets keyboard input only with a window manager):
python3 -m unittest discover -s tests/e2e

Wine itself sometimes dies while starting a process (measured under load:
2-5% of starts, exit code 1, or 0 having done nothing, mostly in the first
seconds after a wine server started). The prefix is warmed and one
persistent server kept for the whole run, and a launch that died before the
program ran is started once more (twice()). It is told by what our programs
never do: Falvex returns 0 on every path of its own, so exit code 1 is
Wine's; a run that must show a menu or a box ends only after that window
appeared, so an exit before it is Wine's; a run whose work is known (done())
and exits 0 without any of it never ran; our console tools say why whenever
they fail, so a failure without a word is Wine's. A second death, or any
other outcome, is the test's result, and every retry is said on standard
error."""
import atexit
import os
import re
import shutil
import subprocess
import sys
import time
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
BUILD = Path(os.environ.get("FALVEX_BUILD", ROOT / "build"))
EXE, TOOLS = BUILD / "win" / "Falvex.exe", BUILD / "win" / "tools"
WINE_DIED = 1
# Characters the tests type that the keyboard map lacks, as keysyms of one key.
TYPED_KEYSYMS = ("eacute Eacute",)


def twice(what, launch, died):
    """launch() once more when died(its result) tells Wine died starting it."""
    result = launch()
    if died(result):
        print(f"\n  Wine died starting {what}; started once more", file=sys.stderr)
        result = launch()
    return result


def wait_for(predicate, what, timeout=30):
    end = time.time() + timeout
    while time.time() < end:
        value = predicate()
        if value:
            return value
        time.sleep(0.1)
    raise AssertionError(f"timed out waiting for {what}")


class Desktop:
    """One X display, window manager, Wine prefix and server for the run."""

    def __init__(self):
        self.prefix, self.procs, self.started = BUILD / "e2e" / "prefix", [], []
        self.drive_c = self.prefix / "drive_c"
        locales = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout
        if "ja_jp.utf8" not in locales.lower():
            raise RuntimeError("the ja_JP.UTF-8 locale is missing (Wine's code page 932 needs "
                               "it): enable it in /etc/locale.gen and run locale-gen, or run "
                               "scripts/test.sh, which does both")
        display = next(n for n in range(90, 200) if not Path(f"/tmp/.X11-unix/X{n}").exists()
                       and not Path(f"/tmp/.X{n}-lock").exists())
        self.env = dict(os.environ, WINEPREFIX=str(self.prefix), WINEDEBUG="-all",
                        DISPLAY=f":{display}", LC_ALL="ja_JP.UTF-8",
                        WINEDLLOVERRIDES="mscoree,mshtml=")
        try:
            self.start(display)
        except BaseException:
            self.close()  # a set-up that failed or timed out leaves no display behind
            raise

    def start(self, display):
        self.spawn("Xvfb", f":{display}", "-screen", "0", "1024x768x24", "-nolisten", "tcp")
        wait_for(lambda: Path(f"/tmp/.X11-unix/X{display}").exists(), "Xvfb")
        # Its socket comes before it answers; a client started in between
        # cannot open the display and exits (openbox did, and no menu got keys).
        wait_for(lambda: subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                        env=self.env, capture_output=True).returncode == 0,
                 "Xvfb to answer")
        self.start_window_manager()
        self.map_typed_keys()
        shutil.rmtree(self.prefix, ignore_errors=True)
        self.prefix.parent.mkdir(parents=True, exist_ok=True)
        # Never a pipe: a wine server started by the command would hold it open.
        quiet = dict(env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                     timeout=300)
        for args in (["wineboot", "-i"], ["wineserver", "-w"]):
            subprocess.run(args, **quiet)
        self.spawn("wineserver", "-p", "-f")
        for _ in range(3):  # warm: the first starts after a server start die most
            subprocess.run(["wine", "cmd", "/c", "exit", "0"], **quiet)

    def start_window_manager(self):
        """openbox, managing the display: it is also the client that stays,
        since Xvfb resets its keyboard map when its last client leaves."""
        wm = self.spawn("openbox")
        wait_for(lambda: "window id" in self.x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK")
                 or wm.poll() is not None, "openbox")
        if wm.poll() is not None:
            raise RuntimeError("openbox exited as it started")

    def map_typed_keys(self):
        """Puts the characters the tests type onto spare key codes, before
        Wine starts. For a key not in the map, xdotool maps a spare code for
        the moment of the press and maps it back at once; Wine reads the map
        anew only when told it changed, and under load reads it after the
        change back, so the key arrives without a symbol and is lost (Wine's
        +key trace: "KeyPress : keysym=0 (No Name)" for the É of the
        new-folder test, while the é typed 200 ms apart arrived). A map
        change needs a client that stays: Xvfb resets the map when its last
        client leaves."""
        spare = [code for code, keysyms in re.findall(r"^keycode\s+(\d+) =(.*)$",
                                                      self.x("xmodmap", "-pke"), re.M)
                 if not keysyms.strip()]
        # The lowest codes: Wine gives the few spare scan codes it has to the
        # key codes without a scan code of their own in rising order, and a
        # key with none reads as no character.
        for keysyms, code in zip(TYPED_KEYSYMS, spare):
            self.x("xmodmap", "-e", f"keycode {code} = {keysyms}")
            if keysyms not in " ".join(self.x("xmodmap", "-pke").split()):
                raise RuntimeError(f"the keyboard map did not take {keysyms}")

    def spawn(self, *args):
        self.procs.append(subprocess.Popen(args, env=self.env, stdout=subprocess.DEVNULL,
                                           stderr=subprocess.DEVNULL))
        return self.procs[-1]

    def close(self):
        subprocess.run(["wineserver", "-k"], env=self.env, stderr=subprocess.DEVNULL)
        # Asked first: a killed Xvfb leaves its socket and lock behind, and
        # enough of them leave no display number free for the next run.
        for p in self.procs:
            p.terminate()
        for p in self.procs:
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()
                p.wait()

    def x(self, *args):
        """An X tool's output; a failing call is an error, not an empty answer."""
        run = subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=30)
        if run.returncode != 0:
            raise AssertionError(f"{' '.join(args)} failed ({run.returncode}): "
                                 f"{run.stderr.strip()}")
        return run.stdout

    def tree(self):
        """The X window tree. A window that closes while the tree is read
        fails the query (BadWindow); a second failure is an error."""
        try:
            return self.x("xwininfo", "-root", "-tree")
        except AssertionError:
            time.sleep(0.1)
            return self.x("xwininfo", "-root", "-tree")

    def windows(self, program="falvex.exe"):
        """(id, name, width, height) of the program's X windows."""
        return [(id, name, int(width), int(height)) for id, name, width, height in re.findall(
            rf'^\s*(0x\w+) (?:"([^"]*)"|\(has no name\)): \("[^"]*" "(?i:{re.escape(program)})"\)'
            r'\s+(\d+)x(\d+)\+', self.tree(), re.M)]

    def titled(self, title):
        """The program's window of that title, or None."""
        return next((w[0] for w in self.windows() if w[1] == title), None)

    def menu_windows(self, program="falvex.exe"):
        """Unnamed windows larger than the hidden host window: the menus."""
        return [w for w in self.windows(program) if w[1] == "" and w[2] > 40 and w[3] > 16
                and self.viewable(w[0])]

    def viewable(self, window):
        try:
            return "IsViewable" in self.x("xwininfo", "-id", window)
        except AssertionError:
            if any(w[0] == window for w in self.windows()):
                raise
            return False  # it closed since the tree was read

    def keys(self, window, *keys):
        self.x("xdotool", "windowfocus", "--sync", window)
        for k in keys:
            self.x("xdotool", "key", "--clearmodifiers", k)
            time.sleep(0.25)

    def dismiss(self, box, title):
        """Presses Return until the box is gone: a key sent before it has
        taken focus is lost."""
        for _ in range(10):
            time.sleep(0.5)
            self.keys(box, "Return")
            if not any(w[0] == box for w in self.windows()):
                return
        raise AssertionError(f"the box {title} stays open")


class Program:
    """A program folder C:\\e2e\\<name> with Falvex.exe (and Falvex.ini) in it."""

    def __init__(self, desktop, name, ini=None):
        self.desktop, self.dir = desktop, desktop.drive_c / "e2e" / name
        self.win = "C:\\e2e\\" + name
        shutil.rmtree(self.dir, ignore_errors=True)
        self.dir.mkdir(parents=True)
        self.exe = Path(shutil.copy(EXE, self.dir))
        if ini is not None:
            (self.dir / "Falvex.ini").write_text(ini)

    def path(self, relative):
        return self.dir / relative.replace("\\", "/")

    def winpath(self, relative):
        return self.win + "\\" + relative.replace("/", "\\")

    def make(self, relative, content="x"):
        self.path(relative).parent.mkdir(parents=True, exist_ok=True)
        self.path(relative).write_text(content)
        return self.winpath(relative)

    def folder(self, relative):
        self.path(relative).mkdir(parents=True, exist_ok=True)
        return self.winpath(relative)

    def names(self, relative):
        return sorted(p.name for p in self.path(relative).iterdir())

    def tool(self, name):
        return shutil.copy(TOOLS / name, self.dir)

    def start(self, *args, exe=None, cwd=None, env=None):
        # Wine's own complaints go to a log beside the program, for a failure.
        with open(self.dir.parent / (self.dir.name + ".wine.log"), "ab") as log:
            proc = subprocess.Popen(["wine", str(exe or self.exe), *args], cwd=cwd or self.dir,
                                    env=env or self.desktop.env, stdout=log, stderr=log)
        self.desktop.started.append(proc)
        return proc

    def helper(self, tool, *args):
        """Starts a helper of ours that writes ready.txt once it holds what it
        was asked to hold (the clipboard, a file): its process."""
        ready = self.path("ready.txt")
        ready.unlink(missing_ok=True)

        def launch():
            proc = self.start(self.winpath("ready.txt"), *args, exe=self.tool(tool))
            wait_for(lambda: ready.exists() or proc.poll() is not None, tool)
            return proc
        return twice(tool, launch, lambda _: not ready.exists())

    def run(self, *args, done=None, **kw):
        """Runs a launch to its end: exit code 1, or 0 when done() says none
        of its work happened, is Wine's death."""
        return twice(self.exe.name, lambda: self.start(*args, **kw).wait(60),
                     lambda code: code == WINE_DIED or
                     (code == 0 and done is not None and not done()))

    def showing(self, start, window, what):
        """Starts a run that must show a window (window() finds it): (process,
        window). An end before it appeared is Wine's death: Falvex waits for
        its windows."""
        def launch():
            proc = start()
            return proc, wait_for(lambda: window() or proc.poll() is not None, what)
        proc, found = twice(self.exe.name, launch, lambda result: result[1] is True)
        if found is True:
            raise AssertionError(f"Falvex ended twice before {what} showed")
        return proc, found

    def until_box(self, title, start):
        """Starts a run that must show a box, dismisses it, returns the process."""
        proc, box = self.showing(start, lambda: self.desktop.titled(title), f"the box {title}")
        self.desktop.dismiss(box, title)
        return proc

    def menu(self, *args):
        """Starts a run that shows a menu: (process, menu window)."""
        proc, found = self.showing(lambda: self.start(*args),
                                   lambda: self.desktop.menu_windows(self.exe.name),
                                   "the menu")
        time.sleep(0.5)
        return proc, found[0]

    def menu_keys(self, source, *keys):
        """Shows the menu for the source, the mouse away from it, and presses
        the keys in it: the process."""
        self.desktop.x("xdotool", "mousemove", "5", "5")
        proc, menu = self.menu(source)
        self.desktop.keys(menu[0], *keys)
        return proc


class E2ETest(unittest.TestCase):
    desktop = None

    @classmethod
    def setUpClass(cls):
        if E2ETest.desktop is None:
            E2ETest.desktop = Desktop()
            atexit.register(E2ETest.desktop.close)

    def tearDown(self):
        # A menu or box left open by a failed test must not confuse the next.
        for proc in self.desktop.started:
            if proc.poll() is None:
                proc.kill()
                proc.wait()
        self.desktop.started.clear()

    def program(self, ini=None):
        return Program(self.desktop, self.id().split(".")[-1], ini=ini)

    def wine(self, folder, exe, *args):
        """A console tool's result. Our tools say why whenever they fail, so a
        failure without a word is Wine's death."""
        return twice(exe, lambda: subprocess.run(["wine", str(folder / exe), *args], cwd=folder,
                                                 env=self.desktop.env, capture_output=True,
                                                 text=True, timeout=120),
                     lambda run: run.returncode != 0 and not run.stdout and not run.stderr)
