// orvdriver: drives and observes Orvalen from outside, inside the same Wine session.
// Each command prints its answer on stdout and exits 0 on success, 1 when the thing
// asked for was not found or timed out, 2 on a usage error.
#include <windows.h>

#include "framework/Handle.h"

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

int RunGuardCommand(int argc, wchar_t** argv);  // Guards.cpp
int RunWatchCommand(int argc, wchar_t** argv);  // Watch.cpp
int RunControlCommand(int argc, wchar_t** argv);  // Controls.cpp
int RunDesktopCommand(int argc, wchar_t** argv);  // Desktop.cpp
int RunGeometryCommand(int argc, wchar_t** argv);  // Geometry.cpp

namespace {

struct Finder {
    std::wstring title;      // "*": any
    std::wstring className;  // empty: any
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
    auto* f = reinterpret_cast<Finder*>(param);
    wchar_t text[512] = {}, cls[256] = {};
    GetWindowTextW(hwnd, text, 512);
    GetClassNameW(hwnd, cls, 256);
    if ((f->title == L"*" || f->title == text) && (f->className.empty() || f->className == cls))
        f->found.push_back(hwnd);
    return TRUE;
}

HWND FindTop(const std::wstring& title, const std::wstring& className = L"") {
    Finder f = {title, className, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&f));
    return f.found.empty() ? nullptr : f.found.front();
}

unsigned CountTop(const std::wstring& title) {
    Finder f = {title, L"", {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&f));
    return static_cast<unsigned>(f.found.size());
}

// Polls until the window is there (or, `gone`, no longer there) or the time is up.
HWND WaitFor(const std::wstring& title, DWORD timeoutMs, const std::wstring& className = L"", bool gone = false) {
    for (DWORD start = GetTickCount();; Sleep(50)) {
        HWND w = FindTop(title, className);
        if ((w != nullptr) != gone || GetTickCount() - start >= timeoutMs) return w;
    }
}

unsigned long ToNumber(const wchar_t* text) { return wcstoul(text, nullptr, 0); }

BOOL CALLBACK PrintStaticText(HWND hwnd, LPARAM) {
    wchar_t cls[64] = {}, text[2048] = {};
    GetClassNameW(hwnd, cls, 64);
    GetWindowTextW(hwnd, text, 2048);
    if (_wcsicmp(cls, L"Static") == 0 && text[0]) wprintf(L"%ls\n", text);
    return TRUE;
}

// Starts EXE with APPDATA set for it (Wine sets APPDATA itself otherwise) and prints the new
// process id. The child gets no handle of ours: a shell reading our output must not wait for it.
int Launch(int argc, wchar_t** argv) {
    SetEnvironmentVariableW(L"APPDATA", argv[2]);
    std::wstring line = L"\"" + std::wstring(argv[3]) + L"\"";
    for (int i = 4; i < argc; ++i) line += L" " + std::wstring(argv[i]);
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, TRUE};
    HANDLE nul = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                             OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = si.hStdOutput = si.hStdError = nul;
    PROCESS_INFORMATION pi = {};
    BOOL created = CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr, nullptr, &si, &pi);
    CloseHandle(nul);
    if (!created) return 1;
    wprintf(L"%lu\n", pi.dwProcessId);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return 0;
}

// The platform's one-line text of an error code as a log shows it: WinINet's for its
// codes, the system's for others; empty when there is none.
void PrintErrorText(DWORD code) {
    HMODULE wininet = LoadLibraryW(L"wininet.dll");
    bool fromWinInet = code >= 12001 && code <= 12156 && wininet;
    wchar_t text[2048] = {};
    DWORD n = FormatMessageW((fromWinInet ? FORMAT_MESSAGE_FROM_HMODULE : FORMAT_MESSAGE_FROM_SYSTEM) |
                                 FORMAT_MESSAGE_MAX_WIDTH_MASK | FORMAT_MESSAGE_IGNORE_INSERTS,
                             fromWinInet ? wininet : nullptr, code, 0, text, 2048, nullptr);
    std::wstring oneLine;
    for (DWORD i = 0; i < n; ++i)
        if (text[i] != L'\r' && text[i] != L'\n') oneLine += text[i];
    // A log line's text ends with neither a blank nor a line break.
    while (!oneLine.empty() && (oneLine.back() == L' ' || oneLine.back() == L'\t')) oneLine.pop_back();
    wprintf(L"[%ls]\n", oneLine.c_str());
}

