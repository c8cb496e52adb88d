#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <process.h>
#include <sstream>
#include <string>
#include <vector>

#include "engine/LogFormat.h"
#include "engine/LogWriter.h"
#include "framework/StringUtil.h"
#include "framework/TimeText.h"
#include "model/MonitorRecord.h"
#include "support/TempFiles.h"
#include "TestTime.h"

namespace {

SYSTEMTIME SampleTime() { return MakeTime(2026, 12, 5, 23, 4, 59); }

TEST(LogDayFolder, MonthDayYearWithoutLeadingZeros) {
    EXPECT_EQ(LogDayFolder(L"C:\\Logs\\", SampleTime()), L"C:\\Logs\\12-5-2026\\");
    SYSTEMTIME january = SampleTime();
    january.wMonth = 1;
    january.wDay = 31;
    EXPECT_EQ(LogDayFolder(L"D:\\x\\", january), L"D:\\x\\1-31-2026\\");
}

struct NameCase {
    const char* label;
    UINT method;
    UINT ipv;
    const wchar_t* address;
    const wchar_t* urlHost;
    UINT port;
    UINT urlPort;
    int logFileType;
    const wchar_t* name;
};

TEST(LogFileName, ByMethodVersionAndType) {
    const NameCase cases[] = {
        {"ping v4", METHOD_PING, 0, L"10.0.0.1", L"", 80, 80, 0, L"D\\10.0.0.1_Ping_IPv4.txt"},
        {"ping v6 zone", METHOD_PING, 1, L"fe80::1%12", L"", 80, 80, 0, L"D\\fe80--1s12_Ping_IPv6.txt"},
        {"tcp v4", METHOD_TCP, 0, L"router.lan", L"", 8080, 80, 0, L"D\\router.lan_TCP_8080_IPv4.txt"},
        {"tcp v6", METHOD_TCP, 1, L"::1", L"", 22, 80, 0, L"D\\--1_TCP_22_IPv6.txt"},
        {"url v4 takes url host and port", METHOD_URL, 0, L"http://www.x.lan:81/a", L"www.x.lan", 22, 81, 0,
         L"D\\www.x.lan_URL_81_IPv4.txt"},
        {"url v6", METHOD_URL, 1, L"http://[::1]/", L"::1", 22, 80, 0, L"D\\--1_URL_80_IPv6.txt"},
        {"ip version other than 1 is v4", METHOD_PING, 7, L"a:b", L"", 0, 80, 0, L"D\\a-b_Ping_IPv4.txt"},
        {"csv ping v6", METHOD_PING, 1, L"::1", L"", 0, 80, 1, L"D\\--1_Ping_IPv6.csv"},
        {"csv tcp v4", METHOD_TCP, 0, L"h", L"", 1, 80, -3, L"D\\h_TCP_1_IPv4.csv"},
        {"csv url v4", METHOD_URL, 0, L"http://h/", L"h", 1, 80, 2, L"D\\h_URL_80_IPv4.csv"},
        {"unknown method", 4, 0, L"10.0.0.1", L"", 80, 80, 0, L""},
        {"no method", 0, 1, L"::1", L"", 80, 80, 1, L""},
    };
    for (const auto& c : cases) {
        CMonitorRecord r;
        r.CheckMethod = c.method;
        r.IPv = c.ipv;
        r.IPorURLAddress = c.address;
        r.m_strUrlHost = c.urlHost;
        r.Port = c.port;
        r.m_nUrlPort = c.urlPort;
        EXPECT_EQ(LogFileName(L"D\\", r, c.logFileType), c.name) << c.label;
    }
}

TEST(LogFileName, HostsCannotLeaveTheDayFolder) {
    struct HostCase {
        const wchar_t* host;
        UINT ipv;
        const wchar_t* inName;
    };
    const HostCase cases[] = {
        {L"..\\..\\evil", 0, L"..-..-evil"},  {L"a/b", 0, L"a-b"},        {L"c:x", 0, L"c-x"},
        {L"w*?\"<>|", 0, L"w------"},          {L"tab\there", 0, L"tab-here"}, {L"line\r\n", 0, L"line--"},
        {L"fe80::1%eth0", 1, L"fe80--1seth0"}, {L"a\\b", 1, L"a-b"},        {L"my-host_01.lan", 0, L"my-host_01.lan"},
    };
    for (const auto& c : cases) EXPECT_EQ(LogFileHost(c.host, c.ipv), c.inName);
}

TEST(TodaysLogFileName, JoinsDayFolderAndName) {
    CMonitorRecord r;
    r.CheckMethod = METHOD_TCP;
    r.IPorURLAddress = L"127.0.0.1";
    r.Port = 80;
    EXPECT_EQ(TodaysLogFileName(L"C:\\L\\", r, 0, SampleTime()), L"C:\\L\\12-5-2026\\127.0.0.1_TCP_80_IPv4.txt");
}

LogEntry Entry(int status, UINT method, DWORD timeMs, DWORD error, DWORD ipStatus) {
    LogEntry e;
    e.now = SampleTime();
    e.name = L"Web 1";
    e.status = status;
    e.method = method;
    e.timeMs = timeMs;
    e.error = error;
    e.ipStatus = ipStatus;
    e.errorText = L"text";
    return e;
}

struct LineCase {
    int status;
    UINT method;
    DWORD timeMs;
    DWORD error;
    DWORD ipStatus;
    const wchar_t* line;  // text form; the tab form has tabs for " | "
};

TEST(LogLine, TextAndTabSeparatedForms) {
    const LineCase cases[] = {
        {MON_ERROR, METHOD_TCP, 5, 10022, 0, L"12/05/26 | 23:04:59 | Web 1 | ERROR | N/A | text | 10022\r\n"},
        {MON_ERROR, 0, 5, 1, 0, L"12/05/26 | 23:04:59 | Web 1 | ERROR | N/A | text | 1\r\n"},
        {MON_ADDR_ERROR, METHOD_URL, 5, 12007, 0, L"12/05/26 | 23:04:59 | Web 1 | URL ERROR | N/A | text | 12007\r\n"},
        {MON_ADDR_ERROR, METHOD_PING, 5, 11001, 0, L"12/05/26 | 23:04:59 | Web 1 | IP ERROR | N/A | text | 11001\r\n"},
        {MON_ADDR_ERROR, METHOD_TCP, 5, 11001, 0, L"12/05/26 | 23:04:59 | Web 1 | IP ERROR | N/A | text | 11001\r\n"},
        {MON_UP, METHOD_PING, 0, 0, 0, L"12/05/26 | 23:04:59 | Web 1 | Up | 0 | text | 0\r\n"},
        {MON_UP, METHOD_URL, 123, 0, 0, L"12/05/26 | 23:04:59 | Web 1 | Up | 123 | text | 0\r\n"},
        {MON_UP, METHOD_TCP, 4294967295u, 0, 0, L"12/05/26 | 23:04:59 | Web 1 | Open | 4294967295 | text | 0\r\n"},
        {MON_CLOSED, METHOD_TCP, 1, 10061, 0, L"12/05/26 | 23:04:59 | Web 1 | Closed | 1 | text | 10061\r\n"},
        {MON_CLOSED, METHOD_URL, 40, 0, 0, L"12/05/26 | 23:04:59 | Web 1 | S.n.F. | 40 | text | 0\r\n"},
        {MON_DOWN, METHOD_PING, 9, 0, 11003, L"12/05/26 | 23:04:59 | Web 1 | Down | Unreachable | text | 0\r\n"},
        {MON_DOWN, METHOD_PING, 9, 11003, 0, L"12/05/26 | 23:04:59 | Web 1 | Down | Timeout | text | 11003\r\n"},
        {MON_DOWN, METHOD_PING, 9, 0, 11010, L"12/05/26 | 23:04:59 | Web 1 | Down | Timeout | text | 0\r\n"},
        {MON_DOWN, METHOD_TCP, 9, 10065, 0, L"12/05/26 | 23:04:59 | Web 1 | Down | Unreachable | text | 10065\r\n"},
        {MON_DOWN, METHOD_TCP, 9, 10060, 0, L"12/05/26 | 23:04:59 | Web 1 | Down | Timeout | text | 10060\r\n"},
        {MON_DOWN, METHOD_URL, 9, 12029, 0, L"12/05/26 | 23:04:59 | Web 1 | Down | Failed | text | 12029\r\n"},
        {MON_DOWN, METHOD_URL, 9, 12002, 0, L"12/05/26 | 23:04:59 | Web 1 | Down | Timeout | text | 12002\r\n"},
    };
    for (const auto& c : cases) {
        LogEntry e = Entry(c.status, c.method, c.timeMs, c.error, c.ipStatus);
        EXPECT_EQ(LogLine(e, false), c.line) << c.status << "/" << c.method;
        std::wstring tabbed = c.line;
        fw::ReplaceAll(tabbed, L" | ", L"\t");
        EXPECT_EQ(LogLine(e, true), tabbed) << c.status << "/" << c.method;
    }
}

TEST(LogLine, PairsWithoutLineWriteNothing) {
    for (int status : std::initializer_list<int>{0, 3, MON_CHECKING, 8, MON_DISABLED}) {
        EXPECT_EQ(LogLine(Entry(status, METHOD_TCP, 0, 0, 0), false), L"") << status;
        EXPECT_EQ(LogLine(Entry(status, METHOD_TCP, 0, 0, 0), true), L"") << status;
    }
    EXPECT_EQ(LogLine(Entry(MON_CLOSED, METHOD_PING, 0, 0, 0), false), L"");
}

TEST(LogLine, FieldsNeverBreakTheLine) {
    LogEntry e = Entry(MON_UP, METHOD_PING, 3, 0, 0);
    e.name = L"two\tcolumns\r\nand lines";
    e.errorText = L"a\tb";
    EXPECT_EQ(LogLine(e, true), L"12/05/26\t23:04:59\ttwo columns  and lines\tUp\t3\ta b\t0\r\n");
}

TEST(LogEntry, WineShowsPingIpStatusAsErrorCode) {
    CMonitorRecord r;
    r.Name = L"gw";
    r.CheckMethod = METHOD_PING;
    r.m_nStatus = MON_DOWN;
    r.m_dwTimeMs = 3000;
    r.m_dwError = 0;
    r.m_dwIpStatus = 11003;
    LogEntry onWine = MakeLogEntry(r, SampleTime(), true);
    EXPECT_EQ(onWine.error, 11003u);
    EXPECT_EQ(onWine.ipStatus, 0u);
    EXPECT_EQ(LogLine(onWine, false).substr(0, 37), L"12/05/26 | 23:04:59 | gw | Down | Tim");
    EXPECT_NE(LogLine(onWine, false).find(L" | 11003\r\n"), std::wstring::npos);

    LogEntry elsewhere = MakeLogEntry(r, SampleTime(), false);
    EXPECT_EQ(elsewhere.error, 0u);
    EXPECT_EQ(elsewhere.ipStatus, 11003u);
    EXPECT_NE(LogLine(elsewhere, false).find(L"| Down | Unreachable |"), std::wstring::npos);

    // Only Ping results other than Up with no error of their own.
    r.m_nStatus = MON_UP;
    EXPECT_EQ(MakeLogEntry(r, SampleTime(), true).error, 0u);
    r.m_nStatus = MON_DOWN;
    r.m_dwError = 5;
    EXPECT_EQ(MakeLogEntry(r, SampleTime(), true).error, 5u);
    r.m_dwError = 0;
    r.CheckMethod = METHOD_TCP;
    EXPECT_EQ(MakeLogEntry(r, SampleTime(), true).error, 0u);
}

bool HasLineBreak(const std::wstring& text) { return text.find_first_of(L"\r\n") != std::wstring::npos; }

TEST(LogErrorText, SystemWinInetAndFixedTexts) {
    LogEntry e = Entry(MON_UP, METHOD_PING, 0, 0, 0);
    const std::wstring success = LogErrorText(e, true);
    EXPECT_FALSE(success.empty());
    EXPECT_FALSE(HasLineBreak(success));
    e.error = 11050;
    EXPECT_EQ(LogErrorText(e, true), L"General Failure");
    // The URL checks have WinINet loaded in the program.
    ASSERT_NE(LoadLibraryW(L"wininet.dll"), nullptr);
    e.error = 12029;
    const std::wstring wininet = LogErrorText(e, true);
    EXPECT_FALSE(wininet.empty());
    EXPECT_NE(wininet, L"12029");
    EXPECT_FALSE(HasLineBreak(wininet));
    e.error = 0x7FFFFF01;  // no text anywhere
    EXPECT_EQ(LogErrorText(e, true), L"");
}

TEST(AppendLogLine, AppendsAnsiBytesWithoutHeader) {
    CTempFolder folder;
    const std::wstring file = folder.Path() + L"a.txt";
    ASSERT_TRUE(AppendLogLine(file, L"one | 1\r\n"));
    ASSERT_TRUE(AppendLogLine(file, L"caf\u00e9 | 2\r\n"));
    EXPECT_EQ(ReadBytes(file), fw::ToNarrow(L"one | 1\r\ncaf\u00e9 | 2\r\n", CP_THREAD_ACP));
}

TEST(AppendLogLine, MissingFolderDropsTheLine) {
    CTempFolder folder;
    EXPECT_FALSE(AppendLogLine(folder.Path() + L"no\\such\\x.txt", L"x\r\n"));
}

TEST(AppendLogLine, WritesWhileAReaderHasTheFileOpen) {
    CTempFolder folder;
    const std::wstring file = folder.Path() + L"r.txt";
    ASSERT_TRUE(AppendLogLine(file, L"first\r\n"));
    HANDLE reader = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(AppendLogLine(file, L"second\r\n"));
    CloseHandle(reader);
    EXPECT_EQ(ReadBytes(file), "first\r\nsecond\r\n");
}

struct WriterJob {
    std::wstring file;
    std::wstring tag;
    int lines;
};

unsigned __stdcall WriteLines(void* param) {
    const auto* job = static_cast<const WriterJob*>(param);
    for (int i = 0; i < job->lines; ++i)
        AppendLogLine(job->file,
                      fw::Format(L"%s line %04d | %s\r\n", job->tag.c_str(), i, std::wstring(60, L'x').c_str()));
    return 0;
}

constexpr int kWritersPerProcess = 8, kLinesPerWriter = 150;

// Runs kWritersPerProcess threads, each appending kLinesPerWriter lines tagged
// "<prefix><writer>" (three characters).
void RunWriters(const std::wstring& file, wchar_t prefix) {
    std::vector<WriterJob> jobs;
    for (int w = 0; w < kWritersPerProcess; ++w) jobs.push_back({file, fw::Format(L"%c%02d", prefix, w), kLinesPerWriter});
    std::vector<HANDLE> threads;
    for (auto& job : jobs)
        threads.push_back(reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &WriteLines, &job, 0, nullptr)));
    WaitForMultipleObjects(static_cast<DWORD>(threads.size()), threads.data(), TRUE, 120000);
    for (HANDLE h : threads) CloseHandle(h);
}

