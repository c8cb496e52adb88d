// The notifications a monitoring thread starts as it runs: the window settings it reads
// at each result, the log line (at the result's time) and the message box.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <mutex>
#include <vector>

#include "engine/LogFormat.h"
#include "engine/MessageBoxText.h"
#include "engine/NetThread.h"
#include "engine/NotificationWorkers.h"
#include "engine/SoundThread.h"
#include "framework/StringUtil.h"
#include "model/GlobalSettings.h"
#include "model/SharedSettings.h"
#include "model/StatusWords.h"
#include "support/CommonDialogIds.h"
#include "support/TempFiles.h"
#include "support/WaitUntil.h"
#include "TestTime.h"

namespace {
class CDispatchingThread : public CNetThread {
public:
    void Result(int status, DWORD error = 0, SYSTEMTIME when = MakeTime(2026, 3, 4, 5, 6, 7)) {
        m_Record.m_nStatus = status;
        m_Record.m_dwTimeMs = 7;
        m_Record.m_dwError = error;
        m_resultTime = when;
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
    WaitUntil([&] { return count() >= expected; }, 5000, 25);
    Sleep(300);
    return count();
}

class WorkersTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetSoundObserver(&RecordPlan);
        shared.SetLogDir(logs.Path());
        shared.RunningOnWine = 1;
        g_nLogFileType = 0;
    }
    void TearDown() override {
        SetSoundObserver(nullptr);
        shared.EnableLog = shared.LogEveryCheck = shared.CustomSoundError = shared.TextSpeechSoundError = 0;
        shared.SetCustomSoundPathError(L"");
        shared.SetTextSpeechTextError(L"");
        shared.SetLogDir(L"");
    }
    CSharedSettings& shared = CSharedSettings::Get();
    CTempFolder logs;
};
}  // namespace

TEST_F(WorkersTest, ErrorSoundsComeFromTheWindowSettingsOfTheMoment) {
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
    ASSERT_EQ(SettledCount(2, [] {
                  std::lock_guard<std::mutex> lock(g_lock);
                  return g_plans.size();
              }),
              2u);
    std::lock_guard<std::mutex> lock(g_lock);
    // Each sound plays on a thread of its own: the two plans may come in either order.
    if (g_plans[0].kind != SoundPlan::File) std::swap(g_plans[0], g_plans[1]);
    EXPECT_TRUE(g_plans[0].kind == SoundPlan::File && g_plans[0].what == L"C:\\no\\such\\error.wav");
    EXPECT_TRUE(g_plans[1].kind == SoundPlan::Speak && g_plans[1].what == L"gw failed");
    EXPECT_EQ(thread.m_nPrevStatus, MON_ADDR_ERROR);
    EXPECT_EQ(thread.m_dwPrevError, 11001u);
}

TEST_F(WorkersTest, LogLinesFollowTheSwitchesOfTheMomentAndCarryTheResultsTime) {
    CDispatchingThread thread;
    thread.m_Record.Name = L"web";
    thread.m_Record.CheckMethod = METHOD_TCP;
    thread.m_Record.IPorURLAddress = L"127.0.0.1";
    thread.m_Record.Port = 80;
    // A result from before midnight that the queue writes after it: its day, its time.
    const SYSTEMTIME when = MakeTime(2020, 1, 2, 23, 59, 58);
    const std::wstring file = TodaysLogFileName(logs.Path(), thread.m_Record, 0, when);
    auto lines = [&] {
        const std::string bytes = ReadBytes(file);
        return static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    };
    // Which result is logged is the log gate's rule; here: both switches are read at each result.
    thread.Result(MON_UP, 0, when);  // logging off
    shared.EnableLog = 1;
    thread.Result(MON_DOWN, 10060, when);
    thread.Result(MON_DOWN, 10060, when);  // same Down
    EXPECT_EQ(SettledCount(1, lines), 1u);
    shared.LogEveryCheck = 1;
    thread.Result(MON_UP, 0, when);
    thread.Result(MON_UP, 0, when);  // logged only with every check
    EXPECT_EQ(SettledCount(3, lines), 3u);
    EXPECT_EQ(ReadBytes(file).substr(0, 26), "01/02/20 | 23:59:58 | web ");
}

