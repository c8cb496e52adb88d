// Records how it was started: appends the part of its command line after the program
// name, as one UTF-8 line, to "<its own path>.log". Several copies may run at once.
#include <windows.h>

#include <string>

int wmain() {
    // The command line without the program name (quoted or not) and the blanks after it.
    const wchar_t* p = GetCommandLineW();
    if (*p == L'"') {
        for (++p; *p && *p != L'"'; ++p) {}
        if (*p) ++p;
    }
    for (; *p && *p != L' ' && *p != L'\t'; ++p) {}
    for (; *p == L' ' || *p == L'\t'; ++p) {}
    std::string line(WideCharToMultiByte(CP_UTF8, 0, p, -1, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, p, -1, &line[0], static_cast<int>(line.size()), nullptr, nullptr);
    line.back() = '\n';  // in place of the terminating zero

    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    HANDLE mutex = CreateMutexW(nullptr, FALSE, L"OrvalenTestArgRecorder");
    if (mutex) WaitForSingleObject(mutex, 10000);
    HANDLE file = CreateFileW((std::wstring(self) + L".log").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    bool ok = file != INVALID_HANDLE_VALUE &&
              WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (mutex) {
        ReleaseMutex(mutex);
        CloseHandle(mutex);
    }
    return ok ? 0 : 1;
}
