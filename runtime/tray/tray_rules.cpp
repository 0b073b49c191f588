#include "runtime/tray/tray_rules.h"

namespace rt {

namespace {

struct CodeEntry {
    unsigned message;
    int code;
};

constexpr CodeEntry TrayCodes[] = {
    {0x0202, 1}, // WM_LBUTTONUP
    {0x0203, 2}, // WM_LBUTTONDBLCLK
    {0x0205, 3}, // WM_RBUTTONUP
    {0x007B, 3}, // WM_CONTEXTMENU
};

constexpr std::size_t TooltipLimit = 62;

} // namespace

std::optional<int> TrayEventCode(unsigned mouseMessage) {
    for (const CodeEntry& entry : TrayCodes) {
        if (entry.message == mouseMessage) {
            return entry.code;
        }
    }
    return std::nullopt;
}

std::size_t TooltipLength(std::string_view tooltip) {
    std::size_t length = 0;
    while (length < tooltip.size() && tooltip[length] != '\0') {
        const bool lead = static_cast<unsigned char>(tooltip[length]) >= 0x81;
        const std::size_t next = length + (lead ? 2 : 1);
        if (next > TooltipLimit || next > tooltip.size()) {
            break;
        }
        length = next;
    }
    return length;
}

} // namespace rt