// A program without room is not run. With logging on, the result's line is followed by a
// line saying so, in the same form (the result's first five fields, a text, the not-run
// code); the sound, the message box and the result's line come all the same.
TEST_F(WorkersTest, AProgramWithoutRoomIsLoggedAsNotRunAndTheOtherKindsStillCome) {
    enum Full { None, Monitor, Process };
    const struct {
        const char* name;
        Full full;
        bool log;
        const char* why;  // in the not-run line's text; nullptr: no such line
    } cases[] = {
        {"room left: the program runs", None, true, nullptr},
        {"the monitor's programs hang", Monitor, true, "of this monitor"},
        {"every monitor's room taken", Process, true, "programs are still"},
        {"logging off: not a line", Monitor, false, nullptr},
    };
    int row = 0;
    for (const auto& c : cases) {
        CDispatchingThread thread;
        CMonitorRecord& r = thread.m_Record;
        r.Name = L"web";
        r.CheckMethod = METHOD_TCP;
        r.IPorURLAddress = L"127.0.0.1";
        r.Port = static_cast<UINT>(9000 + ++row);  // a log file of its own
        r.Sound = r.MsgBox = 0x02;
        r.ExecFileCheck = 1;
        r.ExecFileStatusCheck = 0x02;
        r.ExecFilePath = L"cmd";
        r.ExecFileParam = L"/c exit";
        std::vector<CRoom> held;
        if (c.full == Monitor)
            for (size_t i = 0; i < kProgramRunsPerMonitor; ++i)
                held.emplace_back(thread.m_Check.CallBudget(), ProgramRunRoom());
        for (bool more = c.full == Process; more;) {
            held.emplace_back(NewCallBudget(), ProgramRunRoom());
            more = static_cast<bool>(held.back());
        }
        shared.EnableLog = c.log ? 1 : 0;
        auto sounds = [] {
            std::lock_guard<std::mutex> lock(g_lock);
            return g_plans.size();
        };
        const size_t soundsBefore = sounds();
        thread.Result(MON_DOWN, 10060);
        const std::wstring file = TodaysLogFileName(logs.Path(), r, 0, MakeTime(2026, 3, 4, 5, 6, 7));
        auto lines = [&] {
            std::vector<std::string> found;
            const std::string bytes = ReadBytes(file);
            for (size_t at = 0, end; (end = bytes.find("\r\n", at)) != std::string::npos; at = end + 2)
                found.push_back(bytes.substr(at, end - at));
            return found;
        };
        const size_t want = c.log ? (c.why ? 2 : 1) : 0;
        EXPECT_EQ(SettledCount(want, [&] { return lines().size(); }), want) << c.name;
        const std::vector<std::string> got = lines();
        if (c.why && got.size() == 2) {
            // The result's first five fields, then the text and the code: seven in all.
            const std::string fifth = " | Down | Timeout | ";
            ASSERT_NE(got[0].find(fifth), std::string::npos) << got[0];
            const size_t text = got[0].find(fifth) + fifth.size();
            EXPECT_EQ(got[1].substr(0, text), got[0].substr(0, text)) << got[1];
            const std::string rest = got[1].substr(text);
            EXPECT_EQ(rest.rfind("Program not run: ", 0), 0u) << rest;
            EXPECT_NE(rest.find(c.why), std::string::npos) << rest;
            EXPECT_EQ(rest.substr(std::min(rest.find(" | "), rest.size())), " | 170") << rest;
        }
        EXPECT_EQ(SettledCount(soundsBefore + 1, sounds), soundsBefore + 1) << c.name;
        HWND box = nullptr;
        WaitUntil([&] { return (box = FindWindowW(L"#32770", kNotificationCaption)) != nullptr; }, 10000, 50);
        EXPECT_NE(box, nullptr) << c.name;
        if (box) PostMessageW(box, WM_COMMAND, IDOK, 0);
        WaitUntil([] { return FindWindowW(L"#32770", kNotificationCaption) == nullptr; }, 5000, 50);
    }
}

