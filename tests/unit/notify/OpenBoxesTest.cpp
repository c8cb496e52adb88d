#include <gtest/gtest.h>

#include "engine/OpenBoxes.h"

// Open message boxes: at most two a monitor and three in all here; a closed box gives its
// room back to whichever monitor asks next.
TEST(OpenBoxes, BoundedPerMonitorAndForTheProcess) {
    COpenBoxes boxes(2, 3);
    const UINT64 a = 1, b = 2, c = 3;
    enum Op { Open, Close };
    const struct {
        Op op;
        UINT64 monitor;
        bool opened;  // for Open
    } steps[] = {
        {Open, a, true},  {Open, a, true},  {Open, a, false},  // a's third
        {Open, b, true},  {Open, b, false},                     // the process's fourth
        {Open, c, false}, {Close, a, false}, {Open, c, true},   // a's room went to c
        {Open, a, false}, {Close, c, false}, {Open, a, true},
        {Close, b, false}, {Close, b, false},  // a second close of b's one box changes nothing
        {Open, b, true},  {Open, c, false},
    };
    int n = 0;
    for (const auto& s : steps) {
        ++n;
        if (s.op == Close)
            boxes.Give(s.monitor);
        else
            EXPECT_EQ(boxes.Take(s.monitor), s.opened) << "step " << n;
    }
}
