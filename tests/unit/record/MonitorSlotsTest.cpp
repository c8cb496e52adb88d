// Records changing slots: every record ends in its slot with the slot as its index, and
// its thread's link follows; a removed record's thread reports to nobody.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/LogFormat.h"
#include "engine/LogQueue.h"
#include "engine/RecordThread.h"
#include "framework/ComPtr.h"
#include "framework/TimeText.h"
#include "model/MonitorSlots.h"
#include "model/RecordLink.h"
#include "model/SharedSettings.h"
#include "support/TempFiles.h"

namespace {

enum Op { Exchange, Insert, Remove };

// Four records A..D in slots 0..3, all in use, each with a thread tie (the threads find no window
// and end at once; their links stay).
void Fill(CMonitorSlots& slots) {
    for (int i = 0; i < 4; ++i) {
        auto record = std::make_unique<CMonitorRecord>(nullptr, static_cast<UINT>(i));
        record->Name = std::wstring(1, static_cast<wchar_t>(L'A' + i));
        record->StartThread();
        slots.Put(i, std::move(record));
    }
    slots.SetCount(4);
}

}  // namespace

TEST(MonitorSlots, RecordsKeepSlotIndexAndThreadTogether) {
    const struct {
        const char* name;
        Op op;
        int a, b;
        const wchar_t* after;  // the names by slot; '.' an empty slot
    } cases[] = {
        {"move right", Exchange, 1, 2, L"ACBD."},
        {"move left of the first", Exchange, 1, 0, L"BACD."},
        {"add before all", Insert, 0, 0, L"NABCD"},
        {"add in the middle", Insert, 2, 0, L"ABNCD"},
        {"add after the last", Insert, 4, 0, L"ABCDN"},
        {"delete the first", Remove, 0, 0, L"BCD.."},
        {"delete in the middle", Remove, 2, 0, L"ABD.."},
        {"delete the last", Remove, 3, 0, L"ABC.."},
    };
    for (const auto& c : cases) {
        CMonitorSlots slots;
        Fill(slots);
        fw::CComPtr<CRecordLink> removed(c.op == Remove ? const_cast<CRecordLink*>(slots[c.a]->Link()) : nullptr);
        if (c.op == Exchange) slots.Exchange(c.a, c.b);
        if (c.op == Insert) {
            auto added = std::make_unique<CMonitorRecord>(nullptr, 0u);
            added->Name = L"N";
            EXPECT_TRUE(slots.Insert(c.a, std::move(added))) << c.name;
        }
        if (c.op == Remove) slots.Remove(c.a);

        std::wstring names;
        for (int slot = 0; slot < 5; ++slot) {
            const CMonitorRecord* r = slots[slot].get();
            names += r ? r->Name : L".";
            if (!r) continue;
            EXPECT_EQ(r->m_nIndex, static_cast<UINT>(slot)) << c.name << ", slot " << slot;
            if (r->Link()) EXPECT_EQ(r->Link()->m_nIndex.load(), static_cast<UINT>(slot)) << c.name;
        }
        EXPECT_EQ(names, c.after) << c.name;
        // Every slot that holds a record is in use, and no other.
        EXPECT_EQ(slots.Count(), 5 - static_cast<int>(std::count(names.begin(), names.end(), L'.'))) << c.name;
        if (removed) EXPECT_TRUE(removed->m_bStop.load()) << c.name;
    }
}

TEST(MonitorSlots, AnInsertWithoutRoomChangesNothing) {
    CMonitorSlots slots;
    Fill(slots);
    for (const auto& c : {std::pair<int, int>{5, 4}, {-1, 4}, {0, kMaxMonitors}}) {
        slots.SetCount(c.second);
        EXPECT_FALSE(slots.Insert(c.first, std::make_unique<CMonitorRecord>()));
        EXPECT_EQ(slots.Count(), c.second);
        EXPECT_EQ(slots[0]->Name + slots[3]->Name, L"AD");
        EXPECT_EQ(slots[4], nullptr);
    }
}

// Boxes count from 1, slots from 0; a box has a record only inside 1..Count(), and the
// count stays within 0..kMaxMonitors.
TEST(MonitorSlots, ABoxHasARecordOnlyInsideTheCount) {
    const struct {
        const char* name;
        int count, box;
        const wchar_t* record;  // "" for none
        int countAfter;
    } cases[] = {
        {"the first box", 4, 1, L"A", 4},         {"the last box", 4, 4, L"D", 4},
        {"box 0: the grip", 4, 0, L"", 4},        {"before the first", 4, -1, L"", 4},
        {"past the count", 3, 4, L"", 3},         {"past the last slot", 4, 71, L"", 4},
        {"no box in use", 0, 1, L"", 0},          {"a count below 0", -2, 1, L"", 0},
        {"a count above the most", 99, 2, L"B", kMaxMonitors},
    };
    for (const auto& c : cases) {
        CMonitorSlots slots;
        Fill(slots);
        slots.SetCount(c.count);
        const CMonitorRecord* record = slots.RecordOfBox(c.box);
        EXPECT_EQ(record ? record->Name : L"", c.record) << c.name;
        EXPECT_EQ(slots.Count(), c.countAfter) << c.name;
        EXPECT_EQ(BoxOfSlot(SlotOfBox(c.box)), c.box) << c.name;
    }
    EXPECT_EQ(SlotOfBox(1), 0);
}