TEST_F(WorkersTest, MessageBoxShowsTheResultsTextOnTopAndHoldsItsRoomUntilClosed) {
    CMonitorRecord r;
    r.Name = L"Web 1";
    r.IPorURLAddress = L"127.0.0.1";
    r.CheckMethod = METHOD_TCP;
    r.Port = 8080;
    r.m_nStatus = MON_CLOSED;
    r.MsgBoxDesc = L"%name is %status";
    const SYSTEMTIME when = MakeTime(2026, 3, 4, 5, 6, 7);
    static CNotificationRoom* boxes = new CNotificationRoom(1, 8);  // a box may give its room back late
    const UINT64 monitor = 1;
    ASSERT_TRUE(StartMessageBox(monitor, r, when, *boxes));
    EXPECT_FALSE(StartMessageBox(monitor, r, when, *boxes));  // its one box is open
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindWindowW(L"#32770", kNotificationCaption)) != nullptr; }, 10000, 50);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST);
    const std::wstring shown = fw::GetWindowTextString(GetDlgItem(box, kMessageBoxText));
    EXPECT_EQ(shown.find(L"Description: Web 1 is Closed\n"), 0u) << shown;
    EXPECT_NE(shown.find(L"\nTime: 05:06:07\n"), std::wstring::npos) << shown;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    WaitUntil([] { return FindWindowW(L"#32770", kNotificationCaption) == nullptr; }, 5000, 50);
    EXPECT_EQ(FindWindowW(L"#32770", kNotificationCaption), nullptr);
    bool roomBack = false;
    for (int i = 0; i < 100 && !(roomBack = static_cast<bool>(CRoom(monitor, *boxes))); ++i) Sleep(20);
    EXPECT_TRUE(roomBack);
}

TEST(MessageBoxText, TheLinesOfEachMethodAndNoneWithoutAText) {
    struct Case {
        int status;
        UINT method;
        const wchar_t* last;  // the text's last line; nullptr: no text
    };
    const Case cases[] = {
        {MON_UP, METHOD_PING, L"\nMethod: Ping\nIP: 192.168.1.20\r\n"},
        {MON_CLOSED, METHOD_TCP, L"\nMethod: TCP\nIP: 192.168.1.20\nPort: 443\r\n"},
        {MON_ADDR_ERROR, METHOD_URL, L"\nMethod: URL\nURL: http://[::1]:8080/x\r\n"},
        {MON_CLOSED, METHOD_PING, nullptr}, {MON_CHECKING, METHOD_TCP, nullptr},
        {MON_DISABLED, METHOD_URL, nullptr}, {MON_UP, 0, nullptr},
    };
    for (const Case& c : cases) {
        CMonitorRecord r;
        r.m_nStatus = c.status;
        r.CheckMethod = c.method;
        r.Name = L"is %status";  // the description's placeholders are expanded name first
        r.IPorURLAddress = c.method == METHOD_URL ? L"http://[::1]:8080/x" : L"192.168.1.20";
        r.Port = 443;
        r.MsgBoxDesc = L"[%name] %ip";
        const std::wstring text = MessageBoxText(r, MakeTime(2026, 12, 5, 9, 30, 0));
        if (!c.last) {
            EXPECT_EQ(text, L"") << c.status << "/" << c.method;
            continue;
        }
        EXPECT_EQ(text.substr(0, text.find(L'\n')), fw::Format(L"Description: [is %s] %%ip", StatusWord(c.status,
                  c.method, StatusWordStyle::Display).c_str())) << text;
        EXPECT_NE(text.find(L"\nDate: 12/05/26\nTime: 09:30:00\nName: is %status"), std::wstring::npos) << text;
        EXPECT_EQ(text.substr(text.size() - wcslen(c.last)), c.last) << text;
    }
}
