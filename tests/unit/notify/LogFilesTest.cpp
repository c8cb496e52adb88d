// Log files: where a monitor's lines go, what a line holds, and how it is appended.
// (Two processes appending to one file: tests/e2e/test_notify_log_concurrency.sh.)
#include <gtest/gtest.h>

#include <tuple>

#include "engine/LogFormat.h"
#include "engine/LogWriter.h"
#include "framework/Handle.h"
#include "framework/StringUtil.h"
#include "model/MonitorRecord.h"
#include "support/TempFiles.h"
#include "TestTime.h"

namespace {
SYSTEMTIME SampleTime() { return MakeTime(2026, 12, 5, 23, 4, 59); }
}  // namespace

TEST(LogFileName, ByDayMethodVersionAndType) {
    SYSTEMTIME january = SampleTime();
    january.wMonth = 1;
    EXPECT_EQ(LogDayFolder(L"D:\\x\\", january), L"D:\\x\\1-5-2026\\");
    struct Case {
        UINT method, ipv;
        const wchar_t* address;
        const wchar_t* urlHost;
        UINT port, urlPort;
        int logFileType;
        const wchar_t* name;
    };
    const Case cases[] = {
        {METHOD_PING, 0, L"10.0.0.1", L"", 80, 80, 0, L"10.0.0.1_Ping_IPv4.txt"},
        {METHOD_PING, 1, L"fe80::1%12", L"", 80, 80, 0, L"fe80--1s12_Ping_IPv6.txt"},
        {METHOD_TCP, 0, L"router.lan", L"", 8080, 80, 0, L"router.lan_TCP_8080_IPv4.txt"},
        {METHOD_URL, 0, L"http://www.x.lan:81/a", L"www.x.lan", 22, 81, 0, L"www.x.lan_URL_81_IPv4.txt"},
        {METHOD_URL, 1, L"http://[::1]/", L"::1", 22, 80, 0, L"--1_URL_80_IPv6.txt"},
        {METHOD_PING, 7, L"a:b", L"", 0, 80, 0, L"a-b_Ping_IPv4.txt"},  // only 1 is IPv6
        {METHOD_TCP, 0, L"h", L"", 1, 80, -3, L"h_TCP_1_IPv4.csv"},     // any type but 0 is tabbed
        // A host whose first label is a device name: a file, not the device.
        {METHOD_PING, 0, L"nul.example", L"", 0, 80, 0, L"_nul.example_Ping_IPv4.txt"},
        {METHOD_TCP, 0, L"CON.invalid", L"", 25, 80, 1, L"_CON.invalid_TCP_25_IPv4.csv"},
        {METHOD_URL, 0, L"http://Com3.lan/", L"Com3.lan", 22, 80, 0, L"_Com3.lan_URL_80_IPv4.txt"},
        {METHOD_PING, 0, L"nul", L"", 0, 80, 0, L"nul_Ping_IPv4.txt"},  // no dot: "nul_Ping_IPv4" is no device
        {METHOD_PING, 0, L"connect.lan", L"", 0, 80, 0, L"connect.lan_Ping_IPv4.txt"},
        {4, 0, L"10.0.0.1", L"", 80, 80, 0, nullptr},
        {0, 1, L"::1", L"", 80, 80, 1, nullptr},
    };
    for (const Case& c : cases) {
        CMonitorRecord r;
        r.CheckMethod = c.method;
        r.IPv = c.ipv;
        r.IPorURLAddress = c.address;
        r.m_strUrlHost = c.urlHost;
        r.Port = c.port;
        r.m_nUrlPort = c.urlPort;
        const std::wstring expected = c.name ? std::wstring(L"C:\\L\\12-5-2026\\") + c.name : L"";
        EXPECT_EQ(TodaysLogFileName(L"C:\\L\\", r, c.logFileType, SampleTime()), expected) << c.address;
    }
}

TEST(LogFileName, HostsCannotLeaveTheDayFolder) {
    const std::tuple<const wchar_t*, UINT, const wchar_t*> cases[] = {
        {L"..\\..\\evil", 0, L"..-..-evil"}, {L"a/b", 0, L"a-b"},          {L"c:x", 0, L"c-x"},
        {L"w*?\"<>|", 0, L"w------"},         {L"tab\there", 0, L"tab-here"}, {L"line\r\n", 0, L"line--"},
        {L"fe80::1%eth0", 1, L"fe80--1seth0"}, {L"a\\b", 1, L"a-b"},        {L"my-host_01.lan", 0, L"my-host_01.lan"},
    };
    for (const auto& c : cases) EXPECT_EQ(LogFileHost(std::get<0>(c), std::get<1>(c)), std::get<2>(c));
}