// Every line whole, every writer's lines all there and in order; returns the count.
int CheckWriterLines(const std::string& content, const std::string& prefixes) {
    std::istringstream in(content);
    std::string line;
    std::map<std::string, int> next;
    int count = 0;
    while (std::getline(in, line)) {
        char tag[4] = {};
        int index = -1;
        EXPECT_EQ(line.size(), 16u + 60u + 1u) << line;  // getline keeps the \r
        EXPECT_EQ(sscanf(line.c_str(), "%3s line %4d |", tag, &index), 2) << line;
        EXPECT_NE(prefixes.find(tag[0]), std::string::npos) << line;
        EXPECT_EQ(index, next[tag]) << line;
        next[tag] = index + 1;
        ++count;
    }
    for (const auto& writer : next) EXPECT_EQ(writer.second, kLinesPerWriter) << writer.first;
    return count;
}

TEST(AppendLogLine, ManyThreadsLoseAndTearNoLine) {
    CTempFolder folder;
    const std::wstring file = folder.Path() + L"many.txt";
    RunWriters(file, L'a');
    EXPECT_EQ(CheckWriterLines(ReadBytes(file), "a"), kWritersPerProcess * kLinesPerWriter);
}

// The other process of TwoProcessesLoseAndTearNoLine; skipped when run on its own.
TEST(AppendLogLineChild, WritesForParent) {
    wchar_t file[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"ORVALEN_LOG_CHILD_FILE", file, MAX_PATH)) GTEST_SKIP();
    RunWriters(file, L'c');
}

TEST(AppendLogLine, TwoProcessesLoseAndTearNoLine) {
    CTempFolder folder;
    const std::wstring file = folder.Path() + L"shared.txt";
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine = fw::Format(L"\"%s\" --gtest_filter=AppendLogLineChild.*", self);
    SetEnvironmentVariableW(L"ORVALEN_LOG_CHILD_FILE", file.c_str());
    STARTUPINFOW si = {sizeof(si)};
    PROCESS_INFORMATION pi = {};
    const BOOL started =
        CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
    SetEnvironmentVariableW(L"ORVALEN_LOG_CHILD_FILE", nullptr);
    ASSERT_TRUE(started);
    RunWriters(file, L'p');
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 120000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    if (code == STILL_ACTIVE) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(CheckWriterLines(ReadBytes(file), "pc"), 2 * kWritersPerProcess * kLinesPerWriter);
}

}  // namespace
