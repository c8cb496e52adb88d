#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <vector>

#include "engine/NotificationWorkers.h"
#include "engine/Placeholders.h"
#include "framework/StringUtil.h"
#include "framework/TimeText.h"
#include "model/MonitorRecord.h"
#include "model/UrlParser.h"
#include "support/TempFiles.h"
#include "TestTime.h"

namespace {

SYSTEMTIME SampleTime() { return MakeTime(2026, 5, 12, 14, 3, 7); }

PlaceholderSubject Ping(int status) {
    PlaceholderSubject s;
    s.name = L"Main Router";
    s.address = L"10.0.0.1";
    s.method = METHOD_PING;
    s.port = 80;
    s.status = status;
    return s;
}

PlaceholderSubject Tcp(int status) {
    PlaceholderSubject s = Ping(status);
    s.name = L"Web 1";
    s.method = METHOD_TCP;
    s.port = 8080;
    return s;
}

PlaceholderSubject Url(int status) {
    PlaceholderSubject s;
    s.name = L"My Site";
    s.address = L"http://www.example.lan:8081/status";
    s.urlHost = L"www.example.lan";
    s.urlPort = 8081;
    s.method = METHOD_URL;
    s.status = status;
    return s;
}

const wchar_t kAll[] = L"%ip|%status|%method|%port|%name|%text|%time|%url";

struct ExpandCase {
    const char* label;
    PlaceholderUse use;
    PlaceholderSubject subject;
    const wchar_t* text;
    const wchar_t* expected;
};

TEST(ExpandPlaceholders, ValuesAndWordsPerUse) {
    PlaceholderSubject urlDefaultPort = Url(MON_UP);
    urlDefaultPort.address = L"http://www.example.lan/";
    urlDefaultPort.urlPort = 80;
    PlaceholderSubject otherMethod = Ping(MON_UP);
    otherMethod.method = 4;
    // A blank, a tab or a quote in a name would split or join the arguments of any program.
    PlaceholderSubject splitting = Ping(MON_UP);
    splitting.name = L"a\tb \"c d\"";

    const ExpandCase cases[] = {
        {"command, ping", PlaceholderUse::Command, Ping(MON_ADDR_ERROR), kAll,
         L"10.0.0.1|IPERROR|Ping|N/A|Main-Router|Main-Router|%time|N/A"},
        {"command, tcp", PlaceholderUse::Command, Tcp(MON_UP), kAll, L"10.0.0.1|Open|TCP|8080|Web-1|Web-1|%time|N/A"},
        {"command, url", PlaceholderUse::Command, Url(MON_ADDR_ERROR), kAll,
         L"www.example.lan|URLERROR|URL|8081|My-Site|My-Site|%time|http://www.example.lan:8081/status"},
        {"exec file, url", PlaceholderUse::ExecFile, Url(MON_CLOSED), kAll,
         L"www.example.lan|S.n.F.|URL|8081|My-Site|My-Site|05/12/26-14:03:07|http://www.example.lan:8081/status"},
        {"exec file, ping closed has no word", PlaceholderUse::ExecFile, Ping(MON_CLOSED), L"[%status]", L"[]"},
        {"exec file, url without port", PlaceholderUse::ExecFile, urlDefaultPort, L"%port", L"80"},
        {"exec file, unknown method", PlaceholderUse::ExecFile, otherMethod, L"%method|%port|%status|%url",
         L"|||N/A"},
        {"exec file test", PlaceholderUse::ExecFileTest, Tcp(MON_DOWN), kAll,
         L"10.0.0.1|STATUS|TCP|8080|Web-1|Web-1|05/12/26-14:03:07|N/A"},
        {"message box", PlaceholderUse::MsgBoxDesc, Tcp(MON_CLOSED), L"%name is %status", L"Web 1 is Closed"},
        {"message box, address error", PlaceholderUse::MsgBoxDesc, Url(MON_ADDR_ERROR), L"%status of %name",
         L"URL ERROR of My Site"},
        {"message box leaves others", PlaceholderUse::MsgBoxDesc, Ping(MON_ADDR_ERROR), L"%ip %text %status",
         L"%ip %text IP ERROR"},
        {"message box test", PlaceholderUse::MsgBoxDescTest, Ping(MON_UP), L"%name %name %status",
         L"Main Router Main Router STATUS"},
        {"spoken text", PlaceholderUse::SpokenText, Ping(MON_UP), L"%name is %status (%text)",
         L"Main Router is %status (Main Router)"},
        {"case-sensitive", PlaceholderUse::ExecFile, Ping(MON_UP), L"%IP %Name %status", L"%IP %Name Up"},
        {"command, name one argument", PlaceholderUse::Command, splitting, L"%name|%text", L"a-b-_c-d_|a-b-_c-d_"},
        {"exec file, name one argument", PlaceholderUse::ExecFile, splitting, L"%text", L"a-b-_c-d_"},
        {"message box, name as it is", PlaceholderUse::MsgBoxDesc, splitting, L"%name", L"a\tb \"c d\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExpandPlaceholders(c.text, c.use, c.subject, SampleTime()), c.expected) << c.label;
}

TEST(ExpandPlaceholders, InsertedTextIsScannedByLaterPlaceholders) {
    PlaceholderSubject url = Url(MON_UP);
    url.name = L"see %url";
    PlaceholderSubject ping = Ping(MON_UP);
    ping.name = L"see %url";
    // "%url" comes after "%name" in every parameter order.
    EXPECT_EQ(ExpandPlaceholders(L"%name", PlaceholderUse::ExecFile, url, SampleTime()),
              L"see-http://www.example.lan:8081/status");
    EXPECT_EQ(ExpandPlaceholders(L"%name", PlaceholderUse::Command, ping, SampleTime()), L"see-N/A");
    // In the execute-file order "%text" comes before "%name"; in commands after it.
    PlaceholderSubject tricky = Ping(MON_UP);
    tricky.name = L"a %text";
    EXPECT_EQ(ExpandPlaceholders(L"%name", PlaceholderUse::ExecFile, tricky, SampleTime()), L"a-%text");
    EXPECT_EQ(ExpandPlaceholders(L"%name", PlaceholderUse::Command, tricky, SampleTime()), L"a-a-%text");
    // The Test order has "%name" before "%text", as commands do.
    EXPECT_EQ(ExpandPlaceholders(L"%name", PlaceholderUse::ExecFileTest, tricky, SampleTime()), L"a-a-%text");
    // A value that holds a later placeholder is expanded again (its blanks are "-").
    PlaceholderSubject named = Tcp(MON_UP);
    named.address = L"%method on %port";
    EXPECT_EQ(ExpandPlaceholders(L"%ip", PlaceholderUse::ExecFile, named, SampleTime()), L"TCP-on-8080");
    named.address = L"%ip";
    EXPECT_EQ(ExpandPlaceholders(L"%ip", PlaceholderUse::ExecFile, named, SampleTime()), L"%ip");
}

TEST(ExpandPlaceholders, CommandsOfARecord) {
    CMonitorRecord r;
    r.Name = L"Web 1";
    r.IPorURLAddress = L"::1";
    r.CheckMethod = METHOD_TCP;
    r.Port = 443;
    r.m_nStatus = MON_CLOSED;
    EXPECT_EQ(ExpandPlaceholders(L"%ip:%port %status %name %method %url", r), L"::1:443 Closed Web-1 TCP N/A");
}

// The arguments after the program's own that a C runtime makes of `parameters`.
std::vector<std::wstring> ArgumentsOf(const std::wstring& parameters) {
    int count = 0;
    std::unique_ptr<LPWSTR, decltype(&LocalFree)> argv(CommandLineToArgvW((L"prog " + parameters).c_str(), &count),
                                                        &LocalFree);
    if (!argv) return {L"(not parsed)"};
    return std::vector<std::wstring>(argv.get() + 1, argv.get() + count);
}

PlaceholderSubject Named(const wchar_t* name) {
    PlaceholderSubject s = Ping(MON_UP);
    s.name = name;
    return s;
}

// A URL monitor as the main file's loader makes it: host and port from the one parser.
PlaceholderSubject UrlMonitor(const wchar_t* address, const wchar_t* name = L"w") {
    PlaceholderSubject s = Url(MON_UP);
    s.name = name;
    s.address = address;
    SplitUrlAddress(s.address, 0, s.urlHost, s.urlPort);
    return s;
}

const wchar_t kLaunch[] = L"--title \"%name\" --url %url --ip %ip --config \"C:\\a.ini\"";

// Every inserted value stays inside its argument, for any program: the expanded line is
// parsed by the system's own C runtime rule, as a program reads its wide command line
// and, in the code page, its 8-bit one (fullwidth quotes and backslashes and the
// ideographic space are a quote, a backslash and a blank there).
TEST(ExpandPlaceholders, EachValueStaysInsideItsArgument) {
    using Args = std::vector<std::wstring>;
    PlaceholderSubject noWord = Named(L"x");
    noWord.status = MON_CLOSED;  // a Ping monitor's status 7 has no word
    PlaceholderSubject otherMethod = Named(L"x");
    otherMethod.method = 4;
    const struct {
        const char* label;
        PlaceholderSubject subject;
        const wchar_t* text;
        Args args;
        bool inert = false;
        PlaceholderUse use = PlaceholderUse::Command;
    } cases[] = {
        {"backslash before the closing quote", Named(L"x\\"), kLaunch,
         {L"--title", L"x\\", L"--url", L"N/A", L"--ip", L"10.0.0.1", L"--config", L"C:\\a.ini"}},
        {"two backslashes", Named(L"x\\\\"), L"\"%name\" y", {L"x\\\\", L"y"}},
        {"backslash, bare", Named(L"x\\"), L"--config %name", {L"--config", L"x\\"}},
        {"backslash, then the template's escaped quote", Named(L"x\\"), L"\"%name\\\" y\"", {L"x\\\" y"}},
        {"backslash, then an opening quote", Named(L"x\\"), L"%name\"b c\"", {L"x\\b c"}},
        {"quote", Named(L"a\"b"), L"%name \"%name\"", {L"a_b", L"a_b"}},
        {"blank and tab", Named(L"a b\tc"), L"%name", {L"a-b-c"}},
        {"escaped quote and options", Named(L"\\\" --evil \\\""), kLaunch,
         {L"--title", L"\\_---evil-\\_", L"--url", L"N/A", L"--ip", L"10.0.0.1", L"--config", L"C:\\a.ini"}},
        {"line breaks and controls", Named(L"a\r\nb\x01\x7F\x85"), L"%name", {L"a__b___"}},
        {"URL with blanks, as loaded", UrlMonitor(L"http://127.0.0.1:9/a --output C:\\x.exe"), kLaunch,
         {L"--title", L"w", L"--url", L"http://127.0.0.1:9/a---output-C:\\x.exe", L"--ip", L"", L"--config",
          L"C:\\a.ini"}},
        {"URL with a line break", UrlMonitor(L"http://h/a\r\n--x"), L"%url %ip", {L"http://h/a__--x", L""}},
        {"name holding %url", UrlMonitor(L"http://h/a b", L"see %url\\"), L"\"%name\"", {L"see-http://h/a-b\\"}},
        {"backslash brought before the quote by an empty %url", UrlMonitor(L"", L"x\\%url"), L"\"%name\" y",
         {L"x\\", L"y"}},
        {"template's backslash brought before the quote", noWord, L"\"C:\\dir\\%status\"", {L"C:\\dir\\"}},
        {"empty values keep their argument", otherMethod, L"a %method%port b %status", {L"a", L"", L"b", L""}},
        {"empty value inside quotes", otherMethod, L"\"a %method b\"", {L"a  b"}},
        {"8-bit forms", Named(L"a\xFF02 --x\x3000" L"b\xFF3C"), L"\"%name\" y", {L"a_---x-b\xFF3C\xFF3C", L"y"}},
        {"batch program", Named(L"y & x\\"), L"\"%name\" %time", {L"y-_-x\\", L"05/12/26-14:03:07"}, true,
         PlaceholderUse::ExecFile},
        {"execute-file Test", Named(L"\"x\\"), L"\"%name\" %time", {L"_x\\", L"05/12/26-14:03:07"}, false,
         PlaceholderUse::ExecFileTest},
    };
    for (const auto& c : cases) {
        const std::wstring line = ExpandPlaceholders(c.text, c.use, c.subject, SampleTime(), c.inert);
        EXPECT_EQ(ArgumentsOf(line), c.args) << c.label << ": " << fw::ToNarrow(line, CP_UTF8);
        EXPECT_EQ(ArgumentsOf(fw::ToWide(fw::ToNarrow(line))).size(), c.args.size()) << c.label << ", 8-bit";
    }
}

TEST(BatchFiles, ByExtensionOrAsTheShellCompletesAName) {
    const std::pair<const wchar_t*, bool> named[] = {
        {L"C:\\tools\\notify.bat", true}, {L"C:\\tools\\NOTIFY.CMD", true}, {L"notify.Bat. ", true},
        {L"\" C:\\tools\\notify.cmd\" ", true}, {L"C:\\tools\\notify.exe", false}, {L"C:\\bat\\notify", false},
        {L"C:\\my.bat\\notify", false}, {L"", false}};
    for (const auto& c : named) EXPECT_EQ(IsBatchFile(c.first), c.second) << c.first;
    CTempFolder folder;
    const std::wstring base = folder.File(L"notify");
    EXPECT_FALSE(IsBatchFile(base));
    ASSERT_TRUE(WriteBytes(base + L".cmd", "@echo %*\r\n"));
    EXPECT_TRUE(IsBatchFile(L"\"" + base + L"\""));
    ASSERT_TRUE(WriteBytes(base + L".exe", "MZ"));  // a program of that name comes first
    EXPECT_FALSE(IsBatchFile(base));
    EXPECT_FALSE(IsBatchFile(folder.Path()));
}

// Values inserted into a batch program's parameters carry no command characters; the
// template's own characters stay.
TEST(BatchFiles, InsertedValuesAreMadeInert) {
    PlaceholderSubject evil = Url(MON_UP);
    evil.name = L"x\" & calc & \"";
    evil.address = L"http://h/a?b=1&c=%PATH%|more<in>out^!";
    EXPECT_EQ(ExpandPlaceholders(L"\"%name\" %url %time", PlaceholderUse::ExecFile, evil, SampleTime(), true),
              L"\"x_-_-calc-_-_\" http://h/a?b=1_c=_PATH__more_in_out_! 05/12/26-14:03:07");
    EXPECT_EQ(ExpandPlaceholders(L"a & b > %name", PlaceholderUse::ExecFile, Ping(MON_UP), SampleTime(), true),
              L"a & b > Main-Router");
    // A monitor's execute-file parameters: exact for programs, inert for batch files.
    CMonitorRecord r;
    r.Name = L"a&b";
    r.ExecFileParam = L"%name";
    r.ExecFilePath = L"C:\\bin\\recorder.exe";
    EXPECT_EQ(ExecFileParameters(r, SampleTime()), L"a&b");
    r.ExecFilePath = L"C:\\bin\\notify.cmd";
    EXPECT_EQ(ExecFileParameters(r, SampleTime()), L"a_b");
}

// What the command interpreter acts on becomes "_": & | < > ^ " and line breaks, and
// every "%" that could open a %...% expansion (cmd expands them before it looks for &,
// and %CMDCMDLINE:~n,1% picks any character of its own command line). The numeric zone
// of an IPv6 literal stays, as does "!" (no delayed expansion in these lines).
TEST(BatchFiles, InertRule) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"a&b", L"a_b"},
        {L"a|b", L"a_b"},
        {L"a<b", L"a_b"},
        {L"a>b", L"a_b"},
        {L"a^b", L"a_b"},
        {L"a\"b", L"a_b"},
        {L"a\r\nb", L"a__b"},
        {L"127.0.0.1%CMDCMDLINE:~-8,1%calc", L"127.0.0.1_CMDCMDLINE:~-8,1_calc"},
        {L"%%", L"__"},
        {L"%PATH%", L"_PATH_"},
        {L"%", L"_"},
        {L"%ip", L"_ip"},
        {L"Done! 50%", L"Done! 50_"},
        {L"fe80::1%4", L"fe80::1%4"},
        {L"http://[fe80::1%4]:8080/x%20y", L"http://[fe80::1%4]:8080/x_20y"},
        {L"::ffff:10.0.0.1%12", L"::ffff:10.0.0.1%12"},
        {L"fe80::1%eth0", L"fe80::1_eth0"},
        {L"fe80::1%4a", L"fe80::1_4a"},
        {L"fe80::1%4%PATH%", L"fe80::1_4_PATH_"},
        {L"10.0.0.1%4", L"10.0.0.1_4"},
        {L"x%4", L"x_4"},
        {L"it's (a) test; =,!", L"it's (a) test; =,!"},
        {L"", L""},
    };
    for (const auto& c : cases) EXPECT_EQ(MakeInertForBatch(c.first), c.second) << c.first;
}

}  // namespace
