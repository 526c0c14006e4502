"""Destinations and files chosen right where an earlier build chose wrong:
double-byte names compared ignoring case, submenus reopened with the
keyboard, long program folders, drive roots and a folder that vanished."""
import os
import shutil
import subprocess
import time

from harness import EXE, E2ETest


class DestinationsTest(E2ETest):
    def names(self, prog, folder):
        return sorted(p.name for p in prog.path(folder).iterdir())

    def test_group_names_differing_in_a_trail_byte_are_different_groups(self):
        prog = self.program()
        rain, swim = prog.folder("rain"), prog.folder("swim")
        # 雨 is 89 4A and 泳 89 6A in CP932: the same bytes but for a letter's case.
        (prog.dir / "Falvex.ini").write_bytes(
            f"[group]\r\n{{雨\r\n{rain}\r\n}}\r\n{{泳\r\n{swim}\r\n}}\r\n%end\r\n".encode("cp932"))
        a = prog.make("src/a.txt", "A")
        self.assertEqual(prog.run("/#w", "/#g=泳", a), 0)
        self.assertEqual(self.names(prog, "swim"), ["a.txt"])
        self.assertEqual(self.names(prog, "rain"), [])

    def submenu_program(self):
        prog = self.program()
        one, x, y = prog.folder("one"), prog.folder("x"), prog.folder("y")
        (prog.dir / "Falvex.ini").write_text(
            f"[system]\n@menu=center\n%end\n[dir]\n{one}\n{{Sub\n{x}\n{{Deep\n{y}\n}}\n}}\n%end\n")
        return prog, prog.make("src/a.txt", "A")

    def test_submenu_reopened_with_the_keyboard_shows_its_own_items(self):
        prog, a = self.submenu_program()
        proc = prog.start(a)
        menu = self.desktop.wait_menu()[0][0]
        time.sleep(0.5)
        self.desktop.keys(menu, "Down", "Right", "Left", "Right", "Return")
        self.assertEqual(proc.wait(30), 0)
        self.assertEqual(self.names(prog, "x"), ["a.txt"])
        self.assertEqual(self.names(prog, "y") + self.names(prog, "one"), [])

    def test_item_of_a_closed_submenu_cannot_be_marked(self):
        prog, a = self.submenu_program()
        self.desktop.x("xdotool", "mousemove", "5", "5")  # away from the menu
        proc = prog.start(a)
        menu = self.desktop.wait_menu()[0][0]
        time.sleep(0.5)
        self.desktop.keys(menu, "Down", "Right", "Left")
        self.desktop.x("xdotool", "click", "2")
        time.sleep(0.5)
        if self.desktop.menu_windows():  # the press closes the menu unless swallowed
            self.desktop.keys(menu, "Up", "Return")
        self.assertEqual(proc.wait(30), 0)
        self.assertEqual(self.names(prog, "x"), [])

    def test_program_folder_too_long_for_a_path_reads_no_other_configuration(self):
        base = self.program()
        wrong = base.folder("wrong")
        cwd = base.path("cwd")
        cwd.mkdir()
        (cwd / "Falvex.ini").write_text("[group]\n{G\n" + wrong + "\n}\n%end\n")
        a = base.make("src/a.txt", "A")
        for length in (252, 267):
            # C:\e2e\<test>\<pad>\...: a program folder of exactly this length.
            parts, win = [], base.win
            while len(win) + 1 < length:
                step = min(100, length - len(win) - 2)
                parts.append(f"{length}" + "p" * (step - len(str(length))))
                win += "\\" + parts[-1]
            win += "\\"
            self.assertEqual(len(win), length)
            folder = base.dir.joinpath(*parts)
            folder.mkdir(parents=True)
            shutil.copy(EXE, folder / "Falvex.exe")
            proc = subprocess.Popen(["wine", str(folder / "Falvex.exe"), "/#w", "/#g=G", a],
                                    cwd=cwd, env=self.desktop.env,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            self.desktop.dismiss_box("エラー")
            self.assertEqual(proc.wait(30), 0)
            self.assertEqual(self.names(base, "wrong"), [], length)
            self.assertEqual(os.listdir(folder), ["Falvex.exe"], length)
            self.assertEqual(os.listdir(cwd), ["Falvex.ini"], length)

    def test_drive_roots_stay_roots(self):
        prog = self.program()
        scratch = prog.path("scratch")
        (scratch / "sub").mkdir(parents=True)
        (scratch / "r.txt").write_text("R")
        link = self.desktop.prefix / "dosdevices" / "r:"
        if link.is_symlink():
            link.unlink()
        link.symlink_to(scratch)
        try:
            # "\" as a member: the root of the current drive, not the current folder.
            (prog.dir / "Falvex.ini").write_text("[group]\n{Root\n\\\n}\n{G\n"
                                                 + prog.folder("dest") + "\n}\n%end\n")
            a = prog.make("src/a.txt", "A")
            proc = prog.start_exact(f'/#w /#g=Root "{a}"', folder="R:\\sub")
            self.assertEqual(proc.wait(60), 0)
            self.assertEqual((scratch / "a.txt").read_text(), "A")
            self.assertEqual(os.listdir(scratch / "sub"), [])
            # A drive root as the source reaches the shell as R:\, and the run ends.
            proc = prog.start_exact('/#w /#g=G R:\\', folder="C:\\")
            self.assertEqual(proc.wait(60), 0)
            self.assertTrue((scratch / "r.txt").exists())
        finally:
            link.unlink()

    def test_destination_deleted_while_the_menu_is_open_moves_nothing(self):
        prog = self.program()
        d1, d2 = prog.folder("d1"), prog.folder("d2")
        (prog.dir / "Falvex.ini").write_text(f"[system]\n@menu=center\n%end\n[dir]\n{d1}\n{d2}\n%end\n")
        a = prog.make("src/a.txt", "A")
        proc = prog.start("/#d=move", a)
        menu = self.desktop.wait_menu()[0][0]
        time.sleep(0.5)
        prog.path("d2").rmdir()
        self.desktop.keys(menu, "Down", "Return")
        self.desktop.dismiss_box("注意")
        self.assertEqual(proc.wait(30), 0)
        self.assertEqual(prog.path("src/a.txt").read_text(), "A")
        self.assertFalse(prog.path("d2").exists())  # not a renamed a.txt either

    def test_preset_folder_value_with_a_blank_is_never_a_source(self):
        prog = self.program(ini="")
        dest = prog.folder("Dest")
        prog.make("Dest/keep.txt", "K")
        # The blank before the closing quote once made the folder a source,
        # to be moved wherever the browser pointed.
        proc = prog.start_exact(f'/#0="{dest} " /#d=move /#w')
        menu = self.desktop.wait_menu()[0][0]  # the no-source menu, no browser
        time.sleep(0.5)
        self.desktop.keys(menu, "Escape")
        self.assertEqual(proc.wait(30), 0)
        self.assertEqual(prog.path("Dest/keep.txt").read_text(), "K")
