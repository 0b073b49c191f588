#pragma once
#include <cstddef>
#include <cstdint>

namespace rt {

// Bounded text building for the fatal report. It never allocates, because the
// report must still be shown when the failure was that memory ran out.
class FixedText {
  public:
    static constexpr std::size_t Capacity = 512;

    FixedText& Append(const wchar_t* text);
    FixedText& AppendNumber(std::uint64_t value);
    const wchar_t* Get() const { return buffer_; }

  private:
    wchar_t buffer_[Capacity] = {};
    std::size_t length_ = 0;
};

inline constexpr const wchar_t* FatalReportTitle = L"错误";
inline constexpr const wchar_t* StartWindowFailedMessage = L"载入启动窗口失败";
inline constexpr const wchar_t* FormDataFailedMessage = L"载入窗口模板数据段出错!";

// The whole text of the report box for a failure's message.
FixedText FatalReportText(const wchar_t* message);
// "分配 N 字节内存失败!"
FixedText AllocationFailureMessage(std::uint64_t bytes);
// "无法找到指定DLL库文件“library”中的输出命令“function”"
FixedText MissingExportMessage(const wchar_t* library, const wchar_t* function);

} // namespace rt