TEST(LogLine, TheTimeColumnAndBothForms) {
    struct Case {
        int status;
        UINT method;
        DWORD timeMs, error, ipStatus;
        const wchar_t* time;  // nullptr: no line at all
    };
    const Case cases[] = {
        {MON_ERROR, METHOD_TCP, 5, 10022, 0, L"N/A"},        {MON_ADDR_ERROR, METHOD_URL, 5, 12007, 0, L"N/A"},
        {MON_UP, METHOD_TCP, 4294967295u, 0, 0, L"4294967295"}, {MON_CLOSED, METHOD_URL, 40, 0, 0, L"40"},
        {MON_DOWN, METHOD_PING, 9, 0, 11003, L"Unreachable"}, {MON_DOWN, METHOD_PING, 9, 11003, 0, L"Timeout"},
        {MON_DOWN, METHOD_PING, 9, 0, 11010, L"Timeout"},     {MON_DOWN, METHOD_TCP, 9, 10065, 0, L"Unreachable"},
        {MON_DOWN, METHOD_TCP, 9, 10060, 0, L"Timeout"},      {MON_DOWN, METHOD_URL, 9, 12029, 0, L"Failed"},
        {MON_DOWN, METHOD_URL, 9, 12002, 0, L"Timeout"},      {MON_CLOSED, METHOD_PING, 0, 0, 0, nullptr},
        {MON_CHECKING, METHOD_TCP, 0, 0, 0, nullptr},         {MON_DISABLED, METHOD_TCP, 0, 0, 0, nullptr},
    };
    for (const Case& c : cases) {
        LogEntry e;
        e.now = SampleTime();
        e.name = L"Web 1";
        e.status = c.status;
        e.method = c.method;
        e.timeMs = c.timeMs;
        e.error = c.error;
        e.ipStatus = c.ipStatus;
        e.errorText = L"text";
        const std::wstring line = LogLine(e, false);
        std::wstring tabbed = line;
        fw::ReplaceAll(tabbed, L" | ", L"\t");
        EXPECT_EQ(LogLine(e, true), tabbed) << c.status << "/" << c.method;
        if (!c.time) {
            EXPECT_EQ(line, L"") << c.status << "/" << c.method;
            continue;
        }
        EXPECT_EQ(line.substr(0, 30), L"12/05/26 | 23:04:59 | Web 1 | ") << c.status;
        EXPECT_NE(line.find(fw::Format(L" | %s | text | %lu\r\n", c.time, c.error)), std::wstring::npos) << line;
    }
    // Tabs and line breaks in fields never break the line.
    LogEntry e;
    e.now = SampleTime();
    e.status = MON_UP;
    e.method = METHOD_PING;
    e.timeMs = 3;
    e.name = L"two\tcolumns\r\nand lines";
    e.errorText = L"a\tb";
    EXPECT_EQ(LogLine(e, true), L"12/05/26\t23:04:59\ttwo columns  and lines\tUp\t3\ta b\t0\r\n");
}

TEST(LogEntry, WineShowsAPingsIpStatusAsItsErrorCode) {
    struct Case {
        UINT method;
        int status;
        DWORD error, ipStatus;
        bool onWine;
        DWORD loggedError, loggedIpStatus;
    };
    const Case cases[] = {
        {METHOD_PING, MON_DOWN, 0, 11003, true, 11003, 0}, {METHOD_PING, MON_DOWN, 0, 11003, false, 0, 11003},
        {METHOD_PING, MON_UP, 0, 11003, true, 0, 11003},   {METHOD_PING, MON_DOWN, 5, 11003, true, 5, 11003},
        {METHOD_TCP, MON_DOWN, 0, 11003, true, 0, 11003},
    };
    for (const Case& c : cases) {
        CMonitorRecord r;
        r.CheckMethod = c.method;
        r.m_nStatus = c.status;
        r.m_dwError = c.error;
        r.m_dwIpStatus = c.ipStatus;
        const LogEntry entry = MakeLogEntry(r, SampleTime(), c.onWine);
        EXPECT_EQ(entry.error, c.loggedError) << c.method << "/" << c.status << "/" << c.onWine;
        EXPECT_EQ(entry.ipStatus, c.loggedIpStatus) << c.method << "/" << c.status << "/" << c.onWine;
    }
}

TEST(LogErrorText, OneLineOfTheSystemOrWinINetOrNone) {
    ASSERT_NE(LoadLibraryW(L"wininet.dll"), nullptr);  // as the URL checks have it loaded
    LogEntry e;
    for (DWORD code : {0u, 12029u}) {
        e.error = code;
        const std::wstring text = LogErrorText(e, true);
        EXPECT_FALSE(text.empty() || text == std::to_wstring(code)) << code;
        EXPECT_EQ(text.find_first_of(L"\r\n"), std::wstring::npos) << code;
        EXPECT_NE(text.back(), L' ') << code;
    }
    e.error = 11050;
    EXPECT_EQ(LogErrorText(e, true), L"General Failure");
    e.error = 0x7FFFFF01;  // no text anywhere
    EXPECT_EQ(LogErrorText(e, true), L"");
}

TEST(AppendLogLine, AppendsAnsiBytesBesideAReaderAndTellsAHolderFromAMissingFolder) {
    CTempFolder folder;
    const std::wstring file = folder.File(L"a.txt");
    ASSERT_EQ(AppendLogLine(file, L"one | 1\r\n"), LogAppend::Written);
    {
        fw::CFileHandle reader =
            fw::OpenFileHandle(file, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING, 0);
        ASSERT_TRUE(reader.Valid());
        EXPECT_EQ(AppendLogLine(file, L"caf\u00e9 | 2\r\n"), LogAppend::Written);
    }
    {
        // A program that shares no writing (a spreadsheet): told at once, nothing written.
        fw::CFileHandle holder = fw::OpenFileHandle(file, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, 0);
        ASSERT_TRUE(holder.Valid());
        const DWORD start = GetTickCount();
        EXPECT_EQ(AppendLogLine(file, L"three | 3\r\n"), LogAppend::Held);
        EXPECT_LT(GetTickCount() - start, 500u);
    }
    EXPECT_EQ(ReadBytes(file), fw::ToNarrow(L"one | 1\r\ncaf\u00e9 | 2\r\n", CP_THREAD_ACP));
    EXPECT_EQ(AppendLogLine(folder.File(L"no\\such\\x.txt"), L"x\r\n"), LogAppend::Failed);
}
