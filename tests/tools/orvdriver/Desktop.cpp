// The desktop around the program: its threads held still (a program that does not
// answer), the work area, and where a window stands in the window order.
//   suspend PID | resume PID   every thread of the process
//   workarea                   the primary work area: left top right bottom
//   zorder TITLE               the window's place among the visible top-level windows,
//                              from the top (0)
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

bool ForEachThread(DWORD pid, bool suspend) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    bool any = false;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != pid) continue;
        HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID);
        if (!thread) continue;
        if ((suspend ? SuspendThread(thread) : ResumeThread(thread)) != static_cast<DWORD>(-1)) any = true;
        CloseHandle(thread);
    }
    CloseHandle(snapshot);
    return any;
}

}  // namespace

// -1 when the command is not one of these.
int RunDesktopCommand(int argc, wchar_t** argv) {
    const std::wstring cmd = argv[1];
    if ((cmd == L"suspend" || cmd == L"resume") && argc >= 3)
        return ForEachThread(static_cast<DWORD>(wcstoul(argv[2], nullptr, 10)), cmd == L"suspend") ? 0 : 1;
    if (cmd == L"workarea") {
        RECT work = {};
        if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) return 1;
        wprintf(L"%ld %ld %ld %ld\n", work.left, work.top, work.right, work.bottom);
        return 0;
    }
    if (cmd == L"zorder" && argc >= 3) {
        HWND target = FindWindowW(nullptr, argv[2]);
        if (!target) return 1;
        int place = 0;
        for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
            if (w == target) {
                wprintf(L"%d\n", place);
                return 0;
            }
            if (IsWindowVisible(w)) ++place;
        }
        return 1;
    }
    return -1;
}
