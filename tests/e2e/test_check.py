import shutil
import subprocess

from harness import ROOT, TOOLS, E2ETest


class CheckTest(E2ETest):
    def check(self, prog):
        shutil.copy(TOOLS / "falvex-check.exe", prog.dir)
        run = subprocess.run(["wine", str(prog.dir / "falvex-check.exe"), prog.winpath("Falvex.ini")],
                             cwd=prog.dir, env=self.desktop.env, capture_output=True, timeout=60)
        return run.returncode, run.stdout.decode("cp932", "replace").replace("\r", "")

    def test_the_sample_configuration_loads_cleanly(self):
        prog = self.program()
        shutil.copy(ROOT / "examples" / "Falvex.ini", prog.dir / "Falvex.ini")
        for folder in ("inbox", "archive", "backup"):
            prog.folder("demo/" + folder)
        code, out = self.check(prog)
        self.assertEqual(code, 0, out)
        self.assertIn("9 folder entries, 1 groups, 1 programs, 1 macros; 0 problem(s)", out)

    def test_a_broken_configuration_lists_each_drop_with_its_reason(self):
        prog = self.program(ini="; the [dir] list follows\n[system]\n@bogus\n%end\n[dir]\n"
                                "C:\\nowhere\n%end\n[group]\nC:\\windows\n%end\n[exec]\nnothere.exe\n")
        code, out = self.check(prog)
        self.assertEqual(code, 1)
        lines = out.splitlines()

        def has(section, number, reason):
            return any(l.split()[:2] == [section, str(number)] and "DROPPED" in l and reason in l
                       for l in lines)
        self.assertTrue(has("system", 3, "unknown key"), out)
        self.assertTrue(has("dir", 2, "folder does not exist"), out)  # started in the comment
        self.assertTrue(has("group", 9, "outside any group"), out)
        self.assertTrue(has("exec", 12, "program not found"), out)
        self.assertIn("[dir]         PROBLEM  marker found inside another line", out)
        self.assertIn("[exec]        PROBLEM  no %end", out)

    def test_a_folder_ends_by_itself_with_exit_2(self):
        prog = self.program()
        shutil.copy(TOOLS / "falvex-check.exe", prog.dir)
        run = subprocess.run(["wine", str(prog.dir / "falvex-check.exe"), "."], cwd=prog.dir,
                             env=self.desktop.env, capture_output=True, timeout=60)
        self.assertEqual(run.returncode, 2)
        self.assertIn(b"cannot open", run.stderr)
