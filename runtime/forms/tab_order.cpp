#include "runtime/forms/tab_order.h"

#include <algorithm>

namespace rt {

std::vector<std::size_t> TabOrder(const std::vector<TabStop>& controls) {
    std::vector<std::size_t> order;
    for (std::size_t i = controls.size(); i-- > 0;) {
        if (controls[i].isTabStop) {
            order.push_back(i);
        }
    }
    return order;
}

std::optional<std::size_t> NextTabStop(const std::vector<TabStop>& controls,
                                       std::optional<std::size_t> current, bool forward) {
    const std::vector<std::size_t> order = TabOrder(controls);
    if (order.empty()) {
        return std::nullopt;
    }
    const std::size_t n = order.size();
    const auto at = current ? std::find(order.begin(), order.end(), *current) : order.end();
    // Without a current stop, Tab starts at the first stop and Shift+Tab at the last.
    std::size_t position =
        at != order.end() ? static_cast<std::size_t>(at - order.begin()) : (forward ? n - 1 : 0);
    for (std::size_t step = 0; step < n; ++step) {
        position = forward ? (position + 1) % n : (position + n - 1) % n;
        const TabStop& stop = controls[order[position]];
        if (stop.visible && stop.enabled) {
            return order[position];
        }
    }
    return std::nullopt;
}

} // namespace rt
