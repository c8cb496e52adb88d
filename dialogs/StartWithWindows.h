#pragma once
// The start-with-Windows value of an instance in the current user's Run key (the
// value's name and data: OptionsRules.h).
#include <optional>
#include <string>
#include <windows.h>

extern const wchar_t kRunKeyPath[];  // "Software\Microsoft\Windows\CurrentVersion\Run"

// Whether the instance's value starts this program: nullopt when the key does not open
// (or the instance is out of range), false when the value is missing, not a string
// (REG_SZ or REG_EXPAND_SZ), not null-terminated or different beyond letter case. The
// value is read whatever its length.
std::optional<bool> ReadStartWithWindows(int instance, const std::wstring& programPath,
                                         const wchar_t* keyPath = kRunKeyPath);

// Writes the instance's value (REG_SZ) when `on`, deletes it otherwise. The error of
// the write or delete, ERROR_SUCCESS when done (or when the key does not open, as the
// check box then kept its state too).
DWORD WriteStartWithWindows(int instance, bool on, const std::wstring& programPath,
                           const wchar_t* keyPath = kRunKeyPath);
