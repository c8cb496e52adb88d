#include "app/ToolTargets.h"

#include "framework/StringUtil.h"
#include "model/MonitorRecord.h"
#include "model/MonitorTypes.h"
#include "model/SharedRoutines.h"
#include "model/UrlParser.h"
#include "resource.h"

namespace {

// Characters that end, chain, pipe, redirect or escape a command, or split it into
// arguments, wherever the host lands in a command line.
bool SplitsCommandLine(wchar_t c) {
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return true;  // control characters
    switch (c) {
    case L' ': case L'"': case L'\'': case L'&': case L'|': case L'<': case L'>': case L'^': return true;
    default: return false;
    }
}

// Ping and Trace route run in the command interpreter.
bool RunsInConsole(UINT command) { return command == ID_BOX_PING || command == ID_BOX_TRACE_ROUTE; }

// An IPv6 address as a host name the shell can reach shares at, under the
// "ipv6-literal.net" domain.
std::wstring Ipv6LiteralShare(const std::wstring& text) {
    return L"\\\\" + IPv6LiteralNameForm(text) + L".ipv6-literal.net";
}

// A URL monitor's address opened as it is: only an address the monitor's own parser
// reads, holding none of the characters a URL never holds unescaped.
bool IsOpenableUrl(const std::wstring& address) {
    HttpUrl parsed;
    if (!ParseHttpUrl(address, parsed)) return false;
    for (wchar_t c : address)
        if (c <= L' ' || c == 0x7F || c == L'"' || c == L'<' || c == L'>' || c == L'^' || c == L'|' ||
            c == L'`' || c == L'\\')
            return false;
    return true;
}

std::wstring UrlMonitorTarget(NetTool tool, const ToolSubject& s) {
    if (tool == NetTool::Web) return IsOpenableUrl(s.address) ? s.address : std::wstring();
    const std::wstring& host = s.urlHost;
    if (!IsLaunchableHost(host)) return std::wstring();
    const bool literal = s.ipVersion == IPVER_6 && IsIPv6LiteralForm(host, IPv6Zone::Any);
    if (tool == NetTool::Ftp) return literal ? L"ftp://[" + host + L"]" : L"ftp://" + host;
    return literal ? Ipv6LiteralShare(host) : L"\\\\" + host + L"\\";
}

std::wstring PlainTarget(NetTool tool, const std::wstring& host) {
    switch (tool) {
    case NetTool::Web: return L"http://" + host;
    case NetTool::Ftp: return L"ftp://" + host;
    case NetTool::Shares: return L"\\\\" + host + L"\\";
    }
    return std::wstring();
}

}  // namespace

ToolSubject ToolSubjectOf(const CMonitorRecord& record) {
    ToolSubject s;
    s.method = record.CheckMethod;
    s.ipVersion = record.IPv;
    s.address = record.IPorURLAddress;
    s.urlHost = record.m_strUrlHost;
    return s;
}

std::wstring ToolHost(const ToolSubject& s) { return s.method == METHOD_URL ? s.urlHost : s.address; }

bool IsLaunchableHost(const std::wstring& host) {
    if (host.empty() || host[0] == L'-') return false;
    for (wchar_t c : host)
        if (SplitsCommandLine(c)) return false;
    return true;
}

bool IsConsoleHost(const std::wstring& host) {
    if (!IsLaunchableHost(host)) return false;
    for (size_t i = host.find(L'%'); i != std::wstring::npos; i = host.find(L'%', i + 1))
        if (!IsIPv6ZonePercent(host, i)) return false;
    return true;
}

std::wstring ToolRefusalText(UINT command, const ToolSubject& s) {
    if (command == ID_BOX_WEB && s.method == METHOD_URL) {
        if (IsOpenableUrl(s.address)) return std::wstring();
        return fw::Format(L"Web was not opened at \"%ls\": the address is no URL this program reads, or it holds "
                          L"a blank, a quote, a control character or one of \\ ` < > ^ |.",
                          s.address.c_str());
    }
    const std::wstring host = ToolHost(s);
    const bool console = RunsInConsole(command);
    if (console ? IsConsoleHost(host) : IsLaunchableHost(host)) return std::wstring();
    if (host.empty()) return L"Nothing was launched: the monitor has no host.";
    if (IsLaunchableHost(host))  // refused for a "%" alone
        return fw::Format(L"Nothing was launched at \"%ls\": a host must not start with \"-\" nor hold a blank, a "
                          L"quote, a control character, one of & | < > ^, or a \"%%\" other than an IPv6 zone number "
                          L"(fe80::1%%4).",
                          host.c_str());
    return fw::Format(L"Nothing was launched at \"%ls\": a host must not start with \"-\" nor hold a blank, a quote, "
                      L"a control character or one of & | < > ^.",
                      host.c_str());
}

bool HostCommandLaunch(UINT command, const std::wstring& host, ShellLaunch& launch) {
    if (RunsInConsole(command) ? !IsConsoleHost(host) : !IsLaunchableHost(host)) return false;
    switch (command) {
    case ID_BOX_PING: launch = {L"cmd", fw::Format(L"/C \"ping %s -n 10 && PAUSE\"", host.c_str())}; return true;
    case ID_BOX_TRACE_ROUTE: launch = {L"cmd", fw::Format(L"/C \"tracert %s && PAUSE\"", host.c_str())}; return true;
    case ID_BOX_REMOTE_DESKTOP: launch = {L"mstsc", fw::Format(L"/v:%s", host.c_str())}; return true;
    default: return false;
    }
}

bool NetToolNeedsResolution(const ToolSubject& s) {
    return (s.method == METHOD_PING || s.method == METHOD_TCP) && s.ipVersion == IPVER_6;
}

std::wstring NetToolTarget(NetTool tool, const ToolSubject& s, const ToolResolution& r) {
    if (s.ipVersion != IPVER_4 && s.ipVersion != IPVER_6) return std::wstring();
    if (s.method == METHOD_URL) return UrlMonitorTarget(tool, s);
    if (s.method != METHOD_PING && s.method != METHOD_TCP) return std::wstring();
    if (!IsLaunchableHost(s.address)) return std::wstring();
    if (s.ipVersion == IPVER_4) return PlainTarget(tool, s.address);
    switch (r.family) {
    case ToolResolution::IPv4: return PlainTarget(tool, s.address);
    case ToolResolution::IPv6:
        if (tool == NetTool::Shares) return r.ipv6Text.empty() ? std::wstring() : Ipv6LiteralShare(r.ipv6Text);
        if (!IsIPv6LiteralForm(s.address, IPv6Zone::Any)) return PlainTarget(tool, s.address);
        return (tool == NetTool::Web ? L"http://[" : L"ftp://[") + s.address + L"]";
    default: return std::wstring();
    }
}
