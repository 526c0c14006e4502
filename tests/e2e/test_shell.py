"""What the system makes of what Falvex reads and hands on: the configuration
encodings an editor saves and a drive root as the system resolves it."""
import os
import shutil

from harness import E2ETest, wait_for


class ShellTest(E2ETest):
    def test_a_group_run_reads_each_encoding(self):
        prog = self.program()
        src = prog.make("src/a.txt")
        prog.folder("cafe")  # what best fit would make of café
        text = ("[group]\r\n{G\r\n" + prog.winpath("写真") + "\r\n" + prog.winpath("café") +
                "\r\n}\r\n%end\r\n")
        for name, data in (("ANSI", text.replace("é", "e").encode("cp932")),
                           ("UTF-8", text.encode("utf-8")),
                           ("UTF-16 LE", b"\xff\xfe" + text.encode("utf-16-le"))):
            with self.subTest(name):
                for folder in ("写真", "cafe"):
                    shutil.rmtree(prog.path(folder), ignore_errors=True)
                    prog.folder(folder)
                (prog.dir / "Falvex.ini").write_bytes(data)
                self.assertEqual(prog.run("/#w", "/#g=G", src, done=lambda: prog.names("写真")), 0)
                self.assertEqual(prog.names("写真"), ["a.txt"])
                # ANSI cannot write café: its look-alike cafe is a folder of its own.
                self.assertEqual(prog.names("cafe"), ["a.txt"] if name == "ANSI" else [])

    def test_a_drive_root_member_is_the_current_drives(self):
        prog = self.program(ini="[group]\n{Root\n\\\n}\n%end\n")
        scratch = prog.path("scratch")
        (scratch / "sub").mkdir(parents=True)
        link = self.desktop.prefix / "dosdevices" / "r:"
        link.unlink(missing_ok=True)
        link.symlink_to(scratch)
        try:  # "\" as a member: the root of the current drive (R:), not its folder
            source = prog.make("src/a.txt", "A")
            self.assertEqual(prog.run("/#w", "/#g=Root", source, cwd=scratch / "sub",
                                      done=lambda: (scratch / "a.txt").exists()), 0)
            self.assertEqual(sorted(os.listdir(scratch)), ["a.txt", "sub"])
            self.assertEqual(os.listdir(scratch / "sub"), [])
            # A program is handed the root in both forms: "R:" alone would
            # name the drive's current folder. (Without %M no program starts.)
            record = prog.winpath("rec.txt")
            prog.path("Falvex.ini").write_text("[group]\n{Drive\nR:\\\n}\n%end\n[exec]\n"
                                               "C:\\windows\\system32\\cmd.exe | Rec\n"
                                               f">/c echo [%P][%-P] %M>{record}\n%end\n")
            self.assertEqual(prog.run("/#a", "/#g=Drive", prog.winpath("src/a.txt")), 0)
            record_file = prog.path("rec.txt")
            wait_for(lambda: record_file.exists() and record_file.read_text().strip(),
                     "the program's record")
            self.assertEqual(prog.path("rec.txt").read_text().split()[0], "[R:\\][R:\\]")
        finally:
            link.unlink()

    def test_a_group_whose_drive_is_not_plugged_in_says_so(self):
        prog = self.program(ini="[group]\n{Backup\nQ:\\Backup\n}\n%end\n")
        src = prog.make("src/a.txt")
        proc = prog.until_box("注意", lambda: prog.start("/#w", "/#g=Backup", src))
        self.assertEqual(proc.wait(30), 2)  # a code of its own: nothing was sent
        self.assertEqual(prog.names("src"), ["a.txt"])
