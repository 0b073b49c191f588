#include <gtest/gtest.h>

#include "runtime/forms/tab_order.h"

namespace {

using rt::TabStop;

constexpr TabStop Stop{true, true, true};
constexpr TabStop Label{false, true, true};
constexpr TabStop Hidden{true, false, true};
constexpr TabStop Disabled{true, true, false};

TEST(TabOrder, RunsFromTheLastStoredControlToTheFirst) {
    const std::vector<TabStop> controls = {Stop, Label, Stop, Stop};
    EXPECT_EQ(rt::TabOrder(controls), (std::vector<std::size_t>{3, 2, 0}));
}

TEST(TabOrder, CyclesBothWaysAndSkipsWhatCannotTakeFocus) {
    const std::vector<TabStop> controls = {Stop, Hidden, Label, Stop, Disabled, Stop};
    EXPECT_EQ(rt::NextTabStop(controls, std::nullopt, true), 5u);
    EXPECT_EQ(rt::NextTabStop(controls, std::nullopt, false), 0u);
    EXPECT_EQ(rt::NextTabStop(controls, 5, true), 3u);
    EXPECT_EQ(rt::NextTabStop(controls, 3, true), 0u);
    EXPECT_EQ(rt::NextTabStop(controls, 0, true), 5u);
    EXPECT_EQ(rt::NextTabStop(controls, 5, false), 0u);
    EXPECT_EQ(rt::NextTabStop(controls, 2, true), 5u); // from a label: as from nowhere
}

TEST(TabOrder, NoneWhenNothingCanTakeFocus) {
    EXPECT_FALSE(rt::NextTabStop({Label, Hidden}, std::nullopt, true).has_value());
    EXPECT_FALSE(rt::NextTabStop({}, std::nullopt, true).has_value());
    EXPECT_EQ(rt::NextTabStop({Stop}, 0, true), 0u);
}

} // namespace
