"""The real pop-up menu driven by keys and mouse buttons."""
import subprocess
import time

from harness import E2ETest, wait_for


class MenuTest(E2ETest):
    def setUp(self):
        self.prog = self.program()
        self.dests = [self.prog.folder(f"d{i}") for i in (1, 2, 3)]
        self.write_ini()
        self.a, self.b = self.prog.make("src/a.txt", "A"), self.prog.make("src/b.txt", "B")

    def write_ini(self, dirs=None):
        (self.prog.dir / "Falvex.ini").write_text(
            "[system]\n@menu=center\n%end\n[dir]\n" + (dirs or "\n".join(self.dests)) + "\n%end\n")

    def received(self, *indexes):
        return [self.prog.names(f"d{i}") for i in indexes]

    def click(self, window, index, button, dy=0):
        """Clicks item index of the menu window with a button, dy pixels lower."""
        self.desktop.x("xdotool", "mousemove", "--window", window[0], str(window[2] // 2),
                       str(10 + 18 * index + dy))
        time.sleep(0.3)
        self.desktop.x("xdotool", "click", str(button))
        time.sleep(0.3)

    def test_middle_button_marks_and_the_right_button_swaps(self):
        proc, menu = self.prog.menu(self.a)
        self.click(menu, 0, 2)  # marks the first folder; the menu stays
        self.click(menu, 2, 3)  # in copy mode the right button moves
        self.assertEqual(proc.wait(30), 0)
        self.assertEqual(self.received(1, 2, 3), [["a.txt"], [], ["a.txt"]])
        self.assertEqual(self.prog.names("src"), ["b.txt"])

    def test_the_keyboard_chooses_in_a_submenu_reopened(self):
        # Wine sends no WM_MENUSELECT when a submenu closes with Left: the
        # reopened submenu still shows and sends its own items.
        one, x, y = self.dests
        self.write_ini(f"{one}\n{{Sub\n{x}\n{{Deep\n{y}\n}}\n}}")
        proc = self.prog.menu_keys(self.a, "Down", "Right", "Left", "Right", "Return")
        self.assertEqual(proc.wait(30), 0)
        self.assertEqual(self.received(1, 2, 3), [[], ["a.txt"], []])
        # X, hidden again, cannot be marked by the middle button.
        proc, menu = self.prog.menu(self.b)
        self.desktop.keys(menu[0], "Down", "Right", "Left")
        self.desktop.x("xdotool", "click", "2")
        time.sleep(0.5)
        if self.desktop.menu_windows():  # the press closes the menu unless swallowed
            self.desktop.keys(menu[0], "Up", "Return")
        self.assertEqual(proc.wait(30), 0)
        self.assertEqual(self.received(2), [["a.txt"]])

    def test_an_access_key_still_chooses_at_once(self):
        docs = self.prog.folder("Docs")
        self.write_ini(f"{self.dests[0]}\n{docs} | &Docs")
        self.assertEqual(self.prog.menu_keys(self.b, "d").wait(30), 0)
        self.assertEqual(self.prog.names("Docs"), ["b.txt"])

    def test_space_marks_in_move_mode(self):
        # Wine's menu loop acts on a key it only peeks at: Space must mark
        # there, not choose.
        self.desktop.x("xdotool", "mousemove", "5", "5")
        proc, menu = self.prog.menu("/#d=move", self.a)
        self.desktop.keys(menu[0], "space", "Down", "Down", "space", "Up", "Return")
        self.assertEqual(proc.wait(30), 0)
        self.assertEqual(self.received(1, 2, 3), [["a.txt"]] * 3)
        self.assertEqual(self.prog.names("src"), ["b.txt"])  # the last one, d3, moved

    def test_text_typed_at_speed_reaches_the_finder_and_nothing_else(self):
        names = ("Alpha", "Gamma", "Gamut")
        folders = [self.prog.folder(name) for name in names]
        self.write_ini("\n".join(folders))
        # Another program's window holds the focus before Falvex starts.
        other = subprocess.Popen(["xev", "-name", "other", "-event", "keyboard"],
                                 env=self.desktop.env, stdout=subprocess.PIPE, text=True)
        self.addCleanup(other.kill)
        window = self.desktop.x("xdotool", "search", "--sync", "--name", "^other$").split()[0]
        self.desktop.x("xdotool", "windowfocus", "--sync", window)
        self.desktop.x("xdotool", "mousemove", "5", "5")
        proc, menu = self.prog.menu(self.a)
        self.desktop.x("xdotool", "windowfocus", "--sync", menu[0])
        self.desktop.x("xdotool", "type", "--delay", "20", "gamma")
        self.desktop.x("xdotool", "key", "Return")  # "\n" would be Linefeed
        self.assertEqual(proc.wait(30), 0)
        self.assertEqual([self.prog.names(name) for name in names], [[], ["a.txt"], []])
        other.kill()
        self.assertNotIn("KeyPress", other.communicate()[0])
        other.stdout.close()

    def test_a_right_press_that_chose_nothing_leaves_the_finder_copying(self):
        proc, menu = self.prog.menu(self.a)
        self.click(menu, 3, 3, dy=-5)  # the separator between d3 and the source item
        self.assertTrue(self.desktop.menu_windows())  # it chose nothing
        self.desktop.keys(menu[0], "d")  # no access key: the finder opens
        finder = wait_for(lambda: self.desktop.titled("送り先を検索"), "the finder")
        # A dialog: no minimise or maximise, in its functions or its decorations.
        hints = self.desktop.x("xprop", "-id", finder, "_MOTIF_WM_HINTS").split("=")[1]
        functions, decorations = (int(v, 16) for v in hints.split(",")[1:3])
        self.assertEqual((functions & 0x18, decorations & 0x60), (0, 0))
        self.desktop.keys(finder, "2", "Return")
        self.assertEqual(proc.wait(30), 0)
        self.assertEqual(self.received(1, 2, 3), [[], ["a.txt"], []])
        self.assertEqual(self.prog.names("src"), ["a.txt", "b.txt"])
