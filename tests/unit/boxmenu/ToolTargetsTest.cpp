// What the tools launch at a box's host, per method and IP version, and the parameters
// of user commands.
#include <gtest/gtest.h>

#include "app/ToolTargets.h"
#include "app/Tools.h"
#include "model/MonitorTypes.h"
#include "resource.h"

namespace {

using R = ToolResolution;

const ToolSubject kPing4 = {METHOD_PING, IPVER_4, L"192.0.2.1", L""};
const ToolSubject kTcp6 = {METHOD_TCP, IPVER_6, L"fe80::1%4", L""};
const ToolSubject kTcp6Name = {METHOD_TCP, IPVER_6, L"v6host.lan", L""};
const ToolSubject kUrl4 = {METHOD_URL, IPVER_4, L"http://www.example.lan:8080/a?b=1&c=2", L"www.example.lan"};
const ToolSubject kUrl6Literal = {METHOD_URL, IPVER_6, L"http://[fe80::1%4]:8080/", L"fe80::1%4"};
const ToolSubject kUrl6Name = {METHOD_URL, IPVER_6, L"https://v6host.lan/", L"v6host.lan"};
const ToolSubject kPingShort = {METHOD_PING, IPVER_4, L"db", L""};
const ToolSubject kUrlShort = {METHOD_URL, IPVER_4, L"http://db:8080/", L"db"};
const ToolSubject kTcp6Zoned = {METHOD_TCP, IPVER_6, L"fe80::1%eth0", L""};
const ToolSubject kTcp6Bracketed = {METHOD_TCP, IPVER_6, L"[::1]", L""};  // not a literal's form
const ToolSubject kTcp6HostPort = {METHOD_TCP, IPVER_6, L"v6host.lan:8080", L""};
const ToolSubject kIpv2 = {METHOD_PING, 2, L"192.0.2.1", L""};
const ToolSubject kBadHost = {METHOD_PING, IPVER_4, L"127.0.0.1&calc", L""};
const ToolSubject kBadHost6 = {METHOD_TCP, IPVER_6, L"::1\"&calc", L""};
const ToolSubject kBadUrl = {METHOD_URL, IPVER_4, L"http://h.lan/\"&calc", L"h.lan"};
const R kNone = {};
const R kResolved4 = {R::IPv4, L""};
const R kResolved6 = {R::IPv6, L"fe80::1%4"};
const R kResolved6NoText = {R::IPv6, L""};
const R kOther = {R::Other, L""};

struct TargetCase {
    const char* name;
    NetTool tool;
    ToolSubject subject;
    ToolResolution resolution;
    const wchar_t* target;
};

TEST(NetToolTarget, PerMethodAndIpVersion) {
    const TargetCase cases[] = {
        {"ping v4 web", NetTool::Web, kPing4, kNone, L"http://192.0.2.1"},
        {"ping v4 ftp", NetTool::Ftp, kPing4, kNone, L"ftp://192.0.2.1"},
        {"ping v4 shares", NetTool::Shares, kPing4, kNone, L"\\\\192.0.2.1\\"},
        {"tcp v6 literal web", NetTool::Web, kTcp6, kResolved6, L"http://[fe80::1%4]"},
        {"tcp v6 literal ftp", NetTool::Ftp, kTcp6, kResolved6, L"ftp://[fe80::1%4]"},
        {"tcp v6 literal shares", NetTool::Shares, kTcp6, kResolved6, L"\\\\fe80--1s4.ipv6-literal.net"},
        {"tcp v6 shares, no text", NetTool::Shares, kTcp6, kResolved6NoText, L""},
        {"tcp v6 name found as v4: web", NetTool::Web, kTcp6Name, kResolved4, L"http://v6host.lan"},
        {"tcp v6 name found as v4: shares", NetTool::Shares, kTcp6Name, kResolved4, L"\\\\v6host.lan\\"},
        {"tcp v6 name found as v6: web, no brackets", NetTool::Web, kTcp6Name, kResolved6, L"http://v6host.lan"},
        {"tcp v6 name found as v6: ftp, no brackets", NetTool::Ftp, kTcp6Name, kResolved6, L"ftp://v6host.lan"},
        {"tcp v6 name found as v6: shares", NetTool::Shares, kTcp6Name, kResolved6, L"\\\\fe80--1s4.ipv6-literal.net"},
        {"ping short name: web", NetTool::Web, kPingShort, kNone, L"http://db"},
        {"ping short name: shares", NetTool::Shares, kPingShort, kNone, L"\\\\db\\"},
        {"url short name: web", NetTool::Web, kUrlShort, kNone, L"http://db:8080/"},
        {"url short name: ftp", NetTool::Ftp, kUrlShort, kNone, L"ftp://db"},
        {"tcp v6 zone by name: ftp", NetTool::Ftp, kTcp6Zoned, kResolved6, L"ftp://[fe80::1%eth0]"},
        // Brackets go only around a literal: other text the resolver took goes as it is.
        {"tcp v6 bracketed text found as v6: web", NetTool::Web, kTcp6Bracketed, kResolved6, L"http://[::1]"},
        {"tcp v6 bracketed text found as v6: ftp", NetTool::Ftp, kTcp6Bracketed, kResolved6, L"ftp://[::1]"},
        {"tcp v6 name with a colon, unresolved", NetTool::Web, kTcp6HostPort, kNone, L""},
        {"tcp v6 unresolved: web", NetTool::Web, kTcp6Name, kNone, L""},
        {"tcp v6 unresolved: ftp", NetTool::Ftp, kTcp6Name, kNone, L""},
        {"tcp v6 unresolved: shares", NetTool::Shares, kTcp6Name, kNone, L""},
        {"tcp v6 other family", NetTool::Web, kTcp6Name, kOther, L""},
        {"url v4 web: the whole address", NetTool::Web, kUrl4, kNone, L"http://www.example.lan:8080/a?b=1&c=2"},
        {"url v4 ftp", NetTool::Ftp, kUrl4, kNone, L"ftp://www.example.lan"},
        {"url v4 shares", NetTool::Shares, kUrl4, kNone, L"\\\\www.example.lan\\"},
        {"url v6 literal web", NetTool::Web, kUrl6Literal, kNone, L"http://[fe80::1%4]:8080/"},
        {"url v6 literal ftp", NetTool::Ftp, kUrl6Literal, kNone, L"ftp://[fe80::1%4]"},
        {"url v6 literal shares", NetTool::Shares, kUrl6Literal, kNone, L"\\\\fe80--1s4.ipv6-literal.net"},
        {"url v6 name ftp", NetTool::Ftp, kUrl6Name, kNone, L"ftp://v6host.lan"},
        {"url v6 name shares", NetTool::Shares, kUrl6Name, kNone, L"\\\\v6host.lan\\"},
        {"ip version 2", NetTool::Web, kIpv2, kNone, L""},
        {"host with metacharacters: web", NetTool::Web, kBadHost, kNone, L""},
        {"host with metacharacters: shares", NetTool::Shares, kBadHost, kNone, L""},
        {"v6 host with metacharacters", NetTool::Ftp, kBadHost6, kResolved6, L""},
        {"url with a quote: web", NetTool::Web, kBadUrl, kNone, L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NetToolTarget(c.tool, c.subject, c.resolution), c.target) << c.name;
    EXPECT_FALSE(NetToolNeedsResolution(kPing4));
    EXPECT_TRUE(NetToolNeedsResolution(kTcp6));
    EXPECT_FALSE(NetToolNeedsResolution(kUrl6Literal));
}

struct LaunchCase {
    const char* name;
    UINT command;
    const wchar_t* host;
    const wchar_t* file;  // nullptr: nothing is launched
    const wchar_t* parameters;
};

TEST(HostCommandLaunch, ConsoleAndRemoteDesktop) {
    const LaunchCase cases[] = {
        {"ping", ID_BOX_PING, L"192.0.2.1", L"cmd", L"/C \"ping 192.0.2.1 -n 10 && PAUSE\""},
        {"trace route v6", ID_BOX_TRACE_ROUTE, L"fe80::1%4", L"cmd", L"/C \"tracert fe80::1%4 && PAUSE\""},
        {"remote desktop", ID_BOX_REMOTE_DESKTOP, L"www.example.lan", L"mstsc", L"/v:www.example.lan"},
        {"ping a name", ID_BOX_PING, L"host_1.example-lan", L"cmd", L"/C \"ping host_1.example-lan -n 10 && PAUSE\""},
        {"ampersand", ID_BOX_PING, L"h.lan&calc", nullptr, nullptr},
        {"quote", ID_BOX_TRACE_ROUTE, L"h.lan\"&\"calc", nullptr, nullptr},
        {"pipe", ID_BOX_PING, L"h.lan|calc", nullptr, nullptr},
        {"redirection", ID_BOX_PING, L"h.lan>x", nullptr, nullptr},
        {"caret", ID_BOX_PING, L"h.lan^", nullptr, nullptr},
        // cmd expands %...% before it looks for &: only an IPv6 literal's zone number passes.
        {"a picked character", ID_BOX_PING, L"127.0.0.1%CMDCMDLINE:~-8,1%calc", nullptr, nullptr},
        {"a picked character, trace", ID_BOX_TRACE_ROUTE, L"127.0.0.1%CMDCMDLINE:~-8,1%calc", nullptr, nullptr},
        {"percent pair", ID_BOX_PING, L"%PATH%", nullptr, nullptr},
        {"two percents", ID_BOX_PING, L"h%%", nullptr, nullptr},
        {"lone percent", ID_BOX_TRACE_ROUTE, L"h%", nullptr, nullptr},
        {"v6 zone that is no number", ID_BOX_PING, L"fe80::1%eth0", nullptr, nullptr},
        {"v6 zone number", ID_BOX_PING, L"fe80::1%4", L"cmd", L"/C \"ping fe80::1%4 -n 10 && PAUSE\""},
        {"v4 tail and zone", ID_BOX_PING, L"::ffff:127.0.0.1%12", L"cmd",
         L"/C \"ping ::ffff:127.0.0.1%12 -n 10 && PAUSE\""},
        {"zone number after a name", ID_BOX_PING, L"db%4", nullptr, nullptr},
        {"remote desktop is no console", ID_BOX_REMOTE_DESKTOP, L"h%x%", L"mstsc", L"/v:h%x%"},
        {"exclamation", ID_BOX_REMOTE_DESKTOP, L"h!x!", L"mstsc", L"/v:h!x!"},
        {"short name", ID_BOX_REMOTE_DESKTOP, L"db", L"mstsc", L"/v:db"},
        {"line break", ID_BOX_PING, L"h.lan\r\ncalc", nullptr, nullptr},
        {"blank", ID_BOX_PING, L"h.lan -t", nullptr, nullptr},
        {"option", ID_BOX_PING, L"-t", nullptr, nullptr},
        {"empty", ID_BOX_PING, L"", nullptr, nullptr},
        {"not a host command", ID_BOX_WEB, L"h.lan", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        ShellLaunch launch;
        const bool launched = HostCommandLaunch(c.command, c.host, launch);
        EXPECT_EQ(launched, c.file != nullptr) << c.name;
        if (!launched || !c.file) continue;
        EXPECT_EQ(launch.file, c.file) << c.name;
        EXPECT_EQ(launch.parameters, c.parameters) << c.name;
    }
}

// A host is refused only for what can end, chain or redirect a command, split it into
// arguments, or be read as an option; everything else goes on as it is.
TEST(IsLaunchableHost, RefusesOnlyWhatSplitsACommandLine) {
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"db", true},
        {L"a", true},
        {L"my-host_1.lan", true},
        {L"\u0441\u0435\u0440\u0432\u0435\u0440", true},  // Cyrillic letters
        {L"m\u00fcnchen.lan", true},
        {L"fe80::1%eth0", true},
        {L"fe80::1%4", true},
        {L"::1", true},
        {L"10.0.0.5", true},
        {L"h!x%y%", true},
        {L"", false},
        {L"-t", false},
        {L"-", false},
        {L"h.lan -t", false},
        {L"h\tx", false},
        {L"h\"x", false},
        {L"h'x", false},
        {L"h&x", false},
        {L"h|x", false},
        {L"h<x", false},
        {L"h>x", false},
        {L"h^x", false},
        {L"h\rx", false},
        {L"h\nx", false},
        {L"h\x01x", false},
        {L"h\x7fx", false},
        {L"h\x85x", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsLaunchableHost(c.first), c.second) << testing::PrintToString(c.first);
}

// The tools that refuse say so, naming what they refused; the others launch.
TEST(ToolRefusalText, NamesTheRefusedHostOrAddress) {
    const ToolSubject kNoHost = {METHOD_URL, IPVER_4, L"not a url", L""};
    const ToolSubject kPercentHost = {METHOD_PING, IPVER_4, L"127.0.0.1%CMDCMDLINE:~-8,1%calc", L""};
    const struct {
        const char* name;
        UINT command;
        ToolSubject subject;
        const wchar_t* named;  // nullptr: launched
    } cases[] = {
        {"ping at a short name", ID_BOX_PING, kPingShort, nullptr},
        {"remote desktop at a url's short host", ID_BOX_REMOTE_DESKTOP, kUrlShort, nullptr},
        {"web at a url", ID_BOX_WEB, kUrlShort, nullptr},
        {"shares at a zoned literal", ID_BOX_SHARES, kTcp6Zoned, nullptr},
        {"ping at a host with a %...% pair", ID_BOX_PING, kPercentHost, L"127.0.0.1%CMDCMDLINE:~-8,1%calc"},
        {"remote desktop at that host", ID_BOX_REMOTE_DESKTOP, kPercentHost, nullptr},
        {"ping at a host with &", ID_BOX_PING, kBadHost, L"127.0.0.1&calc"},
        {"trace route", ID_BOX_TRACE_ROUTE, kBadHost, L"127.0.0.1&calc"},
        {"web at a host with &", ID_BOX_WEB, kBadHost, L"127.0.0.1&calc"},
        {"ftp at a v6 host with a quote", ID_BOX_FTP, kBadHost6, L"::1\"&calc"},
        {"web at a url with a quote", ID_BOX_WEB, kBadUrl, L"http://h.lan/\"&calc"},
        {"ftp at a url with no host", ID_BOX_FTP, kNoHost, L""},
    };
    for (const auto& c : cases) {
        const std::wstring text = ToolRefusalText(c.command, c.subject);
        if (!c.named) {
            EXPECT_EQ(text, L"") << c.name;
            continue;
        }
        EXPECT_NE(text, L"") << c.name;
        EXPECT_NE(text.find(c.named), std::wstring::npos) << c.name;
    }
}

struct CommandCase {
    const char* name;
    const wchar_t* program;
    const wchar_t* parameters;
    const wchar_t* monitorName;
    const wchar_t* expanded;
};

TEST(CommandParameters, InertOnlyWhereTheCommandInterpreterReadsThem) {
    const CommandCase cases[] = {
        {"the user's command", L"cmd", L"/C echo %ip %name %port", L"My Server", L"/C echo 10.0.0.5 My-Server N/A"},
        {"cmd.exe by path", L"C:\\Windows\\System32\\CMD.EXE", L"/C echo %name", L"a&calc", L"/C echo a_calc"},
        {"batch program", L"C:\\tools\\run.bat", L"%name %text", L"x|y \"z\"", L"x_y-_z_ x_y-_z_"},
        {"other program: values as they are", L"C:\\tools\\viewer.exe", L"%name", L"x&y", L"x&y"},
        {"the template's own characters stay", L"cmd", L"/C a & b %name", L"m", L"/C a & b m"},
        {"a value's %...% pair, not the template's %", L"cmd", L"/C echo %name 50%", L"%CMDCMDLINE:~-8,1%",
         L"/C echo _CMDCMDLINE:~-8,1_ 50%"},
    };
    for (const auto& c : cases) {
        PlaceholderSubject s;
        s.name = c.monitorName;
        s.address = L"10.0.0.5";
        s.method = METHOD_PING;
        s.status = MON_UP;
        EXPECT_EQ(CommandParameters(c.program, c.parameters, s, SYSTEMTIME{}), c.expanded) << c.name;
    }
}

}  // namespace
