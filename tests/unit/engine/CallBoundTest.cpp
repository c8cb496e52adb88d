// The bounds put on calls that checks make: a time-out near the largest value saturates
// instead of wrapping round to a few hundred milliseconds.
#include <gtest/gtest.h>

#include "engine/CallBound.h"

TEST(CallBound, SaturatesInsteadOfWrapping) {
    struct Case {
        DWORD a, b, sum, difference;
    };
    const Case cases[] = {
        {0, 0, 0, 0},
        {3000, 500, 3500, 2500},
        {500, 3000, 3500, 0},
        {MAXDWORD - 500, 500, MAXDWORD, MAXDWORD - 1000},
        {MAXDWORD - 499, 500, MAXDWORD, MAXDWORD - 999},
        {MAXDWORD, 500, MAXDWORD, MAXDWORD - 500},
        {MAXDWORD, MAXDWORD, MAXDWORD, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SaturatingAdd(c.a, c.b), c.sum) << c.a << " + " << c.b;
        EXPECT_EQ(SaturatingSub(c.a, c.b), c.difference) << c.a << " - " << c.b;
    }
    // A time-out of 4294967295 (the file said -1) waits as long as possible.
    const std::pair<DWORD, DWORD> bounds[] = {{0, 500}, {3000, 3500}, {MAXDWORD - 500, MAXDWORD}, {MAXDWORD, MAXDWORD}};
    for (const auto& b : bounds) EXPECT_EQ(CallBoundMs(b.first), b.second) << b.first;
}
