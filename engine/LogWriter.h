#pragma once
// Appends the log lines of logged results to the day's log file of their target.
#include <string>
#include <windows.h>

#include "engine/LogFormat.h"
#include "engine/LogQueue.h"

// Queues the line of the record's result at the result's time for the day's file of its
// target (nothing for a result that has no line).
void QueueLogLine(const CMonitorRecord& record, const SYSTEMTIME& resultTime);
// Queues, the same way, the line telling that the result's program was not run, and why.
void QueueNotRunLine(const CMonitorRecord& record, const SYSTEMTIME& resultTime, const std::wstring& why);

// At the program's end: the lines queued so far are written, held files tried meanwhile,
// within a bound.
void FinishLogLines();

// The error text of a log entry: WinINet texts for 12001..12156, the system's text
// otherwise, "General Failure" for 11050, and (not on Wine) the ICMP status text of a
// Ping result that has only an ICMP status. Line breaks are removed.
std::wstring LogErrorText(const LogEntry& entry, bool runningOnWine);

// The platform's text of an ICMP status, or empty. Never calls the platform under Wine,
// whose routine for it aborts the process.
std::wstring IcmpStatusText(DWORD ipStatus);

// The complete entry of the record's result at `now`, error text included.
LogEntry MakeLogEntry(const CMonitorRecord& record, const SYSTEMTIME& now, bool runningOnWine);

// Appends `text` to `file` as 8-bit text of the thread's ANSI code page, in one write,
// while holding the log mutex that every instance shares (one try: a file held by
// another program is Held at once). Readers may have the file open meanwhile.
LogAppend AppendLogLine(const std::wstring& file, const std::wstring& text);

// AppendLogLine, creating the file's day folder first when it is missing.
LogAppend AppendToLogFile(const std::wstring& file, const std::wstring& text);
