"""A run-time error shows its report and ends the program with exit code -1
without running the exit routines."""

import unittest

from harness import FATAL_DEMO, SessionTest, wait_for


class FatalErrorReport(SessionTest):
    tray = False

    def dismissed_report(self, case):
        program = self.start_program(FATAL_DEMO, [case])
        box = wait_for(lambda: self.probe.fields("dismiss", "错误"))
        self.assertIsNotNone(box, "no error box appeared")
        self.assertEqual(program.wait(), 255, "exit code -1")
        self.assertNotIn("exit routine ran", program.output())
        return box["text"]

    def test_missing_system_function(self):
        text = self.dismissed_report("binding")
        self.assertEqual(text, "运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“user32.dll”中的输出命令“NoSuchFunctionAnywhere”")

    def test_memory_that_cannot_be_had(self):
        text = self.dismissed_report("memory")
        self.assertEqual(text, "运行时出错!\r\n\r\n错误信息：分配 1234567 字节内存失败!")

    def test_start_window_that_cannot_be_loaded(self):
        text = self.dismissed_report("start")
        self.assertEqual(text, "运行时出错!\r\n\r\n错误信息：载入启动窗口失败")

    def test_end_program_runs_the_exit_routines_once(self):
        program = self.start_program(FATAL_DEMO, ["end"])
        self.assertEqual(program.wait(), 7)
        self.assertEqual(program.output().count("exit routine ran"), 1)


if __name__ == "__main__":
    unittest.main()