int Usage() {
    fwprintf(stderr,
             L"usage: orvdriver launch APPDATA EXE [ARGS...] | kill PID | wait-pid PID MS | errtext CODE |\n"
             L"  wait-window TITLE MS | wait-gone TITLE MS | close-wait TITLE MS | count TITLE | rect TITLE | client TITLE |\n"
             L"  state TITLE | pid TITLE | exstyle TITLE | send|post TITLE MSG WP LP | command TITLE ID |\n"
             L"  key TITLE VK | close TITLE | minimize TITLE | msgbox CAPTION MS | msgbox-exstyle CAPTION |\n"
             L"  msgbox-press CAPTION ID | hold mutex|abandoned|event|file NAME MS | release | mutex-exists NAME |\n"
             L"  watch PID TITLE INTERVAL_MS SECONDS | tips TITLE | wait-menu MS [closed] | menu-rects |\n"
             L"  ctl-set|ctl-get|ctl-click|ctl-press|ctl-state|ctl-rect|ctl-focus|ctl-leave|ctl-key|ctl-rows|ctl-type TITLE ID [TEXT|VK] |\n"
             L"  ctl-press-answer|ctl-click-answer TITLE ID WINDOW | box-point ROW XBOX YBOX N [LAST]\n");
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return Usage();
    const std::wstring cmd = argv[1];
    for (auto run : {RunGuardCommand, RunWatchCommand, RunControlCommand, RunDesktopCommand, RunGeometryCommand}) {
        int result = run(argc, argv);
        if (result >= 0) return result;
    }
    if (cmd == L"launch" && argc >= 4) return Launch(argc, argv);
    if (cmd == L"menu-rects") {
        // The screen rectangle of each open popup menu, as "x y width height" lines.
        Finder f = {L"*", L"#32768", {}};
        EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&f));
        RECT rc;
        for (HWND menu : f.found)
            if (IsWindowVisible(menu) && GetWindowRect(menu, &rc))
                wprintf(L"%ld %ld %ld %ld\n", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
        return 0;
    }
    if (argc < 3) return Usage();
    if (cmd == L"wait-menu") {
        // Waits until a popup menu is open (a visible window of the menu class), or with
        // "closed" until none is.
        const bool closed = argc >= 4 && std::wstring(argv[3]) == L"closed";
        for (DWORD start = GetTickCount();; Sleep(50)) {
            Finder f = {L"*", L"#32768", {}};
            EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&f));
            bool open = false;
            for (HWND menu : f.found) open = open || IsWindowVisible(menu);
            if (open != closed) return 0;
            if (GetTickCount() - start >= ToNumber(argv[2])) return 1;
        }
    }
    if (cmd == L"errtext") {
        PrintErrorText(ToNumber(argv[2]));
        return 0;
    }
    if (cmd == L"kill" || cmd == L"wait-pid") {
        // wait-pid prints the exit code once the process has ended ("gone": no such process).
        HANDLE p = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, ToNumber(argv[2]));
        if (!p) return cmd == L"kill" ? 1 : (wprintf(L"gone\n"), 0);
        DWORD code = 0;
        if (cmd == L"kill") {
            // Its windows are asked to close first, as a user would end it (terminated after
            // 5 s): a process cut off while echo requests are pending leaves Wine's ICMP
            // service stuck for every later process of the session.
            Finder f;
            f.title = L"*";
            EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&f));
            bool asked = false;
            for (HWND w : f.found) {
                DWORD owner = 0;
                if (GetWindowThreadProcessId(w, &owner) && owner == ToNumber(argv[2]))
                    asked = PostMessageW(w, WM_CLOSE, 0, 0) || asked;
            }
            if (asked && WaitForSingleObject(p, 5000) == WAIT_OBJECT_0) return CloseHandle(p), 0;
        }
        bool ok = cmd == L"kill" ? TerminateProcess(p, 9) != FALSE
                                 : argc >= 4 && WaitForSingleObject(p, ToNumber(argv[3])) == WAIT_OBJECT_0 &&
                                       GetExitCodeProcess(p, &code) && (wprintf(L"%lu\n", code), true);
        CloseHandle(p);
        return ok ? 0 : 1;
    }
    const std::wstring title = argv[2];
    if (cmd == L"count") return wprintf(L"%u\n", CountTop(title)), 0;
    if (cmd == L"wait-gone" && argc >= 4) return WaitFor(title, ToNumber(argv[3]), L"", true) ? 1 : 0;
    // Message boxes are found by caption and dialog class; msgbox waits for one and prints its texts.
    const bool msgbox = cmd.compare(0, 6, L"msgbox") == 0;
    HWND w = cmd == L"wait-window" || cmd == L"msgbox"
                 ? WaitFor(title, argc >= 4 ? ToNumber(argv[3]) : 0, msgbox ? L"#32770" : L"")
                 : FindTop(title, msgbox ? L"#32770" : L"");
    if (!w) return 1;
    RECT rc;
    DWORD pid = 0;
    if (cmd == L"wait-window") {
        wprintf(L"%p\n", static_cast<void*>(w));
    } else if (cmd == L"msgbox") {
        EnumChildWindows(w, PrintStaticText, 0);
    } else if (cmd == L"msgbox-press" && argc >= 4) {
        const int id = static_cast<int>(ToNumber(argv[3]));
        PostMessageW(w, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(w, id)));
    } else if (cmd == L"rect" && GetWindowRect(w, &rc)) {
        wprintf(L"%ld %ld %ld %ld\n", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
    } else if (cmd == L"client" && GetClientRect(w, &rc)) {
        wprintf(L"%ld %ld\n", rc.right, rc.bottom);
    } else if (cmd == L"state") {
        wprintf(L"iconic=%d visible=%d foreground=%d\n", IsIconic(w) ? 1 : 0, IsWindowVisible(w) ? 1 : 0,
                GetForegroundWindow() == w ? 1 : 0);
    } else if (cmd == L"pid" && GetWindowThreadProcessId(w, &pid)) {
        wprintf(L"%lu\n", pid);
    } else if (cmd == L"exstyle" || cmd == L"msgbox-exstyle") {
        wprintf(L"0x%08lx\n", static_cast<unsigned long>(GetWindowLongW(w, GWL_EXSTYLE)));
    } else if (cmd == L"send" && argc >= 6) {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutW(w, static_cast<UINT>(ToNumber(argv[3])), ToNumber(argv[4]),
                                 static_cast<LPARAM>(ToNumber(argv[5])), SMTO_ABORTIFHUNG, 5000, &result))
            return 1;
        wprintf(L"%lu\n", static_cast<unsigned long>(result));
    } else if (cmd == L"post" && argc >= 6) {
        PostMessageW(w, static_cast<UINT>(ToNumber(argv[3])), ToNumber(argv[4]), static_cast<LPARAM>(ToNumber(argv[5])));
    } else if (cmd == L"command" && argc >= 4) {
        PostMessageW(w, WM_COMMAND, MAKEWPARAM(ToNumber(argv[3]), 0), 0);
    } else if (cmd == L"key" && argc >= 4) {
        PostMessageW(w, WM_KEYDOWN, ToNumber(argv[3]), 1);
        PostMessageW(w, WM_KEYUP, ToNumber(argv[3]), 0xC0000001);
    } else if (cmd == L"close-wait" && argc >= 4) {
        // The process is opened before its window is closed: once it has ended, its id may
        // name no process any more, and its exit code could not be read.
        GetWindowThreadProcessId(w, &pid);
        fw::CHandle p = fw::OpenProcessHandle(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, pid);
        DWORD code = 0;
        if (!p.Valid() || !PostMessageW(w, WM_CLOSE, 0, 0) || WaitForSingleObject(p.Get(), ToNumber(argv[3])) != WAIT_OBJECT_0 ||
            !GetExitCodeProcess(p.Get(), &code))
            return 1;
        wprintf(L"%lu\n", code);
    } else if (cmd == L"close") {
        PostMessageW(w, WM_CLOSE, 0, 0);
    } else if (cmd == L"minimize") {
        ShowWindow(w, SW_MINIMIZE);
    } else {
        return Usage();
    }
    return 0;
}
