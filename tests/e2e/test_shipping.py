"""What ships beside the program: version information and the manifest of
each program, the Send To set-up with falvex-sendto and falvex-check as a
console program."""
import re
import shutil
import struct
import zipfile

from harness import BUILD, ROOT, E2ETest

SHIPPED = {
    "Falvex.exe": "Copies or moves files to a folder picked from a menu",
    "falvex-check.exe": "Checks a Falvex configuration file",
    "falvex-sendto.exe": "Puts a Falvex shortcut into the Send To menu",
}


class ShippingTest(E2ETest):
    def setUp(self):
        self.prog = self.program()
        for tool in ("falvex-check.exe", "falvex-sendto.exe"):
            self.prog.tool(tool)
        self.exe = self.prog.winpath("Falvex.exe")

    def sendto(self, *args, folder=None):
        return self.wine(folder or self.prog.dir, "falvex-sendto.exe", *args)

    def test_each_program_carries_version_information_and_a_manifest(self):
        for exe, description in SHIPPED.items():
            data = (self.prog.dir / exe).read_bytes()
            at = data.find(b"\xbd\x04\xef\xfe")  # VS_FIXEDFILEINFO
            self.assertEqual(struct.unpack_from("<4H", data, at + 8), (15, 1, 0, 0), exe)
            text = data[at - at % 2:].decode("utf-16-le", "replace")
            tables = re.split(r"(041103A4|040904E4)\x00", text)
            self.assertEqual(tables[1::2], ["041103A4", "040904E4"], exe)
            for table, body in zip(tables[1::2], tables[2::2]):
                strings = dict(re.findall(r"(\w+)\x00+([^\x00]+)", body.split("VarFileInfo")[0]))
                self.assertEqual(strings["ProductName"], "Falvex", exe)
                self.assertEqual(strings["FileVersion"], "1.15.0.0", exe)
                self.assertEqual(strings["OriginalFilename"], exe, exe)
                english = table[3] == "9"
                self.assertRegex(strings["FileDescription"], description if english else "[ぁ-んァ-ン]")
            manifest = re.search(rb"<assembly.*</assembly>", data, re.S).group(0).decode()
            for needle in ("Microsoft.Windows.Common-Controls", 'level="asInvoker"', "PerMonitorV2",
                           ">true</dpiAware>", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"):
                self.assertIn(needle, manifest, exe)

    def link(self, name):
        """What Windows reads from the shortcut: the local base path of its
        link information and its arguments string (the shell link format, in
        the Unicode form IShellLinkW writes)."""
        data = (self.send_to / (name + ".lnk")).read_bytes()
        flags, at = struct.unpack_from("<I", data, 20)[0], 76
        if flags & 1:  # an item ID list comes first
            at += 2 + struct.unpack_from("<H", data, at)[0]
        base = at + struct.unpack_from("<I", data, at + 16)[0]
        target, args = data[base:data.index(b"\0", base)].decode("cp932"), ""
        at += struct.unpack_from("<I", data, at)[0]
        for bit in (4, 8, 16, 32):  # name, relative path, working folder, arguments
            if flags & bit:
                size = 2 * struct.unpack_from("<H", data, at)[0]
                args, at = data[at + 2:at + 2 + size].decode("utf-16-le"), at + 2 + size
        # Wine counts the closing NUL in; Windows reads up to it.
        return f"target={target}\nargs={args.split(chr(0))[0] if flags & 32 else ''}\n"

    def test_send_to_shortcuts_only_ours_and_exactly_as_named(self):
        users = self.desktop.drive_c / "users"
        found = list(users.glob("*/AppData/Roaming/Microsoft/Windows/SendTo"))
        self.send_to = found[0]
        for old in self.send_to.glob("*.lnk"):
            old.unlink()
        other = self.prog.path("other")
        other.mkdir()
        for f in ("Falvex.exe", "falvex-sendto.exe"):
            shutil.copy(self.prog.dir / f, other)
        steps = [  # arguments, folder, exit code
            ([], None, 0),
            (["Tn e"], None, 0),
            (["Tn é", "/#d=move", "/#w"], None, 0),
            (["Foreign", "/#e"], other, 0),
            (["Foreign", "/#w"], None, 1),  # another program's shortcut
            (["--remove", "Foreign"], None, 1),
            (["--remove", "Tn é"], None, 0),
            (["--remove", "Tn é"], None, 0),  # gone already: nothing to do
            (["bad|name"], None, 1),
            (["Spaced", "/#0=D:\\My Dest"], None, 0),
        ]
        for args, folder, code in steps:
            run = self.sendto(*args, folder=folder)
            self.assertEqual(run.returncode, code, (args, run.stderr))
        self.assertIn("--force", self.sendto("Foreign", "/#w").stderr)
        self.assertEqual(sorted(p.stem for p in self.send_to.glob("*.lnk")),
                         ["Falvex", "Foreign", "Spaced", "Tn e"])
        self.assertEqual(self.link("Spaced"), f'target={self.exe}\nargs="/#0=D:\\My Dest"\n')
        self.assertEqual(self.link("Falvex"), f"target={self.exe}\nargs=\n")
        self.assertEqual(self.link("Tn e"), f"target={self.exe}\nargs=\n")
        other_exe = self.prog.winpath("other") + "\\Falvex.exe"
        self.assertEqual(self.link("Foreign"), f"target={other_exe}\nargs=/#e\n")
        self.assertEqual(self.sendto("Foreign", "--force", "/#w").returncode, 0)
        self.assertEqual(self.link("Foreign"), f"target={self.exe}\nargs=/#w\n")
        self.assertIn("Tn é.lnk", self.sendto("Tn é").stdout)  # told as typed
        # From café\ (beside cafe\) the shortcut starts that very program.
        for folder in ("cafe", "café"):
            self.prog.path(folder).mkdir()
            for f in ("Falvex.exe", "falvex-sendto.exe"):
                shutil.copy(self.prog.dir / f, self.prog.path(folder))
        run = self.sendto("Café run", folder=self.prog.path("café"))
        self.assertEqual(run.returncode, 0, run.stderr)
        self.assertTrue((self.send_to / "Café run.lnk").exists())

    def test_falvex_check_reports_and_never_waits(self):
        shutil.copy(ROOT / "examples" / "demo.ini", self.prog.dir / "Falvex.ini")
        for folder in ("inbox", "archive", "backup"):
            self.prog.folder("demo/" + folder)
        run = self.wine(self.prog.dir, "falvex-check.exe", self.prog.winpath("Falvex.ini"))
        self.assertEqual(run.returncode, 0, run.stdout)
        self.assertIn("encoding: ANSI (system code page)", run.stdout)
        self.assertIn("10 folder entries, 1 groups, 1 programs, 1 macros; 0 problem(s)", run.stdout)
        # Each value that means nothing is named, its key never called unknown.
        (self.prog.dir / "Falvex.ini").write_text(
            "[system]\n@menu=mause\n@recent=abc\n@recent=50\n@mode=mvoe\n%end\n")
        run = self.wine(self.prog.dir, "falvex-check.exe", "Falvex.ini")
        self.assertEqual(run.returncode, 1, run.stdout)
        for named in ("mause: no position word", "abc: not a number", "50: more than 20",
                      "mvoe: only \"move\""):
            self.assertIn(named, run.stdout)
        self.assertNotIn("unknown key", run.stdout)
        # A list file missing, with the leftover of a write that stopped half-way.
        (self.prog.dir / "Falvex.ini").write_text("[system]\n@recent=5\n%end\n")
        (self.prog.dir / "Falvex.recent.new").write_text("")
        run = self.wine(self.prog.dir, "falvex-check.exe", "Falvex.ini")
        self.assertEqual(run.returncode, 0, run.stdout)
        # The release zip as a new user unpacks it: its sample checks clean there.
        with zipfile.ZipFile(next((BUILD / "win").glob("Falvex-*-win64.zip"))) as release:
            release.extractall(self.prog.dir / "unpacked")
        unpacked = self.prog.dir / "unpacked" / "Falvex"
        run = self.wine(unpacked, "falvex-check.exe", "Falvex.sample.ini")
        self.assertEqual(run.returncode, 0, run.stdout)
        self.assertIn("0 problem(s)", run.stdout)
        run = self.wine(self.prog.dir, "falvex-check.exe", ".")  # a folder: no box to wait on
        self.assertEqual(run.returncode, 2)
        self.assertIn("cannot open", run.stderr)
