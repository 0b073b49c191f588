#include "runtime/loop/fatal_text.h"

namespace rt {

FixedText& FixedText::Append(const wchar_t* text) {
    while (*text != L'\0' && length_ + 1 < Capacity) {
        buffer_[length_++] = *text++;
    }
    buffer_[length_] = L'\0';
    return *this;
}

FixedText& FixedText::AppendNumber(std::uint64_t value) {
    wchar_t digits[24];
    std::size_t n = 0;
    do {
        digits[n++] = static_cast<wchar_t>(L'0' + value % 10);
        value /= 10;
    } while (value != 0);
    wchar_t text[24];
    for (std::size_t i = 0; i < n; ++i) {
        text[i] = digits[n - 1 - i];
    }
    text[n] = L'\0';
    return Append(text);
}

FixedText FatalReportText(const wchar_t* message) {
    FixedText text;
    text.Append(L"运行时出错!\r\n\r\n错误信息：").Append(message);
    return text;
}

FixedText AllocationFailureMessage(std::uint64_t bytes) {
    FixedText text;
    text.Append(L"分配 ").AppendNumber(bytes).Append(L" 字节内存失败!");
    return text;
}

FixedText MissingExportMessage(const wchar_t* library, const wchar_t* function) {
    FixedText text;
    text.Append(L"无法找到指定DLL库文件“")
        .Append(library)
        .Append(L"”中的输出命令“")
        .Append(function)
        .Append(L"”");
    return text;
}

} // namespace rt
