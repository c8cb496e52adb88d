#pragma once
// Process-wide settings that the monitoring threads read without a lock while the
// UI thread may replace them.
#include <atomic>
#include <windows.h>

extern std::atomic<DWORD> g_dwTimeOut;      // check time-out in milliseconds
extern std::atomic<int> g_nLogFileType;     // 0: ".txt" logs, other: ".csv"
