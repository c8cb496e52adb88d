#pragma once
// The program finds its data folder under "APPDATA": a test sets it for one scope and puts
// the old value back, so that no later test of the same program reads the folder of this one.
#include <windows.h>

#include <string>

#include "support/TempFiles.h"

// Sets "APPDATA" (nullptr: unset) until the end of the scope.
class CScopedAppData {
public:
    explicit CScopedAppData(const wchar_t* value) {
        wchar_t buffer[32768];
        const DWORD n = GetEnvironmentVariableW(L"APPDATA", buffer, 32768);
        m_had = n > 0 && n < 32768;
        if (m_had) m_old.assign(buffer, n);
        SetEnvironmentVariableW(L"APPDATA", value);
    }
    ~CScopedAppData() { SetEnvironmentVariableW(L"APPDATA", m_had ? m_old.c_str() : nullptr); }
    CScopedAppData(const CScopedAppData&) = delete;
    CScopedAppData& operator=(const CScopedAppData&) = delete;

private:
    bool m_had = false;
    std::wstring m_old;
};

// A private, empty application-data folder set as "APPDATA" until the end of the scope,
// then removed.
class CTempAppData {
public:
    // The folder, without a trailing backslash (as "APPDATA" holds it).
    const std::wstring& Path() const { return m_path; }

private:
    CTempFolder m_folder;
    const std::wstring m_path = m_folder.Path().substr(0, m_folder.Path().size() - 1);
    CScopedAppData m_set{m_path.c_str()};
};
