"""Names as long as Windows allows, in any script and code page: a path of
120 or 150 Hangul letters (marked inside, five bytes each, under code page
932) is sent and read; a word too long for its field is refused whole,
never cut into a look-alike; and where the code page is UTF-8 (65001),
bytes of another code page name nothing. Linux holds at most
255 bytes in one name, so the long paths are spread over two folders."""
import re
import subprocess

from harness import BUILD, E2ETest, wait_for

HANGUL = "".join(chr(0xAC00 + k) for k in range(150))


class LongNamesTest(E2ETest):
    def group(self, prog, member, extra=""):
        (prog.dir / "Falvex.ini").write_text(f"[group]\n{{G\n{member}\n}}\n%end\n{extra}",
                                             encoding="utf-8")

    def utf8_env(self):
        """Wine with code page 65001: a locale that is Unicode only, made once."""
        locales = BUILD / "e2e" / "locale"
        if not (locales / "hi_IN.UTF-8").exists():
            locales.mkdir(parents=True, exist_ok=True)
            subprocess.run(["localedef", "-i", "hi_IN", "-f", "UTF-8",
                            str(locales / "hi_IN.UTF-8")], check=True, capture_output=True)
        return dict(self.desktop.env, LOCPATH=str(locales), LC_ALL="hi_IN.UTF-8")

    def test_hangul_paths_are_sent_and_checked(self):
        prog = self.program()
        member_rel = f"{HANGUL[:60]}/{HANGUL[60:120]}"  # 120 letters in the member's path
        self.group(prog, f"{prog.folder(member_rel)}\n}}\n{{H\n{prog.folder('dest')}")
        prog.run("/#w", "/#g=G", prog.make("src/a.txt"),
                 done=lambda: any(prog.path(member_rel).iterdir()))
        self.assertEqual(prog.names(member_rel), ["a.txt"])
        source = prog.make(f"{HANGUL[:75]}/{HANGUL[75:]}.txt", "deep")  # 150 letters
        prog.run("/#w", "/#g=H", source, done=lambda: prog.names("dest"))
        self.assertEqual(prog.names("dest"), [HANGUL[75:] + ".txt"])
        prog.tool("falvex-check.exe")
        run = self.wine(prog.dir, "falvex-check.exe", prog.winpath("Falvex.ini"))
        self.assertRegex(run.stdout, r"ok\s+member\s+" + re.escape(prog.winpath(member_rel)))
        self.assertNotIn("does not exist", run.stdout)

    def test_a_word_longer_than_its_field_never_sends_a_look_alike(self):
        prog = self.program()
        self.group(prog, prog.folder("dest"))
        prog.make("src/ab.txt")
        prog.make("src/ab", "look-alike")  # what the word cut at 519 named
        prog.folder("src/q")
        head = prog.winpath("src") + "\\"
        rest = 523 - len(head) - len("ab.txt")
        steps = rest // 5 - (rest % 5) % 2  # the rest is an even number of characters
        word = head + "q\\..\\" * steps + ".\\" * ((rest - 5 * steps) // 2) + "ab.txt"
        self.assertEqual(len(word), 523)
        plain = prog.make("src/c.txt")
        proc = prog.until_box("注意", lambda: prog.start("/#w", "/#g=G", word, plain))
        proc.wait(60)
        self.assertIn(prog.names("dest"), (["c.txt"], ["ab.txt", "c.txt"]))

    def test_bytes_of_another_code_page_name_nothing_where_it_is_utf8(self):
        env, prog = self.utf8_env(), self.program()
        # café saved in code page 1252, no BOM: not UTF-8, so never a member,
        # and never caf\uFFFD, the folder a guess at its byte would name.
        prog.folder("caf\ufffd")
        dest = prog.folder("dest")
        (prog.dir / "Falvex.ini").write_bytes(
            f"[group]\n{{G\n{prog.winpath('caf')}\xe9\n{dest}\n}}\n%end\n".encode("cp1252"))
        source = prog.make("src/a.txt")
        prog.run("/#w", "/#g=G", source, env=env, done=lambda: prog.names("dest"))
        self.assertEqual(prog.names("dest"), ["a.txt"])
        self.assertEqual(prog.names("caf\ufffd"), [])
        # An ANSI file list naming caf\xE9.txt: left out and said, never its
        # look-alike; the name beside it goes.
        prog.make("src/caf\ufffd.txt", "look-alike")
        good = prog.make("src/b.txt")
        (prog.dir / "clip.txt").write_bytes(
            prog.winpath("src/caf").encode() + b"\xe9.txt\0" + good.encode() + b"\0")
        helper = prog.helper("set_clipboard.exe", "files", prog.winpath("clip.txt"))
        try:
            proc = prog.until_box("注意", lambda: prog.start("/#c", "/#w", "/#g=G", env=env))
            proc.wait(60)
        finally:
            helper.kill()
        self.assertEqual(prog.names("dest"), ["a.txt", "b.txt"])
