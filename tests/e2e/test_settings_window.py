"""The settings window as the user meets it: its place, its controls, the
keyboard, the number boxes and the ways to close it."""

import unittest

from harness import SETTINGS_TITLE, SessionTest, wait_for

WS_CAPTION, WS_SYSMENU, WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_THICKFRAME = (
    0x00C00000, 0x00080000, 0x00020000, 0x00010000, 0x00040000)
ES_MULTILINE, WS_TABSTOP = 0x4, 0x00010000

# Stored order, which is also the stacking order, topmost first.
CONTROLS = [
    ("Static", (8, 447, 144, 24), "4、快乐分享，快乐交流"),
    ("Static", (8, 423, 304, 16), "3、软件就是个工具，有用就行"),
    ("Static", (8, 391, 320, 32),
     "2、工具不是给您写的，不是所有人都像您一样厉害，您觉得    垃圾自己写一个出来给大家用。"),
    ("Static", (8, 367, 320, 16), "1、喜欢就用，不喜欢就不用，有能力自行DIY，说的很清楚"),
    ("Static", (240, 48, 72, 24), "纵向坐标 y："),
    ("Edit", (240, 72, 80, 32), "770"),
    ("Static", (272, 472, 64, 32), "版本:v3.0"),
    ("Static", (152, 48, 72, 24), "横向坐标 X："),
    ("Edit", (152, 72, 80, 32), "1405"),
    ("Edit", (88, 72, 56, 32), "25"),
    ("Static", (90, 48, 96, 24), "字号："),
    ("Static", (16, 48, 96, 24), "颜色："),
    (None, (8, 72, 72, 32), None),  # the colour picker
    ("Static", (16, 128, 192, 24), "内容："),
    ("Edit", (11, 152, 308, 88), "K7MQ:Qorvath"),
    ("Button", (117, 262, 96, 40), "添加"),
]


