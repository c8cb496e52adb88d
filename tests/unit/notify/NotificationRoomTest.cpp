#include <gtest/gtest.h>

#include "engine/NotificationRoom.h"

// Room for notification work (open boxes, programs): at most two a monitor and three in all
// here; work done gives its room back to whichever monitor asks next, and a refusal names
// the bound reached (the monitor's own first).
TEST(NotificationRoom, BoundedPerMonitorAndForTheProcess) {
    CNotificationRoom room(2, 3);
    const UINT64 a = 1, b = 2, c = 3;
    enum Op { Take, Give };
    constexpr RoomAnswer given = RoomAnswer::Given, monitorFull = RoomAnswer::MonitorFull,
                         processFull = RoomAnswer::ProcessFull;
    const struct {
        Op op;
        UINT64 monitor;
        RoomAnswer answer;  // for Take
    } steps[] = {
        {Take, a, given},       {Take, a, given},       {Take, a, monitorFull},  // a's third
        {Take, b, given},       {Take, b, processFull},                          // the process's fourth
        {Take, c, processFull}, {Give, a, given},       {Take, c, given},        // a's room went to c
        {Take, a, processFull}, {Give, c, given},       {Take, a, given},
        {Take, a, monitorFull},  // both bounds reached: the monitor's is named
        {Give, b, given},       {Give, b, given},  // a second give of b's one room changes nothing
        {Take, b, given},       {Take, c, processFull},
    };
    int n = 0;
    for (const auto& s : steps) {
        ++n;
        if (s.op == Give)
            room.Give(s.monitor);
        else
            EXPECT_EQ(room.Take(s.monitor), s.answer) << "step " << n;
    }
}
