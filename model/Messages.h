#pragma once
// The main window's private messages.
#include <windows.h>

constexpr UINT UM_TRAY_NOTIFY = WM_USER + 1;        // 0x401
constexpr UINT UM_OPTIONS_APPLIED = WM_USER + 2;    // 0x402
constexpr UINT UM_MONITOR_APPLIED = WM_USER + 3;    // 0x403
constexpr UINT UM_CHECK_RESULT = WM_USER + 4;       // 0x404
constexpr UINT UM_ACTIVATE_INSTANCE = WM_USER + 11; // 0x40B
constexpr UINT UM_GET_MAIN_DLG = WM_USER + 13;      // 0x40D
constexpr UINT UM_TRAY_CALLBACK = WM_APP + 10;      // 0x800A, to the tray window
