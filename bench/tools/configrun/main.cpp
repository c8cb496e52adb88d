// configrun: starts Orvalen once for each of the given main configuration files, each
// in a fresh application-data folder, and tells for each whether the program came up,
// what strip it shows, and whether it ended cleanly when its window was closed.
//   configrun EXE SCRATCH_FOLDER FILE...
// One line per file: file=NAME shown=1 strips=N/X/Y/R,... exit=CODE, or the step that
// failed (no_window, no_strip, no_exit). The strip is recognised by its size: every
// strip of N boxes of X by Y pixels in a row (R 1) or a column (R 0), with N, X and Y
// within the limits the program keeps (1..70, 60..200, 60..150), whose window has it.
#include <windows.h>

#include "support/ProcessWindow.h"
#include <shlwapi.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "app/StripGeometry.h"
#include "support/TempFiles.h"

namespace {

const wchar_t kTitle[] = L"Orvalen ";
constexpr DWORD kStartLimitMs = 30000;
constexpr DWORD kExitLimitMs = 20000;

// Every strip within the limits whose window has this size (a row of 70 boxes 60 wide
// is as long as one of 35 boxes 121 wide).
std::vector<StripShape> StripsOfSize(SIZE size) {
    std::vector<StripShape> found;
    for (int row = 1; row >= 0; --row)
        for (int n = 1; n <= kMaxMonitors; ++n)
            for (int x = kMinBoxWidth; x <= kMaxBoxWidth; ++x)
                for (int y = kMinBoxHeight; y <= kMaxBoxHeight; ++y) {
                    StripShape s = {n, row != 0, x, y};
                    SIZE expected = StripWindowSize(s);
                    if (expected.cx == size.cx && expected.cy == size.cy) found.push_back(s);
                }
    return found;
}

// Runs one file; prints its line.
void RunOne(const std::wstring& exe, const std::wstring& scratch, const std::wstring& file) {
    const std::wstring appData = scratch + L"\\appdata";
    RemoveTree(appData);
    const std::wstring dataFolder = appData + L"\\Carrowmede\\Orvalen";
    CreateDirectoryW(scratch.c_str(), nullptr);
    CreateDirectoryW(appData.c_str(), nullptr);
    CreateDirectoryW((appData + L"\\Carrowmede").c_str(), nullptr);
    CreateDirectoryW(dataFolder.c_str(), nullptr);
    CopyFileW(file.c_str(), (dataFolder + L"\\MainConfAID1.ini").c_str(), FALSE);
    wprintf(L"file=%ls", PathFindFileNameW(file.c_str()));

    SetEnvironmentVariableW(L"APPDATA", appData.c_str());
    std::wstring line = L"\"" + exe + L"\"";
    std::vector<wchar_t> buffer(line.begin(), line.end());
    buffer.push_back(0);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr, &si,
                        &pi)) {
        wprintf(L" no_start=%lu\n", GetLastError());
        return;
    }
    CloseHandle(pi.hThread);
    const DWORD start = GetTickCount();
    HWND window = nullptr;
    while (!window && GetTickCount() - start < kStartLimitMs && WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) {
        window = FindProcessWindow(pi.dwProcessId, kTitle, true);
        if (!window) Sleep(20);
    }
    if (!window) {
        DWORD code = 0;
        GetExitCodeProcess(pi.hProcess, &code);
        wprintf(L" no_window=1 exit=%lu\n", code);
        TerminateProcess(pi.hProcess, 9);
        CloseHandle(pi.hProcess);
        return;
    }
    wprintf(L" window_ms=%lu", GetTickCount() - start);
    // Let the monitoring threads run their first checks before closing.
    Sleep(500);
    RECT rc;
    GetWindowRect(window, &rc);
    std::vector<StripShape> strips = StripsOfSize({rc.right - rc.left, rc.bottom - rc.top});
    if (strips.empty()) wprintf(L" no_strip=%ldx%ld", rc.right - rc.left, rc.bottom - rc.top);
    for (size_t i = 0; i < strips.size(); ++i)
        wprintf(L"%ls%d/%d/%d/%d", i == 0 ? L" shown=1 strips=" : L",", strips[i].numBox, strips[i].xBox,
                strips[i].yBox, strips[i].row ? 1 : 0);
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, kExitLimitMs) != WAIT_OBJECT_0) {
        wprintf(L" no_exit=1\n");
        TerminateProcess(pi.hProcess, 9);
    } else {
        DWORD code = 0;
        GetExitCodeProcess(pi.hProcess, &code);
        wprintf(L" exit=%lu\n", code);
    }
    fflush(stdout);
    CloseHandle(pi.hProcess);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        fwprintf(stderr, L"usage: configrun EXE SCRATCH_FOLDER FILE...\n");
        return 2;
    }
    for (int i = 3; i < argc; ++i) RunOne(argv[1], argv[2], argv[i]);
    return 0;
}
