// The pure decisions of the notifications: masks, the repeat rule, the log gate, and
// what one result after another makes due.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/NotificationRules.h"
#include "model/MonitorRecord.h"

TEST(NotificationMasks, SelectStatusesByBit) {
    struct Case {
        int status;
        UINT notifyBit, execBit;  // Sound / MsgBox; ExecFileStatusCheck (0: none)
    };
    const Case cases[] = {{MON_UP, 0x01, 0x01},         {MON_DOWN, 0x02, 0x02}, {MON_CLOSED, 0x04, 0x04},
                          {MON_ADDR_ERROR, 0x08, 0x08}, {MON_ERROR, 0x08, 0x10}, {MON_CHECKING, 0, 0},
                          {MON_DISABLED, 0, 0},         {MON_VOLUME_TEST, 0, 0}, {3, 0, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(StatusNotifyMaskHas(c.notifyBit, c.status), c.notifyBit != 0) << c.status;
        EXPECT_FALSE(StatusNotifyMaskHas(0xFF & ~c.notifyBit, c.status)) << c.status;
        EXPECT_EQ(ExecStatusMaskHas(c.execBit, c.status), c.execBit != 0) << c.status;
        EXPECT_FALSE(ExecStatusMaskHas(0xFF & ~c.execBit, c.status)) << c.status;
    }
}

TEST(RepeatRule, FiresOncePerChangeAfterItsThreshold) {
    const int D = MON_DOWN, U = MON_UP, E = MON_ERROR, A = MON_ADDR_ERROR;
    struct Case {
        std::vector<int> statuses;
        UINT threshold, counter;  // the counter an earlier thread left
        std::vector<int> fired;    // checks, from 1
    };
    const Case cases[] = {
        {{D, D, D, D}, 0, 0, {1}},          {{D, D, D, D}, 2, 0, {3}},       {{D, D, D, D}, 4, 0, {}},
        {{U, D, U, D}, 0, 0, {1, 2, 3, 4}}, {{U, D, D, U, U}, 1, 0, {3, 5}}, {{E, A, A, E}, 0, 0, {1, 2, 4}},
        {{U, U}, 0, kNotifiedCount, {1}},   {{U, U, U}, 1, 12345, {2}},
    };
    for (const Case& c : cases) {
        std::vector<int> fired;
        UINT counter = c.counter;
        for (size_t i = 0; i < c.statuses.size(); ++i)
            if (ApplyRepeatRule(counter, c.threshold, i == 0 || c.statuses[i] != c.statuses[i - 1]))
                fired.push_back(static_cast<int>(i) + 1);
        EXPECT_EQ(fired, c.fired) << "threshold " << c.threshold;
    }
    // Thresholds at and above the notified marker still fire once, and the largest
    // never wraps the counter.
    for (UINT threshold : {65534u, 65535u, 65536u, 70000u}) {
        UINT counter = 0, firedAt = 0, firings = 0;
        for (UINT check = 1; check <= threshold + 5; ++check)
            if (ApplyRepeatRule(counter, threshold, check == 1) && !firings++) firedAt = check;
        EXPECT_EQ(firings, 1u) << threshold;
        EXPECT_EQ(firedAt, threshold + 1) << threshold;
    }
    UINT counter = 0xFFFFFFFEu;
    EXPECT_FALSE(ApplyRepeatRule(counter, 0xFFFFFFFFu, false));
    EXPECT_TRUE(ApplyRepeatRule(counter, 0xFFFFFFFFu, false));
    EXPECT_FALSE(ApplyRepeatRule(counter, 0xFFFFFFFFu, false));
}

TEST(LogGate, LogsChangesAndNewCodesButNeverCheckingOrDisabled) {
    struct Result {
        int status;
        DWORD error, ipStatus;
        bool onChange, always;  // logged: by changes only; with every check logged
    };
    const Result sequence[] = {
        {MON_UP, 0, 0, true, true},           {MON_UP, 0, 0, false, true},
        {MON_UP, 5, 0, false, true},          {MON_DOWN, 0, 11010, true, true},
        {MON_DOWN, 0, 11010, false, false},   {MON_DOWN, 0, 11003, true, true},
        {MON_DOWN, 12002, 0, true, true},     {MON_CLOSED, 0, 0, true, true},
        {MON_CLOSED, 0, 0, false, true},      {MON_ERROR, 10, 0, true, true},
        {MON_ADDR_ERROR, 10, 0, true, true},  {MON_ADDR_ERROR, 11, 0, true, true},
        {MON_ADDR_ERROR, 11, 0, false, false}, {MON_CHECKING, 1, 1, false, false},
        {MON_DISABLED, 0, 0, false, false},   {MON_VOLUME_TEST, 0, 0, false, false},
    };
    for (bool everyCheck : {false, true}) {
        PreviousResult previous;
        for (const Result& r : sequence) {
            EXPECT_EQ(IsLogDue(r.status, r.error, r.ipStatus, previous, everyCheck), everyCheck ? r.always : r.onChange)
                << r.status << "/" << r.error << "/" << r.ipStatus << (everyCheck ? " every check" : "");
            previous = {r.status, r.error, r.ipStatus};
        }
    }
}

// One result after another on a thread's record: "S" sound, "M" message box, "L" log,
// "X" executed file, as they fall due.
TEST(DecideNotifications, EachKindFollowsItsMaskSwitchAndThreshold) {
    using Change = std::function<void(CMonitorRecord&, DispatchSettings&)>;
    struct Step {
        int status;
        DWORD error;
        const char* due;
        Change before;
    };
    struct Case {
        const char* name;
        Change setUp;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"a second Up after an unmasked error", [](CMonitorRecord& r, DispatchSettings&) { r.Sound = 0x01; },
         {{MON_UP, 0, "S", {}}, {MON_UP, 0, "", {}}, {MON_ERROR, 0, "", {}}, {MON_UP, 0, "S", {}}}},
        {"error 4 then 5 is a change", [](CMonitorRecord& r, DispatchSettings&) { r.Sound = r.MsgBox = 0x08; },
         {{MON_ERROR, 0, "SM", {}}, {MON_ADDR_ERROR, 0, "SM", {}}}},
        {"each kind counts its own threshold",
         [](CMonitorRecord& r, DispatchSettings&) {
             r.Sound = r.MsgBox = r.ExecFileStatusCheck = 0x02;
             r.ExecFileCheck = 1;
             r.nPS = 1;
             r.nMSGB = 2;
         },
         {{MON_DOWN, 0, "X", {}}, {MON_DOWN, 0, "S", {}}, {MON_DOWN, 0, "M", {}}, {MON_DOWN, 0, "", {}}}},
        {"only the low byte of a mask counts",
         [](CMonitorRecord& r, DispatchSettings&) {
             r.MsgBox = 0x101;
             r.Sound = 0x200;
             r.ExecFileCheck = 1;
             r.ExecFileStatusCheck = 0x100;
         },
         {{MON_UP, 0, "M", {}}}},
        {"switches read at each result",
         [](CMonitorRecord& r, DispatchSettings&) { r.Sound = r.MsgBox = r.ExecFileStatusCheck = 0x0F; },
         {{MON_UP, 0, "SM", {}},
          {MON_DOWN, 0, "SMX", [](CMonitorRecord& r, DispatchSettings&) { r.ExecFileCheck = 1; }},
          {MON_UP, 0, "", [](CMonitorRecord& r, DispatchSettings&) { r.Sound = r.MsgBox = r.ExecFileCheck = 0; }}}},
        {"the log follows its switch and gate, not the monitor's own setting",
         [](CMonitorRecord& r, DispatchSettings&) { r.Logging = 0; },
         {{MON_UP, 0, "", {}},
          {MON_DOWN, 0, "L", [](CMonitorRecord&, DispatchSettings& s) { s.enableLog = true; }},
          {MON_DOWN, 0, "", {}},
          {MON_DOWN, 10060, "L", {}},
          {MON_UP, 0, "L", [](CMonitorRecord&, DispatchSettings& s) { s.logEveryCheck = true; }},
          {MON_UP, 0, "L", {}}}},
    };
    for (const Case& c : cases) {
        CMonitorRecord record;
        DispatchSettings settings;
        PreviousResult previous;
        c.setUp(record, settings);
        for (const Step& step : c.steps) {
            if (step.before) step.before(record, settings);
            record.m_nStatus = step.status;
            record.m_dwError = step.error;
            const NotificationDecision due = DecideNotifications(record, previous, settings);
            previous = {step.status, step.error, 0};
            const std::string got = std::string(due.sound ? "S" : "") + (due.msgBox ? "M" : "") +
                                    (due.log ? "L" : "") + (due.execFile ? "X" : "");
            EXPECT_EQ(got, step.due) << c.name << ", status " << step.status;
        }
    }
}
