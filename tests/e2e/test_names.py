"""Names in any script, whatever the ANSI code page holds: sent from the
command line and the clipboard's formats, listed in a folder and a live
folder, handed to a program, typed for a new folder and the program's own
folder, each exactly, never as its best-fit look-alike (best fit would turn
é into e, ¥ into a backslash, an emoji or 한글 into wildcards). Code page 932
is the harness's own; code page 1252 comes with LC_ALL=C.UTF-8."""
import shutil
import time

from harness import E2ETest, wait_for

# What each name would be after best fit, made beside it so that a look-alike
# sent in its place would show.
LOOK_ALIKES = {"é.txt": "e.txt", "x😀.txt": "xab.txt", "한글.txt": "ab.txt", "x¥a.txt": "x/a.txt"}


class NamesTest(E2ETest):
    def code_pages(self):
        return (("932", self.desktop.env), ("1252", dict(self.desktop.env, LC_ALL="C.UTF-8")))

    def group_program(self, member="Été 한글"):
        """A program whose UTF-8 configuration has the group G of one folder."""
        prog = self.program()
        (prog.dir / "Falvex.ini").write_text(
            "[group]\n{G\n" + prog.folder(member) + "\n}\n%end\n", encoding="utf-8")
        return prog

    def sources(self, prog, folder="src"):
        for name, look_alike in LOOK_ALIKES.items():
            prog.make(f"{folder}/{name}", name)
            prog.make(f"{folder}/{look_alike}", "look-alike")
        return [prog.winpath(f"{folder}/{name}") for name in LOOK_ALIKES]

    def test_command_line_names_go_exactly_into_a_utf8_member(self):
        for code_page, env in self.code_pages():
            prog = self.group_program()
            sources = self.sources(prog)
            dest = prog.path("Été 한글")
            prog.run("/#w", "/#g=G", *sources, env=env, done=lambda: any(dest.iterdir()))
            self.assertEqual(prog.names("Été 한글"), sorted(LOOK_ALIKES), code_page)
            for name in LOOK_ALIKES:
                self.assertEqual(prog.path("Été 한글/" + name).read_text(), name)

    def clipboard_run(self, prog, mode, text, *args):
        """Runs Falvex with /#c while the helper offers the lines of text as a
        UTF-16 file list (wfiles), as UTF-16 text (wtext) or a raw block."""
        if mode == "rawfiles":
            data = text
        else:
            if mode != "wtext":
                text = "".join(name + "\0" for name in text.splitlines())
            data = text.encode("utf-16-le")
        (prog.dir / "clip.txt").write_bytes(data)
        helper = prog.helper("set_clipboard.exe", mode, prog.winpath("clip.txt"))
        try:
            self.assertEqual(prog.run("/#c", *args), 0)
        finally:
            helper.kill()

    def test_clipboard_lists_and_text_send_what_they_name(self):
        prog = self.group_program("dest")
        emoji, accent = self.sources(prog, "clip")[1], prog.winpath("clip/é.txt")
        self.clipboard_run(prog, "wfiles", f"{emoji}\n", "/#w", "/#g=G")
        self.clipboard_run(prog, "wtext", accent + "\r\n", "/#w", "/#g=G")
        self.assertEqual(prog.names("dest"), ["x😀.txt", "é.txt"])

    def test_clipboard_list_without_closing_nuls_is_read_within_its_block(self):
        prog = self.group_program("dest")
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
        self.clipboard_run(prog, "rawfiles", block, "/#w", "/#g=G")
        self.assertEqual(prog.names("dest"), ["good.txt"])

    def test_a_program_receives_the_names_exactly(self):
        prog = self.group_program()
        prog.tool("record_args.exe")
        with open(prog.dir / "Falvex.ini", "a", encoding="utf-8") as ini:
            ini.write(f"[exec]\n{prog.winpath('record_args.exe')} | Rec\n>%-P %M\n%end\n")
        sources = self.sources(prog)
        record = prog.path("args.txt")
        prog.run("/#a", "/#g=G", *sources, done=record.exists)
        wait_for(record.exists, "the program's record")
        line = record.read_text(encoding="utf-8")
        self.assertIn(prog.winpath("Été 한글") + " " + " ".join(sources), line)

    def test_relative_source_from_a_folder_the_code_page_cannot_hold(self):
        prog = self.group_program("dest")
        prog.make("café/r.txt", "accent")
        prog.make("cafe/r.txt", "look-alike")  # what best fit makes of café
        prog.run("/#w", "/#g=G", "r.txt", cwd=prog.path("café"))
        self.assertEqual(prog.path("dest/r.txt").read_text(), "accent")

    def test_falvex_runs_from_a_folder_the_code_page_cannot_hold(self):
        base = self.program()
        base.path("cafe").mkdir()  # what best fit makes of café
        (base.path("cafe") / "Falvex.ini").write_text(
            "[group]\n{G\n" + base.folder("wrong") + "\n}\n%end\n")
        base.path("café").mkdir()
        (base.path("café") / "Falvex.ini").write_text(
            "[group]\n{G\n" + base.folder("right") + "\n}\n%end\n")
        shutil.copy(base.exe, base.path("café") / "Falvex.exe")
        a = base.make("src/a.txt")
        base.run("/#w", "/#g=G", a, exe=base.path("café") / "Falvex.exe", cwd=base.path("café"),
                 done=lambda: base.path("right/a.txt").exists())
        self.assertEqual(base.names("right") + base.names("wrong"), ["a.txt"])

    def live_program(self):
        prog = self.program()
        (prog.dir / "Falvex.ini").write_text(
            f"[system]\n@menu=center\n%end\n[dir]\n{prog.winpath('live')}\\* | Live\n%end\n")
        return prog

    def test_a_live_subfolder_named_in_another_script_receives(self):
        prog = self.live_program()
        prog.folder("live/한글")
        # Live > このフォルダへ, 新しいフォルダ..., 한글 > このフォルダへ
        proc = prog.menu_keys(prog.make("src/a.txt"), "Right", "Down", "Down", "Right", "Return")
        self.assertEqual(proc.wait(30), 0)
        self.assertEqual(prog.names("live/한글"), ["a.txt"])

    def test_a_new_folder_typed_in_another_script_is_made(self):
        prog = self.live_program()
        prog.folder("live/Ete")  # what best fit makes of Été
        proc = prog.menu_keys(prog.make("src/a.txt"), "Right", "Down", "Return")
        dialog = wait_for(lambda: self.desktop.titled("新しいフォルダ"), "the new-folder dialog")
        time.sleep(0.5)
        self.desktop.x("xdotool", "windowfocus", "--sync", dialog)
        self.desktop.x("xdotool", "key", "shift+Eacute")
        self.desktop.x("xdotool", "type", "--delay", "200", "té")
        self.desktop.keys(dialog, "Return")
        self.assertEqual(proc.wait(30), 0)
        self.assertEqual(prog.names("live"), ["Ete", "Été"])
        self.assertEqual(prog.names("live/Été"), ["a.txt"])
