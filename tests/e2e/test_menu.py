import time

from harness import ROOT, E2ETest


class MenuTest(E2ETest):
    def setUp(self):
        self.prog = self.program()
        p = self.prog
        self.dests = [p.folder(f"d{i}") for i in (1, 2, 3)]
        (p.dir / "Falvex.ini").write_text(
            "[system]\n@menu=center\n%end\n[dir]\n" + "\n".join(self.dests) + "\n%end\n")
        self.a = p.make("src/a.txt", "A")
        self.b = p.make("src/b.txt", "B")

    def run_menu(self, *keys, args=()):
        proc = self.prog.start(*args, self.a, self.b)
        menu = self.desktop.wait_menu()[0][0]
        time.sleep(0.5)
        self.desktop.keys(menu, *keys)
        self.assertEqual(proc.wait(30), 0)

    def received(self, i):
        return sorted(p.name for p in self.prog.path(f"d{i}").iterdir())

    def test_keyboard_chooses_the_second_folder(self):
        self.run_menu("Down", "Return")
        self.assertEqual(self.received(2), ["a.txt", "b.txt"])
        self.assertEqual(self.received(1) + self.received(3), [])

    def item_clicker(self, window):
        """Clicks item i of the menu window with a button; placed up front."""
        wid, _, w, h = window
        geometry = self.desktop.x("xdotool", "getwindowgeometry", wid)
        x, y = (int(v) for v in geometry.split("Position: ")[1].split()[0].split(","))

        def click(index, button):
            self.desktop.x("xdotool", "mousemove", str(x + w // 2), str(y + 10 + 18 * index))
            time.sleep(0.3)
            self.desktop.x("xdotool", "click", str(button))
        return click

    def test_middle_button_marks_a_folder_as_well(self):
        proc = self.prog.start(self.a, self.b)
        window = self.desktop.wait_menu()[0]
        time.sleep(0.5)
        click = self.item_clicker(window)
        click(0, 2)  # marks the first folder; the menu stays
        time.sleep(0.3)
        click(2, 1)
        self.assertEqual(proc.wait(30), 0)
        self.assertEqual(self.received(1), ["a.txt", "b.txt"])
        self.assertEqual(self.received(3), ["a.txt", "b.txt"])
        self.assertEqual(self.received(2), [])

    def test_escape_transfers_nothing(self):
        self.run_menu("Escape")
        self.assertEqual(self.received(1) + self.received(2) + self.received(3), [])

    def test_right_click_in_move_mode_copies(self):
        (self.prog.dir / "Falvex.ini").write_text(
            "[system]\n@menu=center\n@mode=move\n%end\n[dir]\n" + "\n".join(self.dests) + "\n%end\n")
        proc = self.prog.start(self.a, self.b)
        window = self.desktop.wait_menu()[0]
        time.sleep(0.5)
        self.item_clicker(window)(2, 3)
        self.assertEqual(proc.wait(30), 0)
        self.assertEqual(self.received(3), ["a.txt", "b.txt"])
        self.assertTrue(self.prog.path("src/a.txt").exists())  # copied, not moved

    def test_screenshot_of_a_submenu_with_a_checked_item(self):
        p = self.prog
        (p.dir / "Falvex.ini").write_text(
            "[system]\n@menu=100,100\n%end\n[dir]\n" + self.dests[0] + " | &Inbox\n+\n{&Projects\n"
            + self.dests[1] + " | &Alpha\n" + self.dests[2] + " | &Beta\n}\n%end\n"
            "[group]\n{&Archive+backup\n}\n%end\n")
        proc = p.start(self.a, self.b)
        menu = self.desktop.wait_menu()[0][0]
        time.sleep(0.5)
        self.desktop.keys(menu, "Down", "Right")
        sub = self.poll(lambda: [w for w in self.desktop.menu_windows() if w[0] != menu],
                        what="the submenu")[0]
        geometry = self.desktop.x("xdotool", "getwindowgeometry", sub[0])
        x, y = (int(v) for v in geometry.split("Position: ")[1].split()[0].split(","))
        self.desktop.x("xdotool", "mousemove", str(x + sub[2] // 2), str(y + 32))
        time.sleep(0.5)
        self.desktop.x("xdotool", "click", "2")  # marks Beta: a check mark, menu stays
        time.sleep(0.3)
        self.desktop.x("xdotool", "mousemove", str(x + sub[2] // 2), str(y + 12))
        time.sleep(0.5)
        shot = ROOT / "build" / "menu.png"
        self.desktop.screenshot(shot)
        self.desktop.keys(menu, "Escape", "Escape", "Escape")
        self.assertEqual(proc.wait(30), 0)
        self.assertEqual(self.received(3), [])  # Escape: the mark alone sends nothing
        self.assertTrue(shot.exists())
