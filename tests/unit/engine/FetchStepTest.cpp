// The rules that bound the steps of a URL check's fetch.
#include <gtest/gtest.h>

#include <vector>

#include "engine/StepTimer.h"

// A step ends once nothing has happened for its limit; each progress starts a new one.
TEST(CStepTimer, ProgressStartsTheStepOver) {
    struct Case {
        const char* name;
        DWORD limitMs;
        std::vector<DWORD> progressAtMs;
        DWORD nowMs;
        DWORD leftMs;
    };
    const Case cases[] = {
        {"fresh step", 1450, {0}, 0, 1450},
        {"part used", 1450, {0}, 1000, 450},
        {"no progress for the limit", 1450, {0}, 1450, 0},
        {"long past the limit", 1450, {0}, 60000, 0},
        {"progress just in time", 1450, {0, 1449}, 2000, 899},
        {"steady progress, long after the start", 1450, {0, 50, 100, 4000, 4050}, 4100, 1400},
        {"progress, then silence", 1450, {0, 50, 100}, 1550, 0},
        {"progress later than the clock read", 1450, {0, 500}, 480, 1450},
        {"largest limit", MAXDWORD, {10}, 4000000000u, MAXDWORD - 3999999990u},
    };
    for (const Case& c : cases) {
        CStepTimer timer(c.limitMs);
        for (DWORD at : c.progressAtMs) timer.Progress(at);
        EXPECT_EQ(timer.MsLeft(c.nowMs), c.leftMs) << c.name;
    }
}

// A step's limit is the time-out and 500 ms, less the margin for what follows the wait,
// and never wraps round.
TEST(FetchStepLimitMs, SaturatesInsteadOfWrapping) {
    const std::pair<DWORD, DWORD> cases[] = {
        {0, 450},
        {1000, 1450},
        {3000, 3450},
        {MAXDWORD - 500, MAXDWORD - 50},
        {MAXDWORD - 499, MAXDWORD - 50},
        {MAXDWORD - 1, MAXDWORD - 50},
        {MAXDWORD, MAXDWORD - 50},
    };
    for (const auto& c : cases) EXPECT_EQ(FetchStepLimitMs(c.first), c.second) << c.first;
}
