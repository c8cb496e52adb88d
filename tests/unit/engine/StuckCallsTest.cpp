// The bound on calls left stuck by their checks: per monitor whatever object made the
// call (a restart makes a new one), for the whole process, and room given back as a
// stuck call returns.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/StuckCalls.h"

TEST(StuckCalls, BoundPerMonitorAndProcessUntilCallsReturn) {
    CStuckCalls calls(2, 3);  // two per monitor, three in all
    const char monitors[3] = {};
    const void* const monitorA = &monitors[0];
    const void* const monitorB = &monitors[1];
    const void* const monitorC = &monitors[2];
    std::vector<std::shared_ptr<bool>> returned;
    // Steps: a call of this monitor; true when it gets stuck; whether there was room.
    struct Step {
        const void* monitor;
        bool stuck;
        bool room;
    };
    const Step steps[] = {
        {monitorA, false, true},  // ended in time: gives its room back
        {monitorA, true, true},   {monitorA, true, true},
        {monitorA, true, false},  // A has two stuck calls, from whichever check object
        {monitorB, true, true},
        {monitorC, true, false},  // three in the process
        {monitorB, false, false},
    };
    for (size_t i = 0; i < sizeof(steps) / sizeof(steps[0]); ++i) {
        const Step& s = steps[i];
        CStuckCallRoom room(s.monitor, calls);
        EXPECT_EQ(static_cast<bool>(room), s.room) << "step " << i;
        if (room && s.stuck) {
            returned.push_back(std::make_shared<bool>(false));
            std::shared_ptr<bool> flag = returned.back();
            room.Keep([flag] { return *flag; });
        }
    }
    // The first stuck call of A returns: A and the process have room for one more.
    *returned[0] = true;
    CStuckCallRoom again(monitorA, calls);
    EXPECT_TRUE(again);
    again.Keep([] { return false; });
    CStuckCallRoom none(monitorC, calls);
    EXPECT_FALSE(none);
}

TEST(StuckCalls, CallsInFlightTakeNoRoom) {
    CStuckCalls calls(1, 1);
    const char monitors[2] = {};
    CStuckCallRoom first(&monitors[0], calls), again(&monitors[0], calls), other(&monitors[1], calls);
    EXPECT_TRUE(first && again && other);
    first.Keep([] { return false; });
    CStuckCallRoom after(&monitors[1], calls);
    EXPECT_FALSE(after);
}
