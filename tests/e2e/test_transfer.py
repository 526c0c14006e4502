import shutil
import time

from harness import TOOLS, E2ETest

GROUP_INI = """[group]
{Three
{dest}\\one
{dest}\\two
{dest}\\three
}
%end
"""


class TransferTest(E2ETest):
    def test_level_one_copies_into_the_parent_folder(self):
        prog = self.program(ini="")
        a = prog.make("tree/sub/a.txt", "A")
        b = prog.make("tree/sub/b.txt", "B")
        self.assertEqual(prog.run("/#1", a, b), 0)
        self.assertEqual(prog.path("tree/a.txt").read_text(), "A")
        self.assertEqual(prog.path("tree/b.txt").read_text(), "B")
        self.assertTrue(prog.path("tree/sub/a.txt").exists())

    def test_a_relative_source_walks_up_from_the_folder_started_in(self):
        prog = self.program(ini="")
        prog.make("top/mid/sub/r.txt", "R")
        proc = prog.start_exact("/#1 /#w /#d=move sub\\r.txt", folder=prog.winpath("top/mid"))
        self.assertEqual(proc.wait(60), 0)
        self.assertEqual(prog.path("top/mid/r.txt").read_text(), "R")
        self.assertFalse(prog.path("top/mid/sub/r.txt").exists())

    def test_group_move_copies_to_all_but_the_last(self):
        prog = self.program()
        for m in ("one", "two", "three"):
            prog.folder("dest/" + m)
        (prog.dir / "Falvex.ini").write_text(GROUP_INI.replace("{dest}", prog.winpath("dest")))
        # One source: Wine 8's SHFileOperationA moves nothing when a move
        # names two files (measured), though copies of two work.
        a = prog.make("src/a.txt", "A")
        self.assertEqual(prog.run("/#d=move", "/#w", "/#g=three", a), 0)
        for m in ("one", "two", "three"):
            self.assertEqual(prog.path(f"dest/{m}/a.txt").read_text(), "A", m)
        self.assertEqual(list(prog.path("src").iterdir()), [])

    def test_folder_contents_with_sft(self):
        prog = self.program()
        prog.folder("dest")
        (prog.dir / "Falvex.ini").write_text(
            "[group]\n{G\n" + prog.winpath("dest") + "\n}\n%end\n")
        prog.make("box/a.txt", "A")
        prog.make("box/.hidden", "H")
        prog.make("box/inner/c.txt", "C")
        self.assertEqual(prog.run("/#K=sft", "/#d=move", "/#w", "/#g=G", prog.winpath("box")), 0)
        self.assertEqual(prog.path("dest/a.txt").read_text(), "A")
        self.assertEqual(prog.path("dest/.hidden").read_text(), "H")
        self.assertEqual(prog.path("dest/inner/c.txt").read_text(), "C")
        self.assertTrue(prog.path("box").is_dir())
        self.assertEqual(list(prog.path("box").iterdir()), [])

    def test_exec_program_receives_each_form(self):
        forms = {
            '/x "%M" /y': '/x "{a}" "{d}\\" /y',
            '/x "%-M" /y': '/x "{a}" "{d}" /y',
            "/x %M /y": "/x {a} {d}\\ /y",
            "/x %-M /y=%-P": "/x {a} {d} /y={t}",
        }
        for template, expected in forms.items():
            prog = self.program()
            shutil.copy(TOOLS / "record_args.exe", prog.dir / "rec.exe")
            target = prog.folder("target")
            (prog.dir / "Falvex.ini").write_text(
                f"[group]\n{{G\n{target}\n}}\n%end\n[exec]\n{prog.winpath('rec.exe')}\n>{template}\n%end\n")
            a = prog.make("a.txt")
            d = prog.folder("d")
            self.assertEqual(prog.run("/#a", "/#g=G", a, d), 0)
            out = self.poll(lambda: prog.path("args.txt").exists() and prog.path("args.txt").read_text(),
                            what="the recorded command line")
            self.assertEqual(out, expected.format(a=a, d=d, t=target) + "\n", template)
            self.assertFalse(prog.path("target/a.txt").exists())


class ClipboardTest(E2ETest):
    def test_clipboard_file_list_is_taken_with_c(self):
        prog = self.program(ini="")
        a = prog.make("clip/sub/a.txt", "A")
        b = prog.make("clip/sub/b.txt", "B")
        shutil.copy(TOOLS / "set_clipboard.exe", prog.dir)
        helper = self.desktop_run(prog, "set_clipboard.exe", prog.winpath("ready.txt"), "files", a, b)
        try:
            self.poll(lambda: prog.path("ready.txt").exists(), what="the clipboard helper")
            self.assertEqual(prog.run("/#c", "/#1"), 0)
        finally:
            helper.kill()
        self.assertEqual(prog.path("clip/a.txt").read_text(), "A")
        self.assertEqual(prog.path("clip/b.txt").read_text(), "B")

    def desktop_run(self, prog, exe, *args):
        import subprocess
        return subprocess.Popen(["wine", str(prog.dir / exe), *args], cwd=prog.dir,
                                env=self.desktop.env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
