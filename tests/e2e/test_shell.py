"""What the shell and the file system do with what Falvex hands them: the
configuration encodings an editor saves, a drive root, a program's command
line and the configuration created on first start."""
import os
import shutil

from harness import E2ETest, wait_for


class ShellTest(E2ETest):
    def test_a_group_run_reads_each_encoding(self):
        prog = self.program()
        src = prog.make("src/a.txt")
        prog.folder("cafe")  # what best fit would make of café
        text = "[group]\r\n{G\r\n" + prog.winpath("写真") + "\r\n" + prog.winpath("café") + "\r\n}\r\n%end\r\n"
        for name, data in (("ANSI", text.replace("é", "e").encode("cp932")), ("UTF-8", text.encode("utf-8")),
                           ("UTF-16 LE", b"\xff\xfe" + text.encode("utf-16-le"))):
            with self.subTest(name):
                for folder in ("写真", "cafe"):
                    shutil.rmtree(prog.path(folder), ignore_errors=True)
                    prog.folder(folder)
                (prog.dir / "Falvex.ini").write_bytes(data)
                self.assertEqual(prog.run("/#w", "/#g=G", src, done=lambda: prog.names("写真")), 0)
                self.assertEqual(prog.names("写真") + prog.names("cafe"), ["a.txt"] * (2 if name == "ANSI" else 1))

    def test_a_drive_root_member_is_the_current_drives(self):
        prog = self.program(ini="[group]\n{Root\n\\\n}\n%end\n")
        scratch = prog.path("scratch")
        (scratch / "sub").mkdir(parents=True)
        link = self.desktop.prefix / "dosdevices" / "r:"
        link.unlink(missing_ok=True)
        link.symlink_to(scratch)
        try:  # "\" as a member: the root of the current drive (R:), not its folder
            self.assertEqual(prog.run("/#w", "/#g=Root", prog.make("src/a.txt", "A"), cwd=scratch / "sub",
                                      done=lambda: (scratch / "a.txt").exists()), 0)
            self.assertEqual(sorted(os.listdir(scratch)) + os.listdir(scratch / "sub"), ["a.txt", "sub"])
        finally:
            link.unlink()

    def test_a_program_receives_sources_and_destination(self):
        prog = self.program()
        target, a, d, out = prog.folder("target"), prog.make("a.txt"), prog.folder("d"), prog.path("args.txt")
        (prog.dir / "Falvex.ini").write_text(f"[group]\n{{G\n{target}\n}}\n%end\n[exec]\ncmd\n"
                                             f">/c echo /x \"%M\" /y=%-P>{prog.winpath('args.txt')}\n%end\n")
        self.assertEqual(prog.run("/#a", "/#g=G", a, d), 0)
        self.assertEqual(wait_for(lambda: out.exists() and out.read_text(), "the command line"), f'/x "{a}" "{d}\\" /y={target}\n')
        self.assertEqual(prog.names("target"), [])

    def test_a_missing_configuration_is_created_empty_named_after_the_program(self):
        prog = self.program(exe_name="tool.exe")
        self.assertEqual(prog.run("/#1", prog.make("sub/a.txt"), done=lambda: prog.path("a.txt").exists()), 0)
        self.assertEqual((prog.dir / "tool.ini").read_bytes(), b"")
        self.assertEqual(prog.names("."), ["a.txt", "sub", "tool.exe", "tool.ini"])
