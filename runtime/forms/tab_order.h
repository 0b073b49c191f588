#pragma once
#include <cstddef>
#include <optional>
#include <vector>

namespace rt {

struct TabStop {
    bool isTabStop;
    bool visible;
    bool enabled;
};

// The keyboard order of a window's controls. Controls are stored topmost
// first, and the form runtime visits them from the last stored to the first,
// so a control added later to a form comes earlier in the Tab order.
std::vector<std::size_t> TabOrder(const std::vector<TabStop>& controlsInStoredOrder);

// The control that Tab (forward) or Shift+Tab reaches from `current` (an index
// in stored order, or none when no control has the focus), cycling round and
// skipping hidden and disabled controls. None when no control can take it.
std::optional<std::size_t> NextTabStop(const std::vector<TabStop>& controlsInStoredOrder,
                                       std::optional<std::size_t> current, bool forward);

} // namespace rt
