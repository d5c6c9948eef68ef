// The control models carry the toolkit behaviour the handlers are written for:
// a scroll bar's value always inside its range, change callbacks only on a real
// change, and a list that keeps its current entry on the same line of text.
#include <gtest/gtest.h>

#include <vector>

#include "controls/ListBox.h"
#include "controls/ScrollBar.h"

namespace {

using vostrel::controls::ListBox;
using vostrel::controls::ScrollBar;

TEST(ScrollBar, ValueStaysInRangeAndCallbackRunsOnlyOnChange) {
    struct Case {
        const char* what;
        int min, max, value;
        int setMin, setMax, setValue;
        int expected;
        int callbacks;
    };
    const std::vector<Case> cases = {
        {"value above max is held", 0, 10, 5, 0, 10, 99, 10, 1},
        {"same value raises nothing", 0, 10, 5, 0, 10, 5, 5, 0},
        {"lower max moves the value", 0, 10, 8, 0, 3, 3, 3, 1},
        {"min above max: range is max..min", 1, 32767, 1, 1, -1, -5, -1, 1},
        {"raising min pulls the value up", 0, 10, 0, 4, 10, 4, 4, 1},
    };
    for (const auto& c : cases) {
        ScrollBar bar;
        bar.initialise(c.min, c.max, c.value, 1, 1);
        int calls = 0;
        bar.onChange = [&] { ++calls; };
        bar.setMin(c.setMin);
        bar.setMax(c.setMax);
        bar.setValue(c.setValue);
        EXPECT_EQ(bar.value(), c.expected) << c.what;
        EXPECT_EQ(calls, c.callbacks) << c.what;
    }
}

TEST(ScrollBar, ChangeHandlerMaySetTheValueAgainNested) {
    ScrollBar bar;
    bar.initialise(1, 10, 1, 1, 2);
    std::vector<int> seen;
    bar.onChange = [&] {
        seen.push_back(bar.value());
        if (bar.value() == 5) bar.setValue(7);  // as a page handler that lands elsewhere
    };
    bar.setValue(5);
    EXPECT_EQ(seen, (std::vector<int>{5, 7}));
    EXPECT_EQ(bar.value(), 7);
}

TEST(ListBox, CurrentEntryFollowsItsLineAndClickRunsOnChangeOnly) {
    ListBox list;
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    for (const char* line : {"a", "b", "c"}) list.append(line);
    list.setListIndex(1);
    EXPECT_EQ(list.text(), "b");
    EXPECT_EQ(clicks, 1);
    list.setListIndex(1);
    EXPECT_EQ(clicks, 1);

    list.insert(0, "z");  // before the current entry
    EXPECT_EQ(list.listIndex(), 2);
    list.remove(0);
    EXPECT_EQ(list.listIndex(), 1);
    list.remove(1);  // the current entry itself
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(clicks, 1);  // moves by the list itself raise no click
    EXPECT_THROW(list.setListIndex(5), std::out_of_range);
}

}  // namespace
