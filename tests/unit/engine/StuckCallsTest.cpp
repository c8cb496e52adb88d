// The bound on calls left stuck by their checks: per call budget whatever object made the
// call (a restart makes a new one), for the whole process without ever refusing a monitor
// that has none stuck, and room given back as a stuck call returns; a call left behind
// counts only once its own bound has passed. Whose budget a call counts against: the
// monitor with its check target as it is now.
#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <vector>

#include "engine/StuckCalls.h"
#include "model/MonitorRecord.h"

namespace {
ULONGLONG g_nowMs = 0;
ULONGLONG TestNow() { return g_nowMs; }

// A call of `budget` that gets stuck for good, when there is room for it.
bool Stick(CStuckCalls& calls, UINT64 budget) {
    CStuckCallRoom room(budget, calls);
    if (!room) return false;
    room.Keep([] { return false; });
    return true;
}
}  // namespace

TEST(StuckCalls, BoundPerMonitorAndProcessUntilCallsReturn) {
    CStuckCalls calls(2, 3);  // two per monitor, three in all
    const UINT64 a = 1, b = 2, c = 3;
    std::vector<std::shared_ptr<bool>> returned;
    // Steps: a call of this budget; true when it gets stuck; whether there was room.
    struct Step {
        UINT64 budget;
        bool stuck;
        bool room;
    };
    const Step steps[] = {
        {a, false, true},  // ended in time: gives its room back
        {a, true, true},   {a, true, true},
        {a, true, false},  // A has two stuck calls, from whichever check object
        {b, true, true},   // three in the process now
        {c, true, true},   // C has none stuck: it is checked all the same
        {c, true, false},  // C has one, and the process has all it may have
        {b, false, false},
    };
    for (size_t i = 0; i < sizeof(steps) / sizeof(steps[0]); ++i) {
        const Step& s = steps[i];
        CStuckCallRoom room(s.budget, calls);
        EXPECT_EQ(static_cast<bool>(room), s.room) << "step " << i;
        if (room && s.stuck) {
            returned.push_back(std::make_shared<bool>(false));
            std::shared_ptr<bool> flag = returned.back();
            room.Keep([flag] { return *flag; });
        }
    }
    // One of A's stuck calls returns: A still has one while the process is full...
    *returned[0] = true;
    EXPECT_FALSE(CStuckCallRoom(a, calls));
    // ...the other returns too: A has none stuck and room again.
    *returned[1] = true;
    EXPECT_TRUE(Stick(calls, a));
}

// Calls that restarts and stops leave behind within their time-outs take no room, however
// many; each counts from the moment its bound has passed until it returns.
TEST(StuckCalls, AKeptCallCountsOnlyOnceItsBoundHasPassed) {
    CStuckCalls calls(2, 3, &TestNow);  // two per monitor, three in all
    const UINT64 a = 1, b = 2, c = 3;
    enum Action { Keep, End, Ask };
    struct Step {
        const char* name;
        ULONGLONG atMs;
        Action action;  // Keep: a call of `budget` left with `arg` ms of its bound; End: kept call `arg` returns
        UINT64 budget;  // whose room is asked for
        DWORD arg;
        bool room;
    };
    const Step steps[] = {
        {"a restart leaves its echo", 0, Keep, a, 4000, true},
        {"another restart", 500, Keep, a, 4000, true},
        {"more left than the monitor may have stuck", 1000, Keep, a, 4000, true},
        {"one past its bound", 4000, Ask, a, 0, true},
        {"two past their bounds", 4500, Ask, a, 0, false},
        {"the first returns", 4500, End, a, 0, true},
        {"another monitor's overdue call", 4500, Keep, b, 0, true},
        {"the third past its bound", 5000, Ask, a, 0, false},
        {"the process full: a monitor with one stuck", 5000, Ask, b, 0, false},
        {"a monitor with none stuck", 5000, Keep, c, MAXDWORD, true},
        {"and a second with the longest bound", 5000, Keep, c, MAXDWORD, true},
        {"never counted within it", 5000 + MAXDWORD - 1, Ask, c, 0, true},
        {"but past it", 5000 + ULONGLONG{MAXDWORD}, Ask, c, 0, false},
    };
    std::vector<std::shared_ptr<bool>> kept;
    for (const Step& s : steps) {
        g_nowMs = s.atMs;
        if (s.action == End) *kept[s.arg] = true;
        CStuckCallRoom room(s.budget, calls);
        EXPECT_EQ(static_cast<bool>(room), s.room) << s.name;
        if (s.action == Keep && room) {
            kept.push_back(std::make_shared<bool>(false));
            std::shared_ptr<bool> returned = kept.back();
            room.Keep([returned] { return *returned; }, s.arg);
        }
    }
}

