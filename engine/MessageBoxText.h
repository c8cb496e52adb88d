#pragma once
// The text of a message-box notification.
#include <string>
#include <windows.h>

class CMonitorRecord;

// The caption of notification message boxes.
extern const wchar_t kNotificationCaption[];

// The text for the record's status and method, with the description expanded and the
// given date and time; empty for a pair that has no text (Checking, Disabled, Closed
// of a Ping monitor, any status of a method outside Ping, TCP, URL).
std::wstring MessageBoxText(const CMonitorRecord& record, const SYSTEMTIME& now);
