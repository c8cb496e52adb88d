#pragma once
// Dates and times as the C library's strftime writes them ("%x", "%X", "%x %X").
#include <string>
#include <windows.h>

namespace fw {

// `time` formatted by a strftime format of the C locale.
std::wstring FormatTime(const wchar_t* format, const SYSTEMTIME& time);

// The current local time.
SYSTEMTIME LocalNow();

}  // namespace fw
