"""Names the ANSI code page cannot hold and names no file can have, from the
command line, the clipboard's formats, a folder listing and the program's
own folder: left out and told in a box titled 注意, never altered (best fit
would turn é into e, ¥ into a backslash, an emoji into wildcards)."""
import shutil

from harness import E2ETest


class NamesTest(E2ETest):
    def group_program(self):
        prog = self.program()
        (prog.dir / "Falvex.ini").write_text("[group]\n{G\n" + prog.folder("dest") + "\n}\n%end\n")
        return prog

    def told(self, prog, start):
        self.assertEqual(prog.until_box("注意", start).wait(30), 0)

    def test_command_line_names_stay_where_they_are(self):
        prog = self.program(ini="")
        for name, content in (("é.txt", "accent"), ("e.txt", "plain"), ("x¥a.txt", "yen"),
                              ("x/a.txt", "nested")):
            prog.make("tree/sub/" + name, content)
        for name in ("é.txt", "x¥a.txt"):
            source = prog.winpath("tree/sub/" + name)
            self.told(prog, lambda: prog.start("/#1", "/#w", "/#d=move", source))
        self.assertEqual(prog.names("tree"), ["sub"])
        self.assertEqual(prog.names("tree/sub"), ["e.txt", "x", "x¥a.txt", "é.txt"])

    def clipboard_run(self, prog, mode, text, *args, notice=True):
        """Runs Falvex with /#c while the helper offers the lines of text as a
        file list (files: ANSI, wfiles: UTF-16) or as UTF-16 text (wtext)."""
        if mode == "rawfiles":
            data = text
        else:
            if mode != "wtext":
                text = "".join(name + "\0" for name in text.splitlines())
            data = text.encode("cp932" if mode == "files" else "utf-16-le")
        (prog.dir / "clip.txt").write_bytes(data)
        helper = prog.helper("set_clipboard.exe", mode, prog.winpath("clip.txt"))
        try:
            if notice:
                self.told(prog, lambda: prog.start("/#c", *args))
            else:
                self.assertEqual(prog.run("/#c", *args), 0)
        finally:
            helper.kill()

    def test_clipboard_lists_and_text_copy_only_what_they_name(self):
        prog = self.group_program()
        good, emoji = prog.make("clip/good.txt", "G"), prog.make("clip/x😀.txt", "E")
        other = prog.make("clip/other.txt", "O")
        for name in ("xab.txt", "é.txt", "e.txt"):
            prog.make("clip/" + name)
        self.clipboard_run(prog, "wfiles", f"{emoji}\n{good}\n", "/#w", "/#g=G")
        self.clipboard_run(prog, "wtext", prog.winpath("clip/é.txt") + "\r\n" + other + "\r\n",
                           "/#w", "/#g=G")
        self.assertEqual(prog.names("dest"), ["good.txt", "other.txt"])
        # The ANSI file list, without a box.
        self.clipboard_run(prog, "files", prog.winpath("clip/xab.txt") + "\n", "/#w", "/#d=move",
                           "/#1", notice=False)
        self.assertEqual(prog.names("clip"),
                         ["e.txt", "good.txt", "other.txt", "x😀.txt", "é.txt"])
        self.assertTrue(prog.path("xab.txt").exists())

    def test_clipboard_list_without_closing_nuls_is_read_within_its_block(self):
        prog = self.group_program()
        good = prog.make("clip/good.txt", "G")
        prog.make("clip/" + "n" * 40)
        # DROPFILES with wide names: one whole name, then a name that never
        # ends, up to the block's last byte. Wine keeps 64 bytes of its own
        # before a block this large, so the block ends where a page does,
        # and a read past it faults (measured: the reading before this one
        # crashed here).
        header = (20).to_bytes(4, "little") + bytes(12) + (1).to_bytes(4, "little")
        block = header + (good + "\0").encode("utf-16-le")
        block += "n".encode("utf-16-le") * ((2 << 20) - 64 - len(block) >> 1)
        self.clipboard_run(prog, "rawfiles", block, "/#w", "/#g=G", notice=False)
        self.assertEqual(prog.names("dest"), ["good.txt"])

    def test_relative_source_from_a_folder_the_code_page_cannot_hold(self):
        prog = self.group_program()
        prog.make("café/r.txt", "accent")
        prog.make("cafe/r.txt", "look-alike")  # what best fit makes of café
        self.told(prog, lambda: prog.start("/#w", "/#g=G", "r.txt", cwd=prog.path("café")))
        self.assertEqual(prog.names("dest"), [])
        # falvex-check refuses the name rather than check the look-alike.
        (prog.dir / "café.ini").write_text("[dir]\nC:\\\n%end\n")
        (prog.dir / "cafe.ini").write_text("[dir]\nC:\\\n%end\n")
        prog.tool("falvex-check.exe")
        check = self.wine(prog.dir, "falvex-check.exe", "café.ini")
        self.assertEqual(check.returncode, 2)
        self.assertIn("code page cannot hold", check.stderr)
        self.assertNotIn("cafe.ini", check.stdout + check.stderr)

    def test_program_folder_the_code_page_cannot_hold_reads_no_look_alike(self):
        base = self.program()
        (base.path("cafe")).mkdir()  # what best fit makes of café
        (base.path("cafe") / "Falvex.ini").write_text(
            "[group]\n{G\n" + base.folder("wrong") + "\n}\n%end\n")
        base.path("café").mkdir()
        shutil.copy(base.exe, base.path("café") / "Falvex.exe")
        a = base.make("src/a.txt")
        exe = base.path("café") / "Falvex.exe"
        proc = base.until_box("エラー", lambda: base.start("/#w", "/#g=G", a, exe=exe,
                                                         cwd=base.path("café")))
        self.assertEqual(proc.wait(30), 0)
        self.assertEqual(base.names("wrong") + base.names("café"), ["Falvex.exe"])

    def test_folder_contents_leave_out_what_the_code_page_cannot_hold(self):
        prog = self.group_program()
        prog.make("box/a.txt", "A")
        prog.make("box/é.txt", "accent")
        box = prog.winpath("box")
        self.told(prog, lambda: prog.start("/#K=sft", "/#d=move", "/#w", "/#g=G", box))
        self.assertEqual(prog.names("dest") + prog.names("box"), ["a.txt", "é.txt"])
        # The program's own texts read right under code page 1252 too.
        prog.path("Falvex.ini").unlink()
        prog.folder("Falvex.ini")
        code_page_1252 = dict(self.desktop.env, LC_ALL="C.UTF-8")
        proc = prog.until_box("エラー", lambda: prog.start(env=code_page_1252))
        self.assertEqual(proc.wait(30), 0)
