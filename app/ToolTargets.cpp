#include "app/ToolTargets.h"

#include "framework/StringUtil.h"
#include "model/MonitorRecord.h"
#include "model/MonitorTypes.h"
#include "model/SharedRoutines.h"
#include "model/UrlParser.h"
#include "resource.h"

namespace {

bool IsHexDigit(wchar_t c) { return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'); }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

bool IsHostName(const std::wstring& host) {
    for (wchar_t c : host)
        if (c > 0x7F) return false;  // the 8-bit test below would see "?" in its place
    return host[0] != L'-' && IsValidHostName(fw::ToNarrow(host));
}

// Hex digits, ":" and "." (an embedded IPv4 tail), at least two colons, and an
// optional numeric zone after "%".
bool IsIPv6Literal(const std::wstring& host) {
    const size_t percent = host.find(L'%');
    const std::wstring address = host.substr(0, percent);
    int colons = 0;
    for (wchar_t c : address) {
        if (c == L':') ++colons;
        else if (!IsHexDigit(c) && c != L'.') return false;
    }
    if (colons < 2) return false;
    if (percent == std::wstring::npos) return true;
    const std::wstring zone = host.substr(percent + 1);
    if (zone.empty()) return false;
    for (wchar_t c : zone)
        if (!IsDigit(c)) return false;
    return true;
}

// An IPv6 address as a host name the shell can reach shares at: ":" becomes "-" and
// "%" becomes "s" under the "ipv6-literal.net" domain.
std::wstring Ipv6LiteralShare(std::wstring text) {
    fw::ReplaceAll(text, L":", L"-");
    fw::ReplaceAll(text, L"%", L"s");
    return L"\\\\" + text + L".ipv6-literal.net";
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
    // An IPv6 monitor's server is a name or an IPv6 literal written in brackets.
    HttpUrl parsed;
    const bool literal = s.ipVersion == IPVER_6 && !(ParseHttpUrl(s.address, parsed) && !parsed.bracketed);
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
    if (host.empty()) return false;
    return IsHostName(host) || IsIPv6Literal(host);
}

bool HostCommandLaunch(UINT command, const std::wstring& host, ShellLaunch& launch) {
    if (!IsLaunchableHost(host)) return false;
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
        return (tool == NetTool::Web ? L"http://[" : L"ftp://[") + s.address + L"]";
    default: return std::wstring();
    }
}
