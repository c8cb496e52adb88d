#include "dialogs/StartWithWindows.h"

#include <windows.h>

#include "dialogs/OptionsRules.h"
#include "framework/Handle.h"

const wchar_t kRunKeyPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

namespace {

// The value as a string, or nothing when it cannot be read as one. Read at its own size:
// the program's path (and with it the value) may be longer than any fixed buffer, and a
// value cut short would read as another program's, clear the box and be deleted on OK.
std::optional<std::wstring> ReadStringValue(HKEY key, const std::wstring& name) {
    DWORD type = 0;
    DWORD bytes = 0;
    LSTATUS status = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &bytes);
    std::wstring buffer;
    // Another program may rewrite the value between asking its size and reading it.
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        buffer.assign(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        status = RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&buffer[0]), &bytes);
        if (status == ERROR_SUCCESS) break;
    }
    if (status != ERROR_SUCCESS) return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    const DWORD chars = bytes / sizeof(wchar_t);
    if (chars == 0 || buffer[chars - 1] != L'\0') return std::nullopt;
    return std::wstring(buffer.c_str());
}

}  // namespace

std::optional<bool> ReadStartWithWindows(int instance, const std::wstring& programPath, const wchar_t* keyPath) {
    const fw::CRegKey key = fw::OpenRegKey(HKEY_CURRENT_USER, keyPath, KEY_READ);
    RunValue expected;
    if (!key.Get() || !MakeRunValue(instance, programPath, expected)) return std::nullopt;
    std::optional<std::wstring> stored = ReadStringValue(key.Get(), expected.name);
    return stored && RunDataMatches(*stored, expected.data);
}

DWORD WriteStartWithWindows(int instance, bool on, const std::wstring& programPath, const wchar_t* keyPath) {
    const fw::CRegKey key = fw::OpenRegKey(HKEY_CURRENT_USER, keyPath, KEY_WRITE);
    RunValue value;
    if (!MakeRunValue(instance, programPath, value)) return ERROR_SUCCESS;
    if (!key.Get()) {
        // With no Run key there is no value to delete; a value to write is lost.
        const DWORD error = GetLastError();
        return on || error != ERROR_FILE_NOT_FOUND ? error : ERROR_SUCCESS;
    }
    if (on)
        return static_cast<DWORD>(RegSetValueExW(key.Get(), value.name.c_str(), 0, REG_SZ,
                                                 reinterpret_cast<const BYTE*>(value.data.c_str()),
                                                 static_cast<DWORD>((value.data.size() + 1) * sizeof(wchar_t))));
    const LSTATUS deleted = RegDeleteValueW(key.Get(), value.name.c_str());
    // A value that is not there is already off.
    return deleted == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : static_cast<DWORD>(deleted);
}
