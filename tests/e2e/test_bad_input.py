"""Whatever is typed or pasted, Add still puts an overlay up, the program keeps
answering, and the tray icon still ends it."""

import unittest

from harness import SETTINGS_TITLE, SessionTest, wait_for
from test_overlay import OverlayDriver


class BadInput(OverlayDriver):
    def paste_into(self, window, rect, text):
        ox, oy = (int(v) for v in window["origin"].split(","))
        left, top, width, height = rect
        self.x.click(ox + left + width // 2, oy + top + height // 2)
        self.x.key("ctrl+Home", "shift+ctrl+End", "Delete")
        if text:
            self.x.paste(text)

    def run_case(self, text=None, font=None, x=None, y=None, end_by_tray=False):
        program, window, _ = self.open_settings()
        boxes = [((11, 152, 308, 88), text), ((88, 72, 56, 32), font),
                 ((152, 72, 80, 32), x), ((240, 72, 80, 32), y)]
        for rect, value in boxes:
            if value is not None:
                self.paste_into(window, rect, value)
        ox, oy = (int(v) for v in window["origin"].split(","))
        self.x.click(ox + 117 + 48, oy + 262 + 20)
        overlay = wait_for(lambda: (self.probe.find(SETTINGS_TITLE) or {}).get("visible") == "0"
                           and self.probe.find("", window["pid"]), 60)
        self.assertTrue(overlay, "Add put no overlay up")
        self.assertEqual(overlay["visible"], "1")
        self.assertIsNotNone(self.probe.fields("describe", overlay["hwnd"]), "the program answers")
        if end_by_tray:
            icons = wait_for(self.tray_icons, 10)
            self.assertTrue(icons)
            self.x.click(*icons[0], repeat=2)
            self.assertEqual(program.wait(30), 0)
        else:
            self.assertTrue(program.running())
            program.kill()
        return overlay

    def test_a_very_long_text(self):
        # Wine's multi-line edit control lays out a long paragraph in
        # quadratic time: a million characters take it many minutes where
        # Windows takes moments, so the length here is what Wine manages.
        self.run_case(text="水印" * 10000, end_by_tray=True)

    def test_ten_thousand_lines(self):
        self.run_case(text="\n".join(f"line {i}" for i in range(10000)))

    def test_font_sizes_at_and_past_the_extremes(self):
        for font in ("0", "-1", "2147483647", "100000"):
            with self.subTest(font=font):
                self.run_case(font=font)

    def test_positions_at_and_past_the_clamps(self):
        cases = [("32627", "-32627", "32627,-32627"), ("99999999999", "-99999999999", "32627,-32627"),
                 ("-32628", "32628", "-32627,32627")]
        for x, y, rect in cases:
            with self.subTest(x=x, y=y):
                overlay = self.run_case(x=x, y=y)
                self.assertTrue(overlay["rect"].startswith(rect + ","), overlay["rect"])

    def test_junk_pasted_into_every_number_box(self):
        overlay = self.run_case(font="abc\u6c34", x="\uff11\uff12\uff13", y="1e9x", end_by_tray=True)
        self.assertTrue(overlay["rect"].startswith("0,1,"), overlay["rect"])


if __name__ == "__main__":
    unittest.main()
