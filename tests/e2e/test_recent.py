"""Recent destinations through the real menu: the list file beside the
configuration, and another program holding it open."""
from harness import E2ETest


class RecentTest(E2ETest):
    def setUp(self):
        self.prog = self.program()
        self.d1, self.d2 = self.prog.folder("d1"), self.prog.folder("d2")
        (self.prog.dir / "Falvex.ini").write_text(
            f"[system]\n@menu=center\n@recent=5\n%end\n[dir]\n{self.d1}\n{self.d2}\n%end\n")
        self.list = self.prog.path("Falvex.recent")

    def choose(self, name, *keys):
        """Runs the menu for a new source and presses the keys in it."""
        self.assertEqual(self.prog.menu_keys(self.prog.make(f"src/{name}"), *keys).wait(30), 0)

    def listed(self):
        return self.list.read_text(encoding="utf-8").split()

    def test_a_folder_chosen_is_offered_first_next_time(self):
        self.choose("a.txt", "Down", "Return")  # the second folder
        self.assertEqual(self.listed(), [self.d2])
        self.choose("b.txt", "Right", "Return")  # the recent submenu's first folder
        self.assertEqual(self.prog.names("d2"), ["a.txt", "b.txt"])
        self.assertEqual(self.prog.names("d1"), [])

    def test_a_read_only_list_stays_and_a_line_not_shown_keeps_its_place(self):
        cafe = self.prog.folder("café")  # code page 932 cannot hold é
        self.list.write_text(f"{cafe}\r\n{self.d2}\r\n", encoding="utf-8")
        self.list.chmod(0o444)
        self.choose("a.txt", "Down", "Return")  # recent submenu, then d1
        self.assertEqual(self.prog.names("d1"), ["a.txt"])
        self.assertEqual(self.listed(), [cafe, self.d2])
        self.assertEqual(self.list.stat().st_mode & 0o777, 0o444)
        self.list.chmod(0o644)
        self.choose("b.txt", "Down", "Return")
        self.assertEqual(self.listed(), [self.d1, cafe, self.d2])

    def test_a_list_held_open_elsewhere_is_left_as_it_was(self):
        self.list.write_text(self.d2 + "\r\n", encoding="utf-8")
        helper = self.prog.helper("hold_file.exe", self.prog.winpath("Falvex.recent"))
        try:
            # Unreadable, the list shows no submenu: the first folder is first.
            self.choose("a.txt", "Return")
            self.assertEqual(self.prog.names("d1"), ["a.txt"])
            self.assertEqual(self.listed(), [self.d2])
        finally:
            helper.kill()
            helper.wait()
        self.choose("b.txt", "Down", "Return")
        self.assertEqual(self.listed(), [self.d1, self.d2])
