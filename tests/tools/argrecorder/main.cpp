// Records how it was started: appends the part of its command line after the program
// name, as one UTF-8 line, to "<its own path>.log", and the arguments its C runtime
// made of that line to "<its own path>.argv": their count (the program's own included),
// then each argument in brackets. Several copies may run at once.
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {
std::string Utf8(const wchar_t* text) {
    std::string out(WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], static_cast<int>(out.size()), nullptr, nullptr);
    out.pop_back();  // the terminating zero
    return out;
}

bool Append(const std::wstring& path, const std::string& line) {
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    bool ok = file != INVALID_HANDLE_VALUE &&
              WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return ok;
}
}  // namespace

int wmain() {
    // The command line without the program name (quoted or not) and the blanks after it.
    const wchar_t* p = GetCommandLineW();
    if (*p == L'"') {
        for (++p; *p && *p != L'"'; ++p) {}
        if (*p) ++p;
    }
    for (; *p && *p != L' ' && *p != L'\t'; ++p) {}
    for (; *p == L' ' || *p == L'\t'; ++p) {}
    const std::string line = Utf8(p) + "\n";
    std::string arguments = std::to_string(__argc);
    for (int i = 0; i < __argc; ++i) arguments += " [" + Utf8(__wargv[i]) + "]";
    arguments += "\n";

    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    HANDLE mutex = CreateMutexW(nullptr, FALSE, L"OrvalenTestArgRecorder");
    if (mutex) WaitForSingleObject(mutex, 10000);
    const bool ok = Append(std::wstring(self) + L".log", line) & Append(std::wstring(self) + L".argv", arguments);
    if (mutex) {
        ReleaseMutex(mutex);
        CloseHandle(mutex);
    }
    return ok ? 0 : 1;
}
