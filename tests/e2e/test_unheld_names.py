"""Names the ANSI code page cannot hold: best-fit would turn them into other
names (e with an accent into e, the yen sign into a backslash, an emoji into
wildcards). They are left out, told in a box titled 注意, never altered."""
import shutil
import subprocess

from harness import TOOLS, E2ETest

NOTICE = "注意"


class UnheldNamesTest(E2ETest):
    def group_program(self, dest="dest"):
        prog = self.program()
        prog.folder(dest)
        (prog.dir / "Falvex.ini").write_text("[group]\n{G\n" + prog.winpath(dest) + "\n}\n%end\n")
        return prog

    def dismiss_notice(self, proc):
        self.desktop.dismiss_box(NOTICE)
        self.assertEqual(proc.wait(30), 0)

    def test_command_line_names_best_fit_would_alter_stay_where_they_are(self):
        prog = self.program(ini="")
        prog.make("tree/sub/é.txt", "accent")
        prog.make("tree/sub/e.txt", "plain")
        prog.make("tree/sub/x¥a.txt", "yen")
        prog.make("tree/sub/x/a.txt", "nested")
        for name in ("é.txt", "x¥a.txt"):
            proc = prog.start_exact(f'/#1 /#w /#d=move "{prog.winpath("tree/sub/" + name)}"')
            self.dismiss_notice(proc)
        self.assertEqual(sorted(p.name for p in prog.path("tree").iterdir()), ["sub"])
        self.assertEqual(prog.path("tree/sub/é.txt").read_text(), "accent")
        self.assertEqual(prog.path("tree/sub/e.txt").read_text(), "plain")
        self.assertEqual(prog.path("tree/sub/x¥a.txt").read_text(), "yen")
        self.assertEqual(prog.path("tree/sub/x/a.txt").read_text(), "nested")

    def clipboard_run(self, prog, mode, text, *args):
        """Runs Falvex with /#c while the helper offers text (UTF-8 here) as a
        Unicode file list (wfiles) or Unicode text (wtext)."""
        (prog.dir / "clip.txt").write_text(text, encoding="utf-8")
        shutil.copy(TOOLS / "set_clipboard.exe", prog.dir)
        prog.path("ready.txt").unlink(missing_ok=True)
        helper = subprocess.Popen(
            ["wine", str(prog.dir / "set_clipboard.exe"), prog.winpath("ready.txt"), mode,
             prog.winpath("clip.txt")], cwd=prog.dir, env=self.desktop.env,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            self.poll(lambda: prog.path("ready.txt").exists(), what="the clipboard helper")
            self.dismiss_notice(prog.start("/#c", *args))
        finally:
            helper.kill()

    def test_unicode_clipboard_copies_only_what_it_names(self):
        prog = self.group_program()
        good = prog.make("clip/good.txt", "G")
        emoji = prog.make("clip/x😀.txt", "E")
        prog.make("clip/xab.txt")
        prog.make("clip/x12.txt")
        # Best-fit gives x??.txt: a wildcard for xab.txt and x12.txt.
        self.clipboard_run(prog, "wfiles", emoji + "\n" + good + "\n", "/#w", "/#g=G")
        self.assertEqual(sorted(p.name for p in prog.path("dest").iterdir()), ["good.txt"])
        # Text naming é.txt beside e.txt: e.txt is never taken for it.
        prog.make("clip/é.txt")
        prog.make("clip/e.txt")
        shutil.rmtree(prog.path("dest"))
        prog.folder("dest")
        self.clipboard_run(prog, "wtext", prog.winpath("clip/é.txt") + "\r\n" + good + "\r\n",
                           "/#w", "/#g=G")
        self.assertEqual(sorted(p.name for p in prog.path("dest").iterdir()), ["good.txt"])

    def test_a_wildcard_in_a_clipboard_file_list_moves_only_what_it_names(self):
        prog = self.group_program()
        a = prog.make("src/a.txt")
        for name in ("x1.txt", "x2.txt"):
            prog.make("src/" + name)
        self.clipboard_run(prog, "wfiles", a + "\n" + prog.winpath("src/x*") + "\n",
                           "/#w", "/#d=move", "/#g=G")
        self.assertEqual(sorted(p.name for p in prog.path("dest").iterdir()), ["a.txt"])
        self.assertEqual(sorted(p.name for p in prog.path("src").iterdir()), ["x1.txt", "x2.txt"])

    def test_program_folder_the_code_page_cannot_hold_reads_no_look_alike(self):
        base = self.program()
        wrong = base.folder("wrong")
        look_alike = base.path("cafe")  # what best-fit makes of café
        look_alike.mkdir()
        (look_alike / "Falvex.ini").write_text("[group]\n{G\n" + wrong + "\n}\n%end\n")
        real = base.path("café")
        real.mkdir()
        shutil.copy(base.exe, real / "Falvex.exe")
        a = base.make("src/a.txt")
        proc = subprocess.Popen(["wine", str(real / "Falvex.exe"), "/#w", "/#g=G", a], cwd=real,
                                env=self.desktop.env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        self.desktop.dismiss_box("エラー")
        self.assertEqual(proc.wait(30), 0)
        self.assertEqual(list(base.path("wrong").iterdir()), [])
        self.assertEqual(sorted(p.name for p in real.iterdir()), ["Falvex.exe"])

    def test_folder_contents_leave_out_what_the_code_page_cannot_hold(self):
        prog = self.group_program()
        prog.make("box/a.txt", "A")
        prog.make("box/é.txt", "accent")
        # One file left: Wine's shell moves nothing when a move names two.
        proc = prog.start("/#K=sft", "/#d=move", "/#w", "/#g=G", prog.winpath("box"))
        self.dismiss_notice(proc)  # shown after the listing, before the move
        self.assertEqual(sorted(p.name for p in prog.path("dest").iterdir()), ["a.txt"])
        self.assertEqual(sorted(p.name for p in prog.path("box").iterdir()), ["é.txt"])

    def test_own_texts_read_right_under_code_page_1252(self):
        prog = self.program()
        prog.folder("Falvex.ini")  # a configuration that cannot be opened
        proc = prog.start(env=dict(self.desktop.env, LC_ALL="C.UTF-8"))
        self.desktop.dismiss_box("エラー")
        self.assertEqual(proc.wait(30), 0)