class SettingsWindowOnFullHd(SessionTest):
    size = (1920, 1080)

    def test_window_is_centred_with_its_title_frame_and_controls(self):
        program, window, _ = self.open_settings()
        self.assertEqual(window["title"], SETTINGS_TITLE)
        self.assertEqual(window["rect"], "791,274,337,531")
        style = int(window["style"], 16)
        for bit in (WS_CAPTION, WS_SYSMENU, WS_MINIMIZEBOX):
            self.assertTrue(style & bit, hex(bit))
        self.assertFalse(style & WS_MAXIMIZEBOX)
        self.assertFalse(style & WS_THICKFRAME, "the window must not be resizable")
        self.assertEqual(window["owner"], "0x0", "an unowned window has a taskbar button")
        children = self.probe.children(window["hwnd"])
        self.assertEqual(len(children), len(CONTROLS))
        for child, (cls, rect, text) in zip(children, CONTROLS):
            if cls is not None:
                self.assertEqual(child["cls"].lower(), cls.lower(), text)
                self.assertEqual(child["text"], text)
            self.assertEqual(child["rect"], rect, text)
        multiline = [c for c in children if c["cls"].lower() == "edit" and c["style"] & ES_MULTILINE]
        self.assertEqual([c["text"] for c in multiline], ["K7MQ:Qorvath"])

    def test_chinese_labels_show_glyphs_not_boxes(self):
        # "纵向坐标 y：" and "横向坐标 X：" differ in their first character only.
        # Missing glyphs would draw the same box for both; real glyphs differ.
        _, window, _ = self.open_settings()
        origin_x, origin_y = (int(v) for v in window["origin"].split(","))
        y_caption = self.probe.pixels(origin_x + 240, origin_y + 48, 14, 24)
        x_caption = self.probe.pixels(origin_x + 152, origin_y + 48, 14, 24)
        face = tuple(y_caption[0][0])
        ink = lambda cell: sum(p != face for row in cell for p in row)
        self.assertGreater(ink(y_caption), 10, "the label draws something")
        self.assertNotEqual(y_caption, x_caption, "two different characters must look different")

    def test_focus_starts_on_the_button_and_tab_cycles_both_ways(self):
        _, window, _ = self.open_settings()
        children = {c["hwnd"]: c for c in self.probe.children(window["hwnd"])}
        order = ["添加", "K7MQ:Qorvath", "picker", "25", "1405", "770", "添加"]

        def focused_name():
            handle = self.focused(window)
            child = children.get(handle)
            if child is None:
                return None
            return "picker" if child["rect"] == (8, 72, 72, 32) else child["text"]

        self.assertEqual(wait_for(lambda: focused_name() == "添加", 5), True)
        for expected in order[1:]:
            self.x.key("Tab")
            self.assertTrue(wait_for(lambda: focused_name() == expected, 5),
                            f"Tab should reach {expected}, focus is on {focused_name()}")
        for expected in reversed(order[:-1]):
            self.x.key("shift+Tab")
            self.assertTrue(wait_for(lambda: focused_name() == expected, 5),
                            f"Shift+Tab should reach {expected}, focus is on {focused_name()}")

    def tab_to(self, window, count):
        start = self.focused(window)
        self.assertTrue(wait_for(lambda: self.focused(window) is not None, 5))
        for _ in range(count):
            self.x.key("Tab")
        wait_for(lambda: self.focused(window) != start, 5)

    def text_of(self, window, rect):
        for child in self.probe.children(window["hwnd"]):
            if child["rect"] == rect:
                return child["text"]
        return None

    def test_number_boxes_drop_letters_and_normalise_on_leaving(self):
        _, window, _ = self.open_settings()
        x_box, size_box, y_box = (152, 72, 80, 32), (88, 72, 56, 32), (240, 72, 80, 32)
        self.tab_to(window, 3)  # button, text, picker, font size
        self.x.type("0")
        self.x.key("Tab")  # to X
        self.assertTrue(wait_for(lambda: self.text_of(window, size_box) == "", 5),
                        "a lone 0 becomes the empty text")
        self.x.type("12a3")
        self.assertTrue(wait_for(lambda: self.text_of(window, x_box) == "123", 5),
                        self.text_of(window, x_box))
        self.x.key("Tab")  # to Y
        cases = [("99999999999", "2147483647"), ("-99999999999", "-2147483648"),
                 ("  42abc", "42"), ("--5", ""), ("-", "")]
        for pasted, shown in cases:
            self.x.key("ctrl+a")
            self.x.paste(pasted)
            self.assertTrue(wait_for(lambda: self.text_of(window, y_box) == pasted, 5),
                            f"paste {pasted!r} gave {self.text_of(window, y_box)!r}")
            self.x.key("shift+Tab")
            self.assertTrue(wait_for(lambda: self.text_of(window, y_box) == shown, 5),
                            f"{pasted!r} should show {shown!r}, not {self.text_of(window, y_box)!r}")
            self.x.key("Tab")

    def test_enter_breaks_lines_only_in_the_text_box(self):
        _, window, _ = self.open_settings()
        self.tab_to(window, 3)
        before = self.focused(window)
        self.x.key("Return")
        wait_for(lambda: False, 0.5)
        self.assertEqual(self.text_of(window, (88, 72, 56, 32)), "25")
        self.assertEqual(self.focused(window), before)
        self.assertTrue(self.probe.find(SETTINGS_TITLE)["visible"] == "1", "Enter must not run Add")
        for _ in range(2):
            self.x.key("shift+Tab")
        self.x.key("End", "Return")
        self.x.type("x")
        self.assertTrue(wait_for(lambda: self.text_of(window, (11, 152, 308, 88)) == "K7MQ:Qorvath\r\nx", 5),
                        repr(self.text_of(window, (11, 152, 308, 88))))

    def test_escape_closes_and_ends_with_code_0(self):
        program, _, _ = self.open_settings()
        self.x.key("Escape")
        self.assertEqual(program.wait(), 0)

    def test_alt_f4_closes_and_ends_with_code_0(self):
        program, _, _ = self.open_settings()
        self.x.key("alt+F4")
        self.assertEqual(program.wait(), 0)


class SettingsWindowOnSmallScreen(SessionTest):
    size = (1366, 768)
    tray = False

    def test_window_is_centred_on_a_1366_by_768_screen(self):
        program, window, _ = self.open_settings()
        self.assertEqual(window["rect"], "514,118,337,531")
        self.probe.run("close", window["hwnd"])
        self.assertEqual(program.wait(), 0)


if __name__ == "__main__":
    unittest.main()
