from harness import E2ETest


class StartupTest(E2ETest):
    def test_no_configuration_creates_an_empty_one_named_after_the_program(self):
        for exe, ini in (("Falvex.exe", "Falvex.ini"), ("tool.exe", "tool.ini")):
            prog = self.program(exe_name=exe)
            proc = prog.start()
            menu = self.desktop.wait_menu(program=exe)[0][0]  # the no-source menu
            self.desktop.keys(menu, "Escape")
            self.assertEqual(proc.wait(30), 0)
            self.assertEqual((prog.dir / ini).read_bytes(), b"")
            self.assertEqual(sorted(p.name for p in prog.dir.iterdir()), sorted([exe, ini]))

    def test_unopenable_configuration_shows_the_error_box_and_exits(self):
        prog = self.program(ini="[dir]\n%end\n")
        src = prog.make("a.txt")
        proc = prog.start("/#s=", "/#1", src)  # empty name: the program folder
        self.desktop.wait_box("エラー")
        self.assertEqual(self.desktop.menu_windows(), [])
        self.desktop.dismiss_box("エラー")
        self.assertEqual(proc.wait(30), 0)
        self.assertFalse(prog.path("../a.txt").exists())
