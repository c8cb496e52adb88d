#pragma once
// Appends the log lines of logged results to the day's log file of their target.
#include <string>
#include <windows.h>

#include "engine/LogFormat.h"

// Writes the line of the job's result at the result's time (a NotificationJob the worker
// owns and frees).
unsigned __stdcall LogThreadProc(void* job);

// The error text of a log entry: WinINet texts for 12001..12156, the system's text
// otherwise, "General Failure" for 11050, and (not on Wine) the ICMP status text of a
// Ping result that has only an ICMP status. Line breaks are removed.
std::wstring LogErrorText(const LogEntry& entry, bool runningOnWine);

// The platform's text of an ICMP status, or empty. Never calls the platform under Wine,
// whose routine for it aborts the process.
std::wstring IcmpStatusText(DWORD ipStatus);

// The complete entry of the record's result at `now`, error text included.
LogEntry MakeLogEntry(const CMonitorRecord& record, const SYSTEMTIME& now, bool runningOnWine);

// Appends `line` to `file` as 8-bit text of the thread's ANSI code page, in one write,
// while holding the log mutex that every instance shares. Readers may have the file
// open meanwhile. False when the file cannot be opened or written.
bool AppendLogLine(const std::wstring& file, const std::wstring& line);
