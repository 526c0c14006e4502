"""What ships beside the program: version information and the manifest of
each program, and the Send To set-up with falvex-sendto."""
import shutil
import subprocess

from harness import TOOLS, E2ETest

SHIPPED = {
    "Falvex.exe": "Copies or moves files to a folder picked from a menu",
    "falvex-check.exe": "Checks a Falvex configuration file",
    "falvex-sendto.exe": "Puts a Falvex shortcut into the Send To menu",
}


class ShippingTest(E2ETest):
    def setUp(self):
        self.prog = self.program()
        for tool in ("falvex-check.exe", "falvex-sendto.exe", "probe.exe"):
            shutil.copy(TOOLS / tool, self.prog.dir)

    def wine(self, folder, exe, *args):
        return subprocess.run(["wine", str(folder / exe), *args], cwd=folder, env=self.desktop.env,
                              capture_output=True, text=True, timeout=120)

    def probe(self, what, winpath):
        out = self.prog.path("probe.txt")
        out.unlink(missing_ok=True)
        self.wine(self.prog.dir, "probe.exe", what, winpath, self.prog.winpath("probe.txt"))
        return out.read_text(encoding="utf-8") if out.exists() else ""

    def test_each_program_carries_version_information_and_a_manifest(self):
        for exe, description in SHIPPED.items():
            report = self.probe("version", self.prog.winpath(exe))
            self.assertIn("fixed=1.15.0.0\n", report, exe)
            for table in ("041103a4", "040904e4"):
                self.assertIn(f"{table} ProductName=Falvex\n", report, exe)
                self.assertIn(f"{table} FileVersion=1.15.0.0\n", report, exe)
                self.assertIn(f"{table} OriginalFilename={exe}\n", report, exe)
            self.assertIn(f"040904e4 FileDescription={description}\n", report, exe)
            self.assertRegex(report, "041103a4 FileDescription=.*[ぁ-んァ-ン]", exe)
            for needle in ("Microsoft.Windows.Common-Controls", 'level="asInvoker"',
                           "PerMonitorV2", ">true</dpiAware>",
                           "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
                           "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"):
                self.assertIn(needle, report, exe)

    def send_to(self):
        found = list((self.desktop.drive_c / "users").glob("*/AppData/Roaming/Microsoft/Windows/SendTo"))
        self.assertEqual(len(found), 1)
        return found[0]

    def link(self, name):
        return self.probe("link", "C:\\" + str((self.send_to() / (name + ".lnk")).relative_to(
            self.desktop.drive_c)).replace("/", "\\"))

    def test_send_to_shortcuts_are_made_and_removed_only_when_ours(self):
        send_to, exe = self.send_to(), self.prog.winpath("Falvex.exe")
        for name in ("Falvex", "Falvex (move)", "Foreign"):
            (send_to / (name + ".lnk")).unlink(missing_ok=True)
        run = self.wine(self.prog.dir, "falvex-sendto.exe")
        self.assertEqual(run.returncode, 0, run.stderr)
        self.assertEqual(self.link("Falvex"), f"target={exe}\nargs=\n")
        run = self.wine(self.prog.dir, "falvex-sendto.exe", "Falvex (move)", "/#d=move", "/#w")
        self.assertEqual(run.returncode, 0, run.stderr)
        self.assertIn("created", run.stdout)
        self.assertEqual(self.link("Falvex (move)"), f"target={exe}\nargs=/#d=move /#w\n")

        # A shortcut of another Falvex (another folder) is not ours.
        other = self.prog.path("other")
        other.mkdir()
        for f in ("Falvex.exe", "falvex-sendto.exe"):
            shutil.copy(self.prog.dir / f, other)
        self.assertEqual(self.wine(other, "falvex-sendto.exe", "Foreign", "/#e").returncode, 0)
        foreign = f"target={self.prog.winpath('other')}\\Falvex.exe\nargs=/#e\n"
        self.assertEqual(self.link("Foreign"), foreign)
        run = self.wine(self.prog.dir, "falvex-sendto.exe", "Foreign", "/#w")
        self.assertEqual(run.returncode, 1)
        self.assertIn("--force", run.stderr)
        self.assertEqual(self.wine(self.prog.dir, "falvex-sendto.exe", "--remove", "Foreign").returncode, 1)
        self.assertEqual(self.link("Foreign"), foreign)
        run = self.wine(self.prog.dir, "falvex-sendto.exe", "--force", "Foreign", "/#w")
        self.assertEqual(run.returncode, 0, run.stderr)
        self.assertEqual(self.link("Foreign"), f"target={exe}\nargs=/#w\n")

        run = self.wine(self.prog.dir, "falvex-sendto.exe", "--remove", "Falvex (move)")
        self.assertEqual(run.returncode, 0, run.stderr)
        self.assertFalse((send_to / "Falvex (move).lnk").exists())
        self.assertTrue((send_to / "Falvex.lnk").exists())
        self.assertTrue((send_to / "Foreign.lnk").exists())
        run = self.wine(self.prog.dir, "falvex-sendto.exe", "bad|name")
        self.assertEqual(run.returncode, 1)
        self.assertIn("cannot be a shortcut name", run.stderr)

    def test_send_to_acts_on_names_exactly_as_typed(self):
        send_to = self.send_to()
        for name in ("Tn e", "Tn é", "Falvex"):
            (send_to / (name + ".lnk")).unlink(missing_ok=True)
        self.assertEqual(self.wine(self.prog.dir, "falvex-sendto.exe", "Tn e").returncode, 0)
        self.assertEqual(self.wine(self.prog.dir, "falvex-sendto.exe").returncode, 0)
        run = self.wine(self.prog.dir, "falvex-sendto.exe", "Tn é", "/#d=move")
        self.assertEqual(run.returncode, 0, run.stderr)
        self.assertIn("Tn é.lnk", run.stdout)
        for args in (["--remove", "Tn é"], ["", "/#d=move"], [" ", "/#d=move"]):
            self.wine(self.prog.dir, "falvex-sendto.exe", *args)
        self.assertEqual(sorted(p.name for p in send_to.glob("*.lnk") if p.stem in ("Tn e", "Tn é", "Falvex")),
                         ["Falvex.lnk", "Tn e.lnk"])
        self.assertEqual(self.link("Tn e"), f"target={self.prog.winpath('Falvex.exe')}\nargs=\n")
        self.assertEqual(self.link("Falvex"), f"target={self.prog.winpath('Falvex.exe')}\nargs=\n")
        # Run from café\ beside cafe\: no shortcut to either.
        for folder in ("cafe", "café"):
            self.prog.path(folder).mkdir()
            for f in ("Falvex.exe", "falvex-sendto.exe"):
                shutil.copy(self.prog.dir / f, self.prog.path(folder))
        run = self.wine(self.prog.path("café"), "falvex-sendto.exe", "Café run")
        self.assertEqual(run.returncode, 1)
        self.assertIn("café", run.stderr)
        self.assertFalse((send_to / "Café run.lnk").exists())
