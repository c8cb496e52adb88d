// Records how it was started: appends the part of its command line after the program
// name, as one UTF-8 line, to "<its own path>.log". Several copies may run at once.
#include <windows.h>

#include <string>

namespace {

// The command line without the program name and the blanks after it.
std::wstring ParametersOf(const wchar_t* line) {
    const wchar_t* p = line;
    if (*p == L'"') {
        ++p;
        while (*p && *p != L'"') ++p;
        if (*p) ++p;
    } else {
        while (*p && *p != L' ' && *p != L'\t') ++p;
    }
    while (*p == L' ' || *p == L'\t') ++p;
    return p;
}

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return std::string();
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], n, nullptr, nullptr);
    return out;
}

}  // namespace

int wmain() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring logFile = std::wstring(self) + L".log";
    const std::string line = Utf8(ParametersOf(GetCommandLineW())) + "\n";

    HANDLE mutex = CreateMutexW(nullptr, FALSE, L"OrvalenTestArgRecorder");
    if (mutex) WaitForSingleObject(mutex, 10000);
    HANDLE file = CreateFileW(logFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    int result = 1;
    if (file != INVALID_HANDLE_VALUE) {
        SetFilePointer(file, 0, nullptr, FILE_END);
        DWORD written = 0;
        if (WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr)) result = 0;
        CloseHandle(file);
    }
    if (mutex) {
        ReleaseMutex(mutex);
        CloseHandle(mutex);
    }
    return result;
}
