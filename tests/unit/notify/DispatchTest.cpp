// The monitoring thread's dispatch as it runs: the window settings read at each call,
// the sound and log workers it starts, and the previous result it keeps.
#include <gtest/gtest.h>

#include <mutex>
#include <vector>

#include "engine/LogFormat.h"
#include "engine/NetThread.h"
#include "engine/SoundThread.h"
#include "framework/TimeText.h"
#include "model/GlobalSettings.h"
#include "model/SharedSettings.h"
#include "support/TempFiles.h"

namespace {

class CDispatchingThread : public CNetThread {
public:
    using CNetThread::DispatchNotifications;

    void Result(int status, DWORD error = 0, DWORD ipStatus = 0) {
        m_Record.m_nStatus = status;
        m_Record.m_dwTimeMs = 7;
        m_Record.m_dwError = error;
        m_Record.m_dwIpStatus = ipStatus;
        DispatchNotifications();
    }
};

std::mutex g_lock;
std::vector<SoundPlan> g_plans;

void RecordPlan(const SoundPlan& plan) {
    std::lock_guard<std::mutex> lock(g_lock);
    g_plans.push_back(plan);
}

// Waits (within a bound) until `count()` reaches `expected`, then a moment more, so
// that a surplus shows too; returns the last count.
template <typename Count>
size_t SettledCount(size_t expected, Count count) {
    for (int i = 0; i < 200 && count() < expected; ++i) Sleep(25);
    Sleep(300);
    return count();
}

size_t PlanCount() {
    std::lock_guard<std::mutex> lock(g_lock);
    return g_plans.size();
}

// Window settings of the test, put back afterwards for the other tests.
class DispatchNotificationsTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_plans.clear();
        SetSoundObserver(&RecordPlan);
        shared.SetLogDir(logs.Path());
        shared.EnableLog = 0;
        shared.LogEveryCheck = 0;
        shared.RunningOnWine = 1;
        g_nLogFileType = 0;
    }
    void TearDown() override {
        SetSoundObserver(nullptr);
        shared.EnableLog = 0;
        shared.LogEveryCheck = 0;
        shared.CustomSoundError = 0;
        shared.TextSpeechSoundError = 0;
        shared.SetCustomSoundPathError(L"");
        shared.SetTextSpeechTextError(L"");
        shared.SetLogDir(L"");
    }

    // Lines of the thread's log file today, once its workers have written `expected`.
    size_t LogLines(const CDispatchingThread& thread, size_t expected) {
        const std::wstring file = TodaysLogFileName(logs.Path(), thread.m_Record, 0, fw::LocalNow());
        return SettledCount(expected, [&] {
            const std::string bytes = ReadBytes(file);
            size_t lines = 0;
            for (char c : bytes) lines += c == '\n';
            return lines;
        });
    }

    CSharedSettings& shared = CSharedSettings::Get();
    CTempFolder logs;
};

TEST_F(DispatchNotificationsTest, ErrorSoundsComeFromTheWindowSettingsOfTheMoment) {
    CDispatchingThread thread;
    thread.m_Record.Name = L"gw";
    thread.m_Record.CheckMethod = METHOD_PING;
    thread.m_Record.Sound = 0x08;
    shared.CustomSoundError = 1;
    shared.SetCustomSoundPathError(L"C:\\no\\such\\error.wav");
    thread.Result(MON_ERROR, 10);
    shared.TextSpeechSoundError = 1;
    shared.SetTextSpeechTextError(L"%name failed");
    thread.Result(MON_ADDR_ERROR, 11001);
    thread.Result(MON_ADDR_ERROR, 11001);  // no change: no sound

    ASSERT_EQ(SettledCount(2, PlanCount), 2u);
    std::lock_guard<std::mutex> lock(g_lock);
    // Each sound plays on a thread of its own: the two plans may come in either order.
    std::vector<SoundPlan> plans = g_plans;
    if (plans[0].kind != SoundPlan::File) std::swap(plans[0], plans[1]);
    EXPECT_EQ(plans[0].kind, SoundPlan::File);
    EXPECT_EQ(plans[0].what, L"C:\\no\\such\\error.wav");
    EXPECT_EQ(plans[1].kind, SoundPlan::Speak);
    EXPECT_EQ(plans[1].what, L"gw failed");
    EXPECT_EQ(thread.m_nPrevStatus, MON_ADDR_ERROR);
    EXPECT_EQ(thread.m_dwPrevError, 11001u);
}

TEST_F(DispatchNotificationsTest, LogSwitchesReachTheRunningThreadAtItsNextResult) {
    CDispatchingThread thread;
    thread.m_Record.Name = L"web";
    thread.m_Record.CheckMethod = METHOD_TCP;
    thread.m_Record.IPorURLAddress = L"127.0.0.1";
    thread.m_Record.Port = 80;
    thread.Result(MON_UP);  // logging off
    shared.EnableLog = 1;
    thread.Result(MON_UP);  // no change
    thread.Result(MON_DOWN, 10060);
    thread.Result(MON_DOWN, 10060);  // same Down
    thread.Result(MON_DOWN, 10065);  // new error
    EXPECT_EQ(LogLines(thread, 2), 2u);
    shared.LogEveryCheck = 1;
    thread.Result(MON_UP);
    thread.Result(MON_UP);
    EXPECT_EQ(LogLines(thread, 4), 4u);
    EXPECT_EQ(thread.m_nPrevStatus, MON_UP);
}

}  // namespace
