#include <gtest/gtest.h>

#include <algorithm>

#include "engine/LogFormat.h"
#include "engine/LogWriter.h"
#include "engine/MessageBoxText.h"
#include "engine/NotificationWorkers.h"
#include "framework/StringUtil.h"
#include "framework/TimeText.h"
#include "model/GlobalSettings.h"
#include "model/MonitorRecord.h"
#include "model/SharedSettings.h"
#include "support/TempFiles.h"
#include "TestTime.h"

namespace {

SYSTEMTIME SampleTime() { return MakeTime(2026, 3, 4, 5, 6, 7); }

TEST(ExecFileParameters, ExactForProgramsInertForBatchFiles) {
    CMonitorRecord r;
    r.Name = L"a&b";
    r.IPorURLAddress = L"127.0.0.1";
    r.CheckMethod = METHOD_TCP;
    r.Port = 80;
    r.m_nStatus = MON_ADDR_ERROR;
    r.ExecFileParam = L"%name %status %port \"%time\"";
    r.ExecFilePath = L"C:\\bin\\recorder.exe";
    EXPECT_EQ(ExecFileParameters(r, SampleTime()), L"a&b IPERROR 80 \"03/04/26 05:06:07\"");
    r.ExecFilePath = L"C:\\bin\\notify.cmd";
    EXPECT_EQ(ExecFileParameters(r, SampleTime()), L"a_b IPERROR 80 \"03/04/26 05:06:07\"");
}

BOOL CALLBACK MatchNotificationBox(HWND hwnd, LPARAM found) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t cls[64] = {};
    GetClassNameW(hwnd, cls, 64);
    if (pid == GetCurrentProcessId() && std::wstring(cls) == L"#32770" &&
        fw::GetWindowTextString(hwnd) == kNotificationCaption) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The notification message box of this process, or none.
HWND FindNotificationBox() {
    HWND found = nullptr;
    EnumWindows(&MatchNotificationBox, reinterpret_cast<LPARAM>(&found));
    return found;
}

TEST(MsgBoxThreadProc, ShowsTheTextUntilClosed) {
    CMonitorRecord r;
    r.Name = L"Web 1";
    r.IPorURLAddress = L"127.0.0.1";
    r.CheckMethod = METHOD_TCP;
    r.Port = 8080;
    r.m_nStatus = MON_CLOSED;
    r.MsgBoxDesc = L"%name is %status";
    ASSERT_TRUE(StartRecordWorker(MsgBoxThreadProc, r));
    HWND box = nullptr;
    for (int i = 0; i < 200 && !box; ++i) {
        Sleep(50);
        box = FindNotificationBox();
    }
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST);
    // The static control holding the message.
    HWND text = GetDlgItem(box, 0xFFFF);
    ASSERT_NE(text, nullptr);
    const std::wstring shown = fw::GetWindowTextString(text);
    EXPECT_EQ(shown.substr(0, shown.find(L'\n')), L"Description: Web 1 is Closed");
    EXPECT_NE(shown.find(L"\nPort: 8080"), std::wstring::npos);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 100 && FindNotificationBox(); ++i) Sleep(50);
    EXPECT_EQ(FindNotificationBox(), nullptr);
}

TEST(LogThreadProc, CreatesDayFolderAndAppendsTheLine) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring logDir = fw::Format(L"%sorv_logs_%lu\\", temp, GetCurrentProcessId());
    CreateDirectoryW(logDir.c_str(), nullptr);
    CSharedSettings& shared = CSharedSettings::Get();
    shared.SetLogDir(logDir);
    shared.RunningOnWine = 0;
    g_nLogFileType = 1;

    CMonitorRecord r;
    r.Name = L"svc";
    r.IPorURLAddress = L"127.0.0.1";
    r.CheckMethod = METHOD_TCP;
    r.Port = 9;
    r.m_nStatus = MON_CLOSED;
    r.m_dwTimeMs = 0;
    r.m_dwError = 10061;
    const SYSTEMTIME before = fw::LocalNow();
    ASSERT_TRUE(StartRecordWorker(LogThreadProc, r));
    const std::wstring file = TodaysLogFileName(logDir, r, 1, before);
    EXPECT_EQ(file, LogDayFolder(logDir, before) + L"127.0.0.1_TCP_9_IPv4.csv");
    std::string content;
    for (int i = 0; i < 200 && content.empty(); ++i) {
        Sleep(25);
        content = ReadBytes(file);
    }
    ASSERT_FALSE(content.empty());
    EXPECT_NE(content.find("\tsvc\tClosed\t0\t"), std::string::npos) << content;
    EXPECT_EQ(content.substr(content.size() - 8), "\t10061\r\n");
    EXPECT_EQ(std::count(content.begin(), content.end(), '\n'), 1);

    DeleteFileW(file.c_str());
    RemoveDirectoryW(LogDayFolder(logDir, before).c_str());
    RemoveDirectoryW(logDir.c_str());
    g_nLogFileType = 0;
}

TEST(Workers, NullRecordEndsAtOnce) {
    EXPECT_EQ(MsgBoxThreadProc(nullptr), 0u);
    EXPECT_EQ(ExecFileThreadProc(nullptr), 0u);
    EXPECT_EQ(LogThreadProc(nullptr), 0u);
}

}  // namespace
