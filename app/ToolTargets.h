#pragma once
// What the box menu's tools launch at a monitor's host: the console and remote-desktop
// command lines, and the web, FTP and network-share addresses. Pure rules; the name
// resolution they may need is done by the caller and handed in.
#include <string>
#include <windows.h>

class CMonitorRecord;

// The parts of a monitor the tools look at, copied when the command is chosen.
struct ToolSubject {
    UINT method = 0;
    UINT ipVersion = 0;
    std::wstring address;  // IPorURLAddress
    std::wstring urlHost;  // server part of a URL monitor's address
};

ToolSubject ToolSubjectOf(const CMonitorRecord& record);

// The host of a box: a URL monitor's server, else the address as typed.
std::wstring ToolHost(const ToolSubject& subject);

// False only for a host that could split or redirect the command line it is put into
// (a blank, a quote, a control character or one of & | < > ^), that would be read as
// an option (a leading "-"), or that is empty. Any other host (short names, non-ASCII
// names, IPv6 literals with any zone) is launched as it is by the tools that do not run
// in the command interpreter; Ping and Trace route ask IsConsoleHost.
bool IsLaunchableHost(const std::wstring& host);

// True when the command interpreter takes the host as plain text: IsLaunchableHost, and
// "%" only as the numeric zone of an IPv6 literal ("fe80::1%4"). Any other "%" could
// start a %...% expansion, which cmd makes before it looks for & | < >.
bool IsConsoleHost(const std::wstring& host);

// What the user is told when a tool refuses the box's host or address; empty when
// `command` (Ping, Trace route, Remote Desktop, Web, Ftp or Shares) may launch.
std::wstring ToolRefusalText(UINT command, const ToolSubject& subject);

// One program started through the shell's "open" verb.
struct ShellLaunch {
    std::wstring file;
    std::wstring parameters;
};

// Ping and Trace route in a console, and Remote Desktop (ID_BOX_PING, ID_BOX_TRACE_ROUTE,
// ID_BOX_REMOTE_DESKTOP). False, launching nothing, for any other command and for a host
// the command refuses (IsConsoleHost for the console, else IsLaunchableHost).
bool HostCommandLaunch(UINT command, const std::wstring& host, ShellLaunch& launch);

enum class NetTool { Web, Ftp, Shares };

// How a name of a Ping or TCP monitor with IP version 1 resolved: its first result's
// family, and for an IPv6 result that address as text.
struct ToolResolution {
    enum Family { Failed, IPv4, IPv6, Other } family = Failed;
    std::wstring ipv6Text;  // empty when the address could not be turned into text
};

// True when the tool's target depends on resolving the monitor's address.
bool NetToolNeedsResolution(const ToolSubject& subject);

// The address the tool opens; empty when nothing is to be launched. Brackets go only
// around an IPv6 literal, never around a name that resolved to an IPv6 address.
std::wstring NetToolTarget(NetTool tool, const ToolSubject& subject, const ToolResolution& resolution);