TEST(StuckCalls, CallsInFlightTakeNoRoom) {
    CStuckCalls calls(1, 1);
    CStuckCallRoom first(1, calls), again(1, calls), other(2, calls);
    EXPECT_TRUE(first && again && other);
    first.Keep([] { return false; });
    EXPECT_FALSE(CStuckCallRoom(1, calls));
    EXPECT_TRUE(CStuckCallRoom(2, calls));
}

// Every monitor of a full strip can have all its stuck calls before the process's bound
// refuses anyone.
TEST(StuckCalls, TheProcessHoldsEveryMonitorsFullShare) {
    CStuckCalls calls;
    for (UINT64 monitor = 1; monitor <= kMaxMonitors; ++monitor)
        for (size_t n = 0; n < CStuckCalls::kMaxPerMonitor; ++n)
            ASSERT_TRUE(Stick(calls, monitor)) << "monitor " << monitor << ", call " << n;
    EXPECT_FALSE(Stick(calls, 1));
    EXPECT_TRUE(Stick(calls, kMaxMonitors + 1)) << "a monitor with none stuck";
}

// Two monitors in slots 0 and 1, two stuck calls each at most: what each step does to
// the budget and whether the monitor may then leave one more call stuck.
TEST(StuckCalls, TheBudgetBelongsToTheMonitorAsItIsNow) {
    CStuckCalls calls(2, 100);
    alignas(CMonitorRecord) unsigned char storage[2][sizeof(CMonitorRecord)];
    CMonitorRecord* slots[2];
    for (int i = 0; i < 2; ++i) {
        slots[i] = new (storage[i]) CMonitorRecord(nullptr, i);
        slots[i]->CheckMethod = METHOD_URL;
        slots[i]->IPorURLAddress = L"http://127.0.0.1:8080/";
    }
    enum Action { Stuck, Restart, Rename, EditAddress, EditPort, EditMethod, ReplaceInSlot };
    struct Step {
        const char* name;
        Action action;
        int slot;
        bool room;  // whether a call of that monitor may then get stuck
    };
    const Step steps[] = {
        {"first stuck call", Stuck, 0, true},
        {"second", Stuck, 0, true},
        {"a third is refused", Stuck, 0, false},
        {"the other monitor, same address", Stuck, 1, true},
        {"restarted: the same budget", Restart, 0, false},
        {"renamed: the same target", Rename, 0, false},
        {"address edited: starts with none", EditAddress, 0, true},
        {"and fills up again", Stuck, 0, true},
        {"full again", Stuck, 0, false},
        {"port edited", EditPort, 0, true},
        {"method edited", EditMethod, 0, true},
        {"the other one's second", Stuck, 1, true},
        {"the other one is full", Stuck, 1, false},
        {"a new monitor where it was deleted", ReplaceInSlot, 1, true},
    };
    for (const Step& s : steps) {
        CMonitorRecord*& record = slots[s.slot];
        switch (s.action) {
        case Stuck:
            break;
        case Restart:
            record->CallBudget();
            break;
        case Rename:
            record->Name = L"renamed";
            break;
        case EditAddress:
            record->IPorURLAddress = L"http://127.0.0.1:8081/";
            break;
        case EditPort:
            record->Port = 99;
            break;
        case EditMethod:
            record->CheckMethod = METHOD_TCP;
            break;
        case ReplaceInSlot:  // in the very same memory, with the same settings
            record->~CMonitorRecord();
            record = new (storage[s.slot]) CMonitorRecord(nullptr, s.slot);
            record->CheckMethod = METHOD_URL;
            record->IPorURLAddress = L"http://127.0.0.1:8080/";
            break;
        }
        EXPECT_EQ(Stick(calls, record->CallBudget()), s.room) << s.name;
    }
    for (CMonitorRecord* record : slots) record->~CMonitorRecord();
}
