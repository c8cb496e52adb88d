#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/NotificationRules.h"
#include "model/MonitorRecord.h"

namespace {

struct MaskCase {
    int status;
    UINT notifyBit;  // Sound / MsgBox
    UINT execBit;    // ExecFileStatusCheck
};

TEST(NotificationMasks, SelectStatusesByBit) {
    const MaskCase cases[] = {
        {MON_UP, 0x01, 0x01},         {MON_DOWN, 0x02, 0x02}, {MON_CLOSED, 0x04, 0x04},
        {MON_ADDR_ERROR, 0x08, 0x08}, {MON_ERROR, 0x08, 0x10},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(StatusNotifyMaskHas(c.notifyBit, c.status)) << c.status;
        EXPECT_FALSE(StatusNotifyMaskHas(0xFF & ~c.notifyBit, c.status)) << c.status;
        EXPECT_TRUE(ExecStatusMaskHas(c.execBit, c.status)) << c.status;
        EXPECT_FALSE(ExecStatusMaskHas(0xFF & ~c.execBit, c.status)) << c.status;
    }
    for (int status : std::initializer_list<int>{0, 3, MON_CHECKING, 8, MON_DISABLED, MON_VOLUME_TEST}) {
        EXPECT_FALSE(StatusNotifyMaskHas(0xFF, status)) << status;
        EXPECT_FALSE(ExecStatusMaskHas(0xFF, status)) << status;
    }
}

// Runs the repeat rule over a sequence of statuses, all in the mask, and returns the
// checks (counted from 1) at which it fired.
std::vector<int> FiringChecks(const std::vector<int>& statuses, UINT threshold, UINT counter = 0) {
    std::vector<int> fired;
    int previous = 0;
    for (size_t i = 0; i < statuses.size(); ++i) {
        if (ApplyRepeatRule(counter, threshold, statuses[i] != previous)) fired.push_back(static_cast<int>(i) + 1);
        previous = statuses[i];
    }
    return fired;
}

TEST(RepeatRule, FiresOncePerChangeAfterThreshold) {
    const int D = MON_DOWN, U = MON_UP, E = MON_ERROR, A = MON_ADDR_ERROR;
    EXPECT_EQ(FiringChecks({D, D, D, D}, 0), (std::vector<int>{1}));
    EXPECT_EQ(FiringChecks({D, D, D, D}, 2), (std::vector<int>{3}));
    EXPECT_EQ(FiringChecks({D, D, D, D}, 4), (std::vector<int>{}));
    EXPECT_EQ(FiringChecks({U, D, U, D}, 0), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(FiringChecks({U, D, D, U, U}, 1), (std::vector<int>{3, 5}));
    // A change between the two errors is a change.
    EXPECT_EQ(FiringChecks({E, A, A, E}, 0), (std::vector<int>{1, 2, 4}));
    // A counter carried over from elsewhere does not matter: the first status is a change.
    EXPECT_EQ(FiringChecks({U, U}, 0, kNotifiedCount), (std::vector<int>{1}));
    EXPECT_EQ(FiringChecks({U, U, U}, 1, 12345), (std::vector<int>{2}));
}

TEST(RepeatRule, CounterHoldsNotifiedMarkerUntilNextChange) {
    UINT counter = 0;
    EXPECT_FALSE(ApplyRepeatRule(counter, 1, true));
    EXPECT_EQ(counter, 1u);
    EXPECT_TRUE(ApplyRepeatRule(counter, 1, false));
    EXPECT_EQ(counter, kNotifiedCount);
    EXPECT_FALSE(ApplyRepeatRule(counter, 1, false));
    EXPECT_EQ(counter, kNotifiedCount);
}

TEST(RepeatRule, ThresholdsOf65535AndMoreStillFireOnce) {
    for (UINT threshold : std::initializer_list<UINT>{65534u, 65535u, 65536u, 70000u}) {
        UINT counter = 0;
        bool changed = true;
        UINT firedAt = 0, firings = 0;
        for (UINT check = 1; check <= threshold + 5; ++check) {
            if (ApplyRepeatRule(counter, threshold, changed)) {
                ++firings;
                if (!firedAt) firedAt = check;
            }
            changed = false;
        }
        EXPECT_EQ(firings, 1u) << threshold;
        EXPECT_EQ(firedAt, threshold + 1) << threshold;
    }
}

TEST(RepeatRule, LargestThresholdNeverWrapsTheCounter) {
    UINT counter = 0xFFFFFFFEu;
    EXPECT_FALSE(ApplyRepeatRule(counter, 0xFFFFFFFFu, false));
    EXPECT_EQ(counter, 0xFFFFFFFFu);
    EXPECT_TRUE(ApplyRepeatRule(counter, 0xFFFFFFFFu, false));
    EXPECT_EQ(counter, kNotifiedCount);
}

struct Result {
    int status;
    DWORD error;
    DWORD ipStatus;
};

// Which results of a thread's sequence are logged.
std::vector<int> LoggedChecks(const std::vector<Result>& results, bool logEveryCheck) {
    std::vector<int> logged;
    PreviousResult previous;
    for (size_t i = 0; i < results.size(); ++i) {
        const Result& r = results[i];
        if (IsLogDue(r.status, r.error, r.ipStatus, previous, logEveryCheck)) logged.push_back(static_cast<int>(i) + 1);
        previous = {r.status, r.error, r.ipStatus};
    }
    return logged;
}

TEST(LogGate, LogsChangesAndNewErrors) {
    const std::vector<Result> sequence = {
        {MON_UP, 0, 0},           // 1: first result of the thread
        {MON_UP, 0, 0},           // 2: same
        {MON_UP, 5, 0},           // 3: Up with another error: not logged
        {MON_DOWN, 0, 11010},     // 4: change
        {MON_DOWN, 0, 11010},     // 5: same Down
        {MON_DOWN, 0, 11003},     // 6: Down with a new IP status
        {MON_DOWN, 12002, 0},     // 7: Down with a new error
        {MON_CLOSED, 0, 0},       // 8: change
        {MON_CLOSED, 0, 0},       // 9: same Closed
        {MON_ERROR, 10, 0},       // 10
        {MON_ADDR_ERROR, 10, 0},  // 11: 4 to 5 is a change
        {MON_ADDR_ERROR, 11, 0},  // 12: new error
        {MON_ADDR_ERROR, 11, 0},  // 13
    };
    EXPECT_EQ(LoggedChecks(sequence, false), (std::vector<int>{1, 4, 6, 7, 8, 10, 11, 12}));
    EXPECT_EQ(LoggedChecks(sequence, true), (std::vector<int>{1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12}));
}

TEST(LogGate, NeverLogsCheckingOrDisabled) {
    const PreviousResult previous{MON_UP, 0, 0};
    for (int status : std::initializer_list<int>{0, 3, MON_CHECKING, 8, MON_DISABLED, MON_VOLUME_TEST}) {
        EXPECT_FALSE(IsLogDue(status, 1, 1, previous, true)) << status;
        EXPECT_FALSE(IsLogDue(status, 0, 0, PreviousResult{}, true)) << status;
    }
}

// A thread's record and the dispatch of one result after another.
class DispatchSequence : public ::testing::Test {
protected:
    NotificationDecision Dispatch(int status, DWORD error = 0, DWORD ipStatus = 0) {
        record.m_nStatus = status;
        record.m_dwError = error;
        record.m_dwIpStatus = ipStatus;
        NotificationDecision due = DecideNotifications(record, previous, settings);
        previous = {status, error, ipStatus};
        return due;
    }

    CMonitorRecord record;
    PreviousResult previous;
    DispatchSettings settings;
};

TEST_F(DispatchSequence, SecondUpAfterUnmaskedErrorFiresAgain) {
    record.Sound = 0x01;
    EXPECT_TRUE(Dispatch(MON_UP).sound);
    EXPECT_FALSE(Dispatch(MON_UP).sound);
    EXPECT_FALSE(Dispatch(MON_ERROR).sound);
    EXPECT_TRUE(Dispatch(MON_UP).sound);
}

TEST_F(DispatchSequence, ErrorFourThenFiveFiresSoundAndBoxTwice) {
    record.Sound = 0x08;
    record.MsgBox = 0x08;
    NotificationDecision first = Dispatch(MON_ERROR);
    NotificationDecision second = Dispatch(MON_ADDR_ERROR);
    EXPECT_TRUE(first.sound && first.msgBox);
    EXPECT_TRUE(second.sound && second.msgBox);
}

TEST_F(DispatchSequence, EachKindCountsItsOwnThreshold) {
    record.Sound = 0x02;
    record.nPS = 1;
    record.MsgBox = 0x02;
    record.nMSGB = 2;
    record.ExecFileCheck = 1;
    record.ExecFileStatusCheck = 0x02;
    record.nEF = 0;
    std::vector<std::string> fired;
    for (int i = 0; i < 4; ++i) {
        NotificationDecision due = Dispatch(MON_DOWN);
        fired.push_back(std::string(due.sound ? "S" : "") + (due.msgBox ? "M" : "") + (due.execFile ? "X" : ""));
    }
    EXPECT_EQ(fired, (std::vector<std::string>{"X", "S", "M", ""}));
}

TEST_F(DispatchSequence, OnlyLowByteOfMasksCounts) {
    record.MsgBox = 0x100 | 0x01;
    record.Sound = 0x200;
    record.ExecFileCheck = 1;
    record.ExecFileStatusCheck = 0x100;
    NotificationDecision due = Dispatch(MON_UP);
    EXPECT_TRUE(due.msgBox);
    EXPECT_FALSE(due.sound);
    EXPECT_FALSE(due.execFile);
}

TEST_F(DispatchSequence, ExecFileNeedsItsSwitch) {
    record.ExecFileStatusCheck = 0x1F;
    EXPECT_FALSE(Dispatch(MON_UP).execFile);
    record.ExecFileCheck = 1;
    EXPECT_TRUE(Dispatch(MON_DOWN).execFile);
}

TEST_F(DispatchSequence, SwitchClearedWhileRunningStopsFromNextDispatch) {
    record.Sound = 0x0F;
    record.MsgBox = 0x0F;
    record.ExecFileCheck = 1;
    record.ExecFileStatusCheck = 0x1F;
    NotificationDecision due = Dispatch(MON_UP);
    EXPECT_TRUE(due.sound && due.msgBox && due.execFile);
    // What the window does to a running thread's copy when a kind is switched off.
    record.Sound = 0;
    record.MsgBox = 0;
    record.ExecFileCheck = 0;
    due = Dispatch(MON_DOWN);
    EXPECT_FALSE(due.sound || due.msgBox || due.execFile);
}

TEST_F(DispatchSequence, LogFollowsSwitchAndGateButNotMonitorSetting) {
    record.Logging = 0;
    EXPECT_FALSE(Dispatch(MON_UP).log);
    settings.enableLog = true;
    EXPECT_TRUE(Dispatch(MON_DOWN).log);
    EXPECT_FALSE(Dispatch(MON_DOWN).log);
    EXPECT_TRUE(Dispatch(MON_DOWN, 10060).log);
    settings.logEveryCheck = true;
    EXPECT_TRUE(Dispatch(MON_UP).log);
    EXPECT_TRUE(Dispatch(MON_UP).log);
}

}  // namespace
