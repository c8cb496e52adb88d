#pragma once
// Names and lines of the log files: one folder per day under the logs folder, one file
// per target (address, method, port, IP version), one line per logged result.
#include <string>
#include <windows.h>

class CMonitorRecord;

// The logs folder followed by "month-day-year\" of `now` (no leading zeros).
std::wstring LogDayFolder(const std::wstring& logDir, const SYSTEMTIME& now);

// A host as it stands in a file name: with IP version 1 ":" becomes "-" and "%"
// becomes "s"; then any character a file name cannot hold (\ / : * ? " < > | and
// control characters) becomes "-", so that no host escapes the day folder.
std::wstring LogFileHost(const std::wstring& host, UINT ipVersion);

// The log file of the record's target in `dayFolder` (".txt" for log file type 0,
// ".csv" otherwise); empty for a method outside Ping, TCP and URL. A name that would be
// a device (a host whose first label is NUL, CON, COM1...) starts with "_".
std::wstring LogFileName(const std::wstring& dayFolder, const CMonitorRecord& record, int logFileType);

// The record's log file today.
std::wstring TodaysLogFileName(const std::wstring& logDir, const CMonitorRecord& record, int logFileType,
                               const SYSTEMTIME& now);

// The values of one log line.
struct LogEntry {
    SYSTEMTIME now = {};
    std::wstring name;
    int status = 0;
    UINT method = 0;
    DWORD timeMs = 0;
    DWORD error = 0;
    DWORD ipStatus = 0;
    std::wstring errorText;
};

// On Wine a Ping monitor's ICMP status stands as its error code (Wine has no texts
// for ICMP statuses): moves it into the error when the result is no Up and has no error.
void UseIpStatusAsError(LogEntry& entry);

// True when the entry's ICMP status is described by the ICMP error text ("IP_STATUS=").
bool HasIpStatusText(const LogEntry& entry);

// The line, ending in "\r\n", with " | " between fields (or tabs); empty when the
// status and method pair has no line. Tabs and line breaks inside a field become blanks.
std::wstring LogLine(const LogEntry& entry, bool tabSeparated);

// The code of a line that tells of a notification's program not run: ERROR_BUSY ("The
// requested resource is in use."), which no check is known to give.
constexpr DWORD kNotRunCode = ERROR_BUSY;

// The line of a result whose program was not run: the result's date, time, name, status
// word and fifth field, then `why` and kNotRunCode, so that whatever reads the result lines
// reads it. Empty where the result has no line.
std::wstring NotRunLine(const LogEntry& entry, const std::wstring& why, bool tabSeparated);
