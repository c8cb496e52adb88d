// Records changing slots: every record ends in its slot with the slot as its index, and
// its thread's link follows; a removed record's thread reports to nobody.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "framework/ComPtr.h"
#include "model/MonitorSlots.h"
#include "model/RecordLink.h"

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
