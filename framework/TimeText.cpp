#include "framework/TimeText.h"

#include <ctime>
#include <cwchar>

namespace fw {

std::wstring FormatTime(const wchar_t* format, const SYSTEMTIME& time) {
    std::tm tm = {};
    tm.tm_year = time.wYear - 1900;
    tm.tm_mon = time.wMonth - 1;
    tm.tm_mday = time.wDay;
    tm.tm_hour = time.wHour;
    tm.tm_min = time.wMinute;
    tm.tm_sec = time.wSecond;
    tm.tm_wday = time.wDayOfWeek;
    tm.tm_isdst = -1;
    wchar_t buffer[256];
    size_t n = std::wcsftime(buffer, sizeof(buffer) / sizeof(buffer[0]), format, &tm);
    return std::wstring(buffer, n);
}

SYSTEMTIME LocalNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now;
}

}  // namespace fw
