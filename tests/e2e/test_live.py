"""Live folders through the real menu: subfolders listed as the submenu
opens, named in any script, and a new folder made on the way through the
real dialog, typed in another script (best fit would make Été into Ete)."""
import time

from harness import E2ETest, wait_for


class LiveTest(E2ETest):
    def setUp(self):
        self.prog = self.program()
        self.prog.folder("live/한글/B")
        (self.prog.dir / "Falvex.ini").write_text(
            f"[system]\n@menu=center\n%end\n[dir]\n{self.prog.winpath('live')}\\* | Live\n%end\n")

    def menu_keys(self, *keys):
        return self.prog.menu_keys(self.prog.make("src/a.txt"), *keys)

    def dialog(self):
        return wait_for(lambda: self.desktop.titled("新しいフォルダ"), "the new-folder dialog")

    def test_a_subfolder_two_levels_down_receives(self):
        # Live > このフォルダへ, 新しいフォルダ..., 한글 > このフォルダへ
        proc = self.menu_keys("Right", "Down", "Down", "Right", "Return")
        self.assertEqual(proc.wait(30), 0)
        self.assertEqual(self.prog.names("live/한글"), ["B", "a.txt"])

    def test_a_new_folder_refused_then_made(self):
        self.prog.folder("live/Ete")  # what best fit makes of Été
        proc = self.menu_keys("Right", "Down", "Return")
        dialog = self.dialog()
        time.sleep(0.5)
        self.desktop.keys(dialog, "a", "colon", "b", "Return")  # replaces the offered "a"
        box = wait_for(lambda: self.desktop.titled("注意"), "the box that says why")
        self.desktop.dismiss(box, "注意")
        self.desktop.keys(dialog, "BackSpace", "BackSpace", "BackSpace")
        self.desktop.x("xdotool", "key", "shift+Eacute")
        self.desktop.x("xdotool", "type", "--delay", "200", "té")
        self.desktop.keys(dialog, "Return")
        self.assertEqual(proc.wait(30), 0)
        self.assertEqual(self.prog.names("live"), ["Ete", "Été", "한글"])
        self.assertEqual(self.prog.names("live/Été"), ["a.txt"])

    def test_a_mark_outlives_its_submenu_opened_again(self):
        # Live > 한글 > このフォルダへ marked by the middle button, Live opened
        # again (its submenu refilled) and closed, then Dee chosen in move
        # mode: 한글 gets a copy, Dee, the last destination, the move.
        dee = self.prog.folder("dee")
        (self.prog.dir / "Falvex.ini").write_text(
            "[system]\n@menu=center\n@mode=move\n%end\n[dir]\n"
            f"{self.prog.winpath('live')}\\* | Live\n{dee} | Dee\n%end\n")
        proc = self.menu_keys("Right", "Down", "Down", "Right")
        # The newest window is 한글's submenu, the oldest the menu itself.
        windows = sorted(self.desktop.menu_windows(), key=lambda w: int(w[0], 16))
        self.desktop.x("xdotool", "mousemove", "--window", windows[-1][0],
                       str(windows[-1][2] // 2), "10")
        time.sleep(0.3)
        self.desktop.x("xdotool", "click", "2")
        time.sleep(0.3)
        self.desktop.x("xdotool", "mousemove", "5", "5")
        self.desktop.keys(windows[0][0], "Left", "Left", "Right", "Left", "Down", "Return")
        self.assertEqual(proc.wait(30), 0)
        self.assertEqual(self.prog.names("live/한글"), ["B", "a.txt"])
        self.assertEqual(self.prog.names("dee"), ["a.txt"])
        self.assertEqual(self.prog.names("src"), [])
