"""Names in any script, whatever the ANSI code page holds: sent from the
command line and the clipboard's formats, listed in a folder, handed to a
program (see also the live folders' and the programs' tests) and the
program's own folder, each exactly, never as its best-fit look-alike (best fit would turn
é into e, ¥ into a backslash, an emoji or 한글 into wildcards), and as long
as Windows allows: a word too long for its field is refused whole, never cut
into a look-alike. Code page 932 is the harness's own; code page 1252 comes
with LC_ALL=C.UTF-8; 65001 with a Unicode-only locale (utf8_env). Linux
holds at most 255 bytes in one name, so long paths spread over folders."""
import re
import shutil
import subprocess

from harness import BUILD, E2ETest

# What each name would be after best fit, made beside it so that a look-alike
# sent in its place would show.
LOOK_ALIKES = {"é.txt": "e.txt", "x😀.txt": "xab.txt", "한글.txt": "ab.txt", "x¥a.txt": "x/a.txt"}
HANGUL = "".join(chr(0xAC00 + k) for k in range(150))  # five bytes each inside under 932


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

    def utf8_env(self):
        """Wine with code page 65001: a locale that is Unicode only, made once."""
        locales = BUILD / "e2e" / "locale"
        if not (locales / "hi_IN.UTF-8").exists():
            locales.mkdir(parents=True, exist_ok=True)
            subprocess.run(["localedef", "-i", "hi_IN", "-f", "UTF-8",
                            str(locales / "hi_IN.UTF-8")], check=True, capture_output=True)
        return dict(self.desktop.env, LOCPATH=str(locales), LC_ALL="hi_IN.UTF-8")

    def test_hangul_paths_of_120_and_150_letters_are_sent_and_checked(self):
        member = f"{HANGUL[:60]}/{HANGUL[60:120]}"
        prog = self.group_program(member)
        prog.run("/#w", "/#g=G", prog.make("src/a.txt"), done=lambda: prog.names(member))
        self.assertEqual(prog.names(member), ["a.txt"])
        prog.tool("falvex-check.exe")
        run = self.wine(prog.dir, "falvex-check.exe", prog.winpath("Falvex.ini"))
        self.assertRegex(run.stdout, r"ok\s+member\s+" + re.escape(prog.winpath(member)))
        (prog.dir / "Falvex.ini").write_text(f"[group]\n{{G\n{prog.folder('dest')}\n}}\n%end\n")
        source = prog.make(f"{HANGUL[:75]}/{HANGUL[75:]}.txt")
        prog.run("/#w", "/#g=G", source, done=lambda: prog.names("dest"))
        self.assertEqual(prog.names("dest"), [HANGUL[75:] + ".txt"])

    def test_a_word_longer_than_its_field_never_sends_a_look_alike(self):
        prog = self.group_program("dest")
        prog.make("src/ab.txt")
        prog.make("src/ab", "look-alike")  # what the word cut at 519 named
        prog.folder("src/q")
        head = prog.winpath("src") + "\\"
        rest = 523 - len(head) - len("ab.txt")
        steps = rest // 5 - (rest % 5) % 2  # the rest is an even number of characters
        word = head + "q\\..\\" * steps + ".\\" * ((rest - 5 * steps) // 2) + "ab.txt"
        self.assertEqual(len(word), 523)
        plain = prog.make("src/c.txt")
        prog.until_box("注意", lambda: prog.start("/#w", "/#g=G", word, plain)).wait(60)
        self.assertIn(prog.names("dest"), (["c.txt"], ["ab.txt", "c.txt"]))

    def test_bytes_of_another_code_page_name_nothing_where_it_is_utf8(self):
        env, prog = self.utf8_env(), self.program()
        # café saved in code page 1252, no BOM: not UTF-8, so never a member,
        # and never caf\uFFFD, the folder a guess at its byte would name.
        prog.folder("caf\ufffd")
        (prog.dir / "Falvex.ini").write_bytes(
            f"[group]\n{{G\n{prog.winpath('caf')}\xe9\n{prog.folder('dest')}\n}}\n%end\n"
            .encode("cp1252"))
        prog.run("/#w", "/#g=G", prog.make("src/a.txt"), env=env, done=lambda: prog.names("dest"))
        # An ANSI file list naming caf\xE9.txt: left out and said, never its
        # look-alike; the name beside it goes.
        prog.make("src/caf\ufffd.txt", "look-alike")
        (prog.dir / "clip.txt").write_bytes(prog.winpath("src/caf").encode() + b"\xe9.txt\0" +
                                            prog.make("src/b.txt").encode() + b"\0")
        helper = prog.helper("set_clipboard.exe", "files", prog.winpath("clip.txt"))
        try:
            prog.until_box("注意", lambda: prog.start("/#c", "/#w", "/#g=G", env=env)).wait(60)
        finally:
            helper.kill()
        self.assertEqual(prog.names("dest"), ["a.txt", "b.txt"])
        self.assertEqual(prog.names("caf\ufffd"), [])
