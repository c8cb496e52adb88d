#pragma once
// A private folder under %TEMP% for one test's files, removed with everything in it.
#include <windows.h>

#include <string>

#include "framework/Handle.h"

// Deletes a folder with every file and folder in it.
inline void RemoveTree(std::wstring folder) {
    while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
    WIN32_FIND_DATAW found;
    fw::CFileSearch search = fw::StartFileSearch(folder + L"\\*", found);
    for (BOOL more = search.Valid(); more; more = FindNextFileW(search, &found)) {
        const std::wstring name = found.cFileName, path = folder + L"\\" + name;
        if (name == L"." || name == L"..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            RemoveTree(path);
        else
            DeleteFileW(path.c_str());
    }
    search.Close();  // a folder with an open search in it cannot go
    RemoveDirectoryW(folder.c_str());
}

class CTempFolder {
public:
    CTempFolder() {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, temp);
        static LONG counter = 0;
        m_path = std::wstring(temp) + L"OrvalenTest-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                 std::to_wstring(InterlockedIncrement(&counter)) + L"\\";
        CreateDirectoryW(m_path.c_str(), nullptr);
    }
    ~CTempFolder() { RemoveTree(m_path); }
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::wstring& Path() const { return m_path; }
    std::wstring File(const std::wstring& name) const { return m_path + name; }

private:
    std::wstring m_path;
};

inline bool WriteBytes(const std::wstring& path, const std::string& bytes) {
    fw::CFileHandle file = fw::OpenFileHandle(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    DWORD written = 0;
    const BOOL ok = file.Valid() && WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    return file.CloseChecked() && ok && written == bytes.size();
}

inline std::string ReadBytes(const std::wstring& path) {
    fw::CFileHandle file = fw::OpenFileHandle(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, 0);
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (file.Valid() && ReadFile(file, chunk, sizeof(chunk), &got, nullptr) && got > 0) bytes.append(chunk, got);
    return bytes;
}

inline bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
