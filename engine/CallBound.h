#pragma once
// How long a blocking call made for a check may take: the monitor's time-out and a grace
// of 500 ms, saturated at the largest wait, so a time-out loaded as 4294967295 (the file
// said -1) waits as long as possible instead of wrapping round to a few hundred ms.
#include <windows.h>

constexpr DWORD kCallGraceMs = 500;

constexpr DWORD SaturatingAdd(DWORD a, DWORD b) {
    return a > MAXDWORD - b ? MAXDWORD : a + b;
}

constexpr DWORD SaturatingSub(DWORD a, DWORD b) {
    return a > b ? a - b : 0;
}

// The bound of one call, or of one step of a call, after `timeOutMs`.
constexpr DWORD CallBoundMs(DWORD timeOutMs) {
    return SaturatingAdd(timeOutMs, kCallGraceMs);
}

// The time-out handed to a system call (WinINet's options, an echo): WinINet reads 0 as
// no limit at all, so a time-out of 0 asks for the shortest limit there is instead.
constexpr DWORD SystemTimeOutMs(DWORD timeOutMs) {
    return timeOutMs == 0 ? 1 : timeOutMs;
}
