#pragma once
// Reading back what the program wrote, through the platform's own profile calls.
#include <string>
#include <vector>
#include <windows.h>

#include "support/TempFiles.h"

inline std::wstring ReadKey(const std::wstring& path, const wchar_t* section, const wchar_t* key) {
    wchar_t buffer[256] = {};
    GetPrivateProfileStringW(section, key, L"<missing>", buffer, 256, path.c_str());
    return buffer;
}

// "key=value" lines of a section as they stand in the file, in file order.
inline std::vector<std::wstring> SectionLines(const std::wstring& path, const wchar_t* section) {
    std::vector<wchar_t> buffer(16384);
    DWORD n = GetPrivateProfileSectionW(section, buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
    std::vector<std::wstring> lines;
    for (DWORD i = 0; i < n && buffer[i]; i += static_cast<DWORD>(lines.back().size()) + 1)
        lines.emplace_back(&buffer[i]);
    return lines;
}

// The key names of a section, in file order.
inline std::vector<std::wstring> SectionKeys(const std::wstring& path, const wchar_t* section) {
    std::vector<std::wstring> keys;
    for (const std::wstring& line : SectionLines(path, section)) keys.push_back(line.substr(0, line.find(L'=')));
    return keys;
}