// One monitor enabled, disabled or restarted, as the box menu, the tray and the monitor
// dialog do it: its flag, the status it shows (each one told to the window), its thread.
TEST(MonitorSlots, EnablingDisablingAndRestartingOneMonitor) {
    enum Change { Enable, Disable, Restart };
    const struct {
        const char* name;
        int disabled;
        Change change;
        int disabledAfter, status;
        bool thread;
        size_t shows;
    } cases[] = {
        {"disable a running monitor", 0, Disable, 1, MON_DISABLED, false, 1},
        {"enable a disabled monitor", 1, Enable, 0, MON_CHECKING, true, 1},
        {"enable any other disabled value", 2, Enable, 0, MON_CHECKING, true, 1},
        {"restart a running monitor: Checking before and after the stop", 0, Restart, 0, MON_CHECKING, true, 2},
        {"a disabled monitor stays as it is", 1, Restart, 1, MON_UP, true, 0},
    };
    for (const auto& c : cases) {
        CMonitorSlots slots;
        Fill(slots);
        CMonitorRecord& record = *slots[1];
        record.Disabled = c.disabled;
        record.m_nStatus = MON_UP;
        std::vector<int> shown;
        slots.OnStatusShown([&shown](int slot) { shown.push_back(slot); });
        if (c.change == Restart) slots.Restart(1);
        else slots.SetEnabled(1, c.change == Enable);
        EXPECT_EQ(record.Disabled, c.disabledAfter) << c.name;
        EXPECT_EQ(record.m_nStatus, c.status) << c.name;
        EXPECT_EQ(record.HasThread(), c.thread) << c.name;
        EXPECT_EQ(shown, std::vector<int>(c.shows, 1)) << c.name;
    }
}

namespace {
// Monitoring threads that cannot be created while `g_noThreads` holds, as at the process's
// thread limit.
bool g_noThreads = false;
int g_creations = 0;
bool CreateUnlessNoThreads(fw::CWinThread& thread) {
    ++g_creations;
    if (!g_noThreads) return thread.CreateThread(CREATE_SUSPENDED);
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return false;
}
}  // namespace

// A monitor whose thread cannot be created shows ERROR with the system's code at once (one
// log line, not one per try) and is tried again once its interval has passed, wherever its
// record stands by then; one deleted, disabled or started again meanwhile is not.
TEST(MonitorSlots, AThreadThatCannotBeCreatedShowsErrorAndIsTriedAgainAfterItsInterval) {
    enum Meanwhile { Nothing, StillNoThreads, Moved, Deleted, Disabled, Restarted };
    const struct {
        const char* name;
        Meanwhile meanwhile;
        bool retried;
        int status;  // after the retry
        bool thread;
    } cases[] = {
        {"tried again: it runs", Nothing, true, MON_CHECKING, true},
        {"tried again: still no thread", StillNoThreads, true, MON_ERROR, false},
        {"moved meanwhile: tried where it stands", Moved, true, MON_CHECKING, true},
        {"deleted meanwhile: nothing to try", Deleted, false, 0, false},
        {"disabled meanwhile: stays disabled", Disabled, false, MON_DISABLED, false},
        {"started again meanwhile: not started twice", Restarted, false, MON_CHECKING, true},
    };
    CTempFolder logs;
    CSharedSettings& shared = CSharedSettings::Get();
    shared.SetLogDir(logs.Path());
    shared.EnableLog = 1;
    const MonitorThreadCreator system = SetMonitorThreadCreator(&CreateUnlessNoThreads);
    UINT port = 9000;
    for (const auto& c : cases) {
        CMonitorSlots slots;
        Fill(slots);
        CMonitorRecord* record = slots[1].get();
        record->CheckInterval = 5;
        record->CheckMethod = METHOD_TCP;
        record->IPorURLAddress = L"127.0.0.1";
        record->Port = ++port;  // a log file of its own
        int told = 0;
        slots.OnStartFailed([&told] { ++told; });
        g_noThreads = true;
        const DWORD at = GetTickCount();
        slots.Restart(1);
        EXPECT_EQ(record->m_nStatus, MON_ERROR) << c.name;
        EXPECT_EQ(record->m_dwError, static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY)) << c.name;
        EXPECT_FALSE(record->HasThread()) << c.name;
        EXPECT_EQ(told, 1) << c.name;
        const DWORD in = slots.NextStartRetryIn(at);
        EXPECT_TRUE(in >= 5000 && in < 5500) << c.name << ": " << in;
        const int creations = g_creations;
        slots.RetryFailedStarts(at + 4000);
        EXPECT_EQ(g_creations, creations) << c.name << ": tried before its interval";

        g_noThreads = c.meanwhile == StillNoThreads;
        if (c.meanwhile == Moved) slots.Exchange(1, 2);
        if (c.meanwhile == Deleted) slots.Remove(1);
        if (c.meanwhile == Disabled) slots.SetEnabled(1, false);
        if (c.meanwhile == Restarted) slots.Restart(1);
        const int beforeRetry = g_creations;
        EXPECT_EQ(slots.RetryFailedStarts(at + 6000), c.status == MON_ERROR ? 5000u : INFINITE) << c.name;
        EXPECT_EQ(g_creations - beforeRetry, c.retried ? 1 : 0) << c.name;
        if (c.meanwhile != Deleted) {
            EXPECT_EQ(record->m_nStatus, c.status) << c.name;
            EXPECT_EQ(record->HasThread(), c.thread) << c.name;
            ASSERT_TRUE(CLogQueue::Process().Drain(5000));
            const std::string lines = ReadBytes(TodaysLogFileName(logs.Path(), *record, 0, fw::LocalNow()));
            EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 1) << c.name << ": " << lines;
            EXPECT_NE(lines.find(" | B | ERROR | N/A | "), std::string::npos) << lines;
            EXPECT_NE(lines.find(" | 8\r\n"), std::string::npos) << lines;
        }
    }
    g_noThreads = false;
    SetMonitorThreadCreator(system);
    shared.EnableLog = 0;
    shared.SetLogDir(L"");
}
