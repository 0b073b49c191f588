"""Add puts the watermark on the desktop; the tray icon is the only way out."""

import subprocess
import unittest

from harness import SETTINGS_TITLE, SessionTest, wait_for

WS_EX_TOPMOST, WS_EX_TRANSPARENT, WS_EX_TOOLWINDOW, WS_EX_LAYERED = 0x8, 0x20, 0x80, 0x80000
TEXT_COLOUR = (0x16, 0xAF, 0xF1)
KEY_COLOUR = (0x00, 0x88, 0xFF)


class OverlayDriver(SessionTest):
    """Presses Add and finds the overlay and the tray icon."""

    size = (1920, 1080)

    def add(self, program_window, edits=()):
        """Fills the boxes through the keyboard, as (Tab count, text) steps ending in the Y
        box, then presses Add with Space on the focused button."""
        for tabs, text in edits:
            for _ in range(tabs):
                self.x.key("Tab")
            if text:
                self.x.type(text)
            else:
                self.x.key("BackSpace")
        if edits:
            self.x.key("Tab")  # from the Y box round to the button
        wait_for(lambda: False, 0.3)
        self.x.key("space")
        settings = wait_for(lambda: (self.probe.find(SETTINGS_TITLE) or {}).get("visible") == "0", 15)
        self.assertTrue(settings, "Add hides the settings window")
        overlay = wait_for(lambda: self.probe.find("", program_window["pid"]), 15)
        self.assertIsNotNone(overlay, "no overlay window")
        return overlay

    def tray_icons(self):
        """The docked notification icons: small viewable X windows of Wine's explorer."""
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--class", "explorer.exe"],
                             env=self.session.env, capture_output=True, text=True).stdout.split()
        icons = []
        for xid in out:
            geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", xid],
                                      env=self.session.env, capture_output=True, text=True).stdout
            values = dict(line.split("=", 1) for line in geometry.split())
            if 8 <= int(values["WIDTH"]) <= 64 and 8 <= int(values["HEIGHT"]) <= 64:
                icons.append((int(values["X"]) + int(values["WIDTH"]) // 2,
                              int(values["Y"]) + int(values["HEIGHT"]) // 2))
        return icons


class OverlayTest(OverlayDriver):
    def test_default_values_put_the_watermark_at_1405_770(self):
        program, window, _ = self.open_settings()
        overlay = self.add(window)
        self.assertEqual(overlay["rect"], "1405,770,1920,1080")
        self.assertEqual(overlay["client"], "1920,1080", "no frame, no caption")
        exstyle = int(overlay["exstyle"], 16)
        for bit in (WS_EX_TOPMOST, WS_EX_LAYERED, WS_EX_TRANSPARENT):
            self.assertTrue(exstyle & bit, hex(bit))
        self.assertEqual(overlay["layered"], "0xff8800,100,3")
        self.assertEqual(overlay["visible"], "1")
        self.assertNotEqual(overlay["owner"], "0x0", "owned, so it has no taskbar button")
        self.assertEqual(overlay["owner_visible"], "0")
        self.assertTrue(int(overlay["owner_exstyle"], 16) & WS_EX_TOOLWINDOW)
        self.assertEqual(self.probe.children(overlay["hwnd"]), [], "the canvas is gone")
        self.assertTrue(program.running())

        # Without a compositor the X server shows the text at full colour, and
        # the key colour is a hole through to the black root window.
        pixels = self.probe.pixels(1405, 770, 240, 48)
        flat = [p for row in pixels for p in row]
        self.assertIn(TEXT_COLOUR, flat, "the text is drawn in the chosen colour")
        self.assertNotIn(KEY_COLOUR, flat, "the key colour is see-through")
        self.assertEqual(self.probe.pixels(1405 + 400, 770 + 200, 1, 1), [[(0, 0, 0)]])

        icons = wait_for(self.tray_icons, 10)
        self.assertEqual(len(icons), 1, "one notification icon")
        x, y = icons[0]
        self.x.click(x, y)
        self.x.click(x, y, button=3)
        self.assertIsNone(program.wait(2), "single and right clicks leave it running")
        self.x.key("Escape")  # closes a menu, if any appeared

        # A new notification area (a restarted tray host) gets the icon again.
        self.session.restart_tray()
        icons = wait_for(lambda: len(self.tray_icons()) == 1 and self.tray_icons(), 15)
        self.assertTrue(icons, "the icon comes back in the new tray")
        x, y = icons[0]
        self.x.click(x, y, repeat=2)
        self.assertEqual(program.wait(15), 0, "a left double-click ends the program")
        self.assertTrue(wait_for(lambda: not self.tray_icons(), 10), "no icon is left behind")

    def test_keyboard_close_leaves_the_overlay_up(self):
        program, window, _ = self.open_settings()
        overlay = self.add(window)
        self.x.key("alt+F4")
        wait_for(lambda: False, 1.0)
        self.assertTrue(program.running())
        self.assertEqual((self.probe.fields("describe", overlay["hwnd"]) or {}).get("visible"), "1")
        program.kill()

    def test_picked_colour_and_chinese_text_reach_the_screen(self):
        program, window, _ = self.open_settings()
        ox, oy = (int(v) for v in window["origin"].split(","))
        self.x.click(ox + 100, oy + 200)  # into the text box
        self.x.key("ctrl+Home", "shift+ctrl+End", "Delete")
        self.x.paste("水印")
        self.assertTrue(wait_for(lambda: self.control(window, text="水印"), 5),
                        [c["text"] for c in self.probe.children(window["hwnd"])][-2])
        self.x.click(ox + 8 + 36, oy + 72 + 16)  # the colour picker drops its palette
        wait_for(lambda: False, 0.5)
        # The red cell: third row, first column, below the picker's bottom-left corner.
        self.x.click(ox + 8 + 1 + 14, oy + 104 + 1 + 54)
        wait_for(lambda: False, 0.5)
        self.x.click(ox + 117 + 48, oy + 262 + 20)  # 添加
        overlay = wait_for(lambda: self.probe.find("", window["pid"]), 15)
        self.assertIsNotNone(overlay)
        self.assertTrue(wait_for(lambda: (255, 0, 0) in [
            p for row in self.probe.pixels(1405, 770, 120, 48) for p in row], 10),
            "the text is drawn in the picked red")
        program.kill()

    def test_positions_are_clamped_and_kept_and_empty_boxes_give_zero(self):
        program, window, _ = self.open_settings()
        # From the button: text, picker, font size (emptied), X, Y.
        overlay = self.add(window, [(3, ""), (1, "40000"), (1, "-20")])
        self.assertEqual(overlay["rect"], "32627,-20,1920,1080")
        program.kill()

    def test_empty_positions_cover_the_whole_screen(self):
        program, window, _ = self.open_settings()
        overlay = self.add(window, [(4, ""), (1, "")])
        self.assertEqual(overlay["rect"], "0,0,1920,1080")
        flat = [p for row in self.probe.pixels(0, 0, 200, 40) for p in row]
        self.assertIn(TEXT_COLOUR, flat)
        program.kill()


if __name__ == "__main__":
    unittest.main()
