// orvdriver: drives and observes Orvalen from outside, inside the same Wine session.
// Each command prints its answer on stdout and exits 0 on success, 1 when the thing
// asked for was not found or timed out, 2 on a usage error.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

int RunGuardCommand(int argc, wchar_t** argv);  // Guards.cpp

namespace {

struct Finder {
    std::wstring title;
    std::wstring className;  // empty: any class
    DWORD pid = 0;           // 0: any process
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
    auto* f = reinterpret_cast<Finder*>(param);
    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    if (f->title != L"*" && f->title != text) return TRUE;
    if (!f->className.empty()) {
        wchar_t cls[256] = {};
        GetClassNameW(hwnd, cls, 256);
        if (f->className != cls) return TRUE;
    }
    if (f->pid) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid != f->pid) return TRUE;
    }
    f->found.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> FindTopWindows(const std::wstring& title, const std::wstring& className = L"") {
    Finder f;
    f.title = title;
    f.className = className;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&f));
    return f.found;
}

HWND FindOne(const std::wstring& title) {
    auto all = FindTopWindows(title);
    return all.empty() ? nullptr : all.front();
}

HWND WaitFor(const std::wstring& title, DWORD timeoutMs, const std::wstring& className = L"") {
    DWORD start = GetTickCount();
    for (;;) {
        auto all = FindTopWindows(title, className);
        if (!all.empty()) return all.front();
        if (GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(50);
    }
}

unsigned long ToNumber(const wchar_t* text) { return wcstoul(text, nullptr, 0); }

BOOL CALLBACK PrintChildText(HWND hwnd, LPARAM) {
    wchar_t cls[64] = {};
    GetClassNameW(hwnd, cls, 64);
    wchar_t text[2048] = {};
    GetWindowTextW(hwnd, text, 2048);
    if (_wcsicmp(cls, L"Static") == 0 && text[0]) wprintf(L"%ls\n", text);
    return TRUE;
}

int Usage() {
    fwprintf(stderr,
             L"usage: orvdriver launch APPDATA EXE [ARGS...] | wait-window TITLE MS | wait-gone TITLE MS |\n"
             L"  count TITLE | rect TITLE | client TITLE | state TITLE | pid TITLE | send TITLE MSG WP LP |\n"
             L"  post TITLE MSG WP LP | command TITLE ID | key TITLE VK | close TITLE | minimize TITLE |\n"
             L"  exstyle TITLE | msgbox CAPTION MS | msgbox-exstyle CAPTION | msgbox-press CAPTION ID | kill PID |\n"
             L"  wait-pid PID MS | errtext CODE | hold mutex|abandoned|event NAME MS | release |\n"
             L"  mutex-exists NAME\n");
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return Usage();
    std::wstring cmd = argv[1];
    int guardResult = RunGuardCommand(argc, argv);
    if (guardResult >= 0) return guardResult;

    if (cmd == L"launch" && argc >= 4) {
        // Starts EXE with APPDATA set for it (Wine sets APPDATA itself otherwise) and
        // prints the new process id.
        SetEnvironmentVariableW(L"APPDATA", argv[2]);
        std::wstring line = L"\"" + std::wstring(argv[3]) + L"\"";
        for (int i = 4; i < argc; ++i) line += L" " + std::wstring(argv[i]);
        // The child gets no handle of ours: a shell reading our output must not wait
        // for the child to end.
        SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, TRUE};
        HANDLE nul = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                                 OPEN_EXISTING, 0, nullptr);
        STARTUPINFOW si = {};
        si.cb = sizeof(si);
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdInput = nul;
        si.hStdOutput = nul;
        si.hStdError = nul;
        PROCESS_INFORMATION pi = {};
        std::vector<wchar_t> buffer(line.begin(), line.end());
        buffer.push_back(0);
        BOOL created = CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr,
                                      nullptr, &si, &pi);
        CloseHandle(nul);
        if (!created) {
            fwprintf(stderr, L"CreateProcess failed: %lu\n", GetLastError());
            return 1;
        }
        wprintf(L"%lu\n", pi.dwProcessId);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        return 0;
    }
    if (cmd == L"kill" && argc >= 3) {
        HANDLE p = OpenProcess(PROCESS_TERMINATE, FALSE, ToNumber(argv[2]));
        if (!p) return 1;
        BOOL ok = TerminateProcess(p, 9);
        CloseHandle(p);
        return ok ? 0 : 1;
    }
    if (cmd == L"wait-pid" && argc >= 4) {
        // Waits until the process ends; prints its exit code.
        HANDLE p = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, ToNumber(argv[2]));
        if (!p) {
            wprintf(L"gone\n");
            return 0;
        }
        DWORD r = WaitForSingleObject(p, ToNumber(argv[3]));
        DWORD code = 0;
        GetExitCodeProcess(p, &code);
        CloseHandle(p);
        if (r != WAIT_OBJECT_0) return 1;
        wprintf(L"%lu\n", code);
        return 0;
    }
    if (cmd == L"msgbox" && argc >= 4) {
        // Waits for a message box with this caption and prints its texts.
        HWND box = WaitFor(argv[2], ToNumber(argv[3]), L"#32770");
        if (!box) return 1;
        EnumChildWindows(box, PrintChildText, 0);
        return 0;
    }
    if (cmd == L"errtext" && argc >= 3) {
        // The platform's one-line text of an error code as a log shows it: WinINet's
        // for its codes, the system's for others; empty when there is none.
        DWORD code = ToNumber(argv[2]);
        HMODULE wininet = LoadLibraryW(L"wininet.dll");
        bool fromWinInet = code >= 12001 && code <= 12156 && wininet;
        wchar_t text[2048] = {};
        DWORD n = FormatMessageW((fromWinInet ? FORMAT_MESSAGE_FROM_HMODULE : FORMAT_MESSAGE_FROM_SYSTEM) |
                                     FORMAT_MESSAGE_MAX_WIDTH_MASK | FORMAT_MESSAGE_IGNORE_INSERTS,
                                 fromWinInet ? wininet : nullptr, code, 0, text, 2048, nullptr);
        std::wstring line(text, n);
        std::wstring oneLine;
        for (wchar_t c : line)
            if (c != L'\r' && c != L'\n') oneLine += c;
        wprintf(L"[%ls]\n", oneLine.c_str());
        return 0;
    }
    if (cmd == L"msgbox-exstyle" && argc >= 3) {
        auto all = FindTopWindows(argv[2], L"#32770");
        if (all.empty()) return 1;
        wprintf(L"0x%08lx\n", static_cast<unsigned long>(GetWindowLongW(all.front(), GWL_EXSTYLE)));
        return 0;
    }
    if (cmd == L"msgbox-press" && argc >= 4) {
        HWND box = FindOne(argv[2]);
        auto all = FindTopWindows(argv[2], L"#32770");
        if (all.empty()) return 1;
        box = all.front();
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(ToNumber(argv[3]), BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, static_cast<int>(ToNumber(argv[3])))));
        return 0;
    }
    if (argc < 3) return Usage();
    std::wstring title = argv[2];

    if (cmd == L"wait-window" && argc >= 4) {
        HWND w = WaitFor(title, ToNumber(argv[3]));
        if (!w) return 1;
        wprintf(L"%p\n", static_cast<void*>(w));
        return 0;
    }
    if (cmd == L"wait-gone" && argc >= 4) {
        DWORD start = GetTickCount();
        while (FindOne(title)) {
            if (GetTickCount() - start >= ToNumber(argv[3])) return 1;
            Sleep(50);
        }
        return 0;
    }
    if (cmd == L"count") {
        wprintf(L"%u\n", static_cast<unsigned>(FindTopWindows(title).size()));
        return 0;
    }
    HWND w = FindOne(title);
    if (!w) return 1;
    if (cmd == L"rect") {
        RECT rc;
        GetWindowRect(w, &rc);
        wprintf(L"%ld %ld %ld %ld\n", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
    } else if (cmd == L"client") {
        RECT rc;
        GetClientRect(w, &rc);
        wprintf(L"%ld %ld\n", rc.right, rc.bottom);
    } else if (cmd == L"state") {
        wprintf(L"iconic=%d visible=%d foreground=%d\n", IsIconic(w) ? 1 : 0, IsWindowVisible(w) ? 1 : 0,
                GetForegroundWindow() == w ? 1 : 0);
    } else if (cmd == L"pid") {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        wprintf(L"%lu\n", pid);
    } else if (cmd == L"exstyle") {
        wprintf(L"0x%08lx\n", static_cast<unsigned long>(GetWindowLongW(w, GWL_EXSTYLE)));
    } else if ((cmd == L"send" || cmd == L"post") && argc >= 6) {
        UINT msg = static_cast<UINT>(ToNumber(argv[3]));
        WPARAM wp = ToNumber(argv[4]);
        LPARAM lp = static_cast<LPARAM>(ToNumber(argv[5]));
        if (cmd == L"send") {
            DWORD_PTR result = 0;
            if (!SendMessageTimeoutW(w, msg, wp, lp, SMTO_ABORTIFHUNG, 5000, &result)) return 1;
            wprintf(L"%lu\n", static_cast<unsigned long>(result));
        } else {
            PostMessageW(w, msg, wp, lp);
        }
    } else if (cmd == L"command" && argc >= 4) {
        PostMessageW(w, WM_COMMAND, MAKEWPARAM(ToNumber(argv[3]), 0), 0);
    } else if (cmd == L"key" && argc >= 4) {
        UINT vk = static_cast<UINT>(ToNumber(argv[3]));
        PostMessageW(w, WM_KEYDOWN, vk, 1);
        PostMessageW(w, WM_KEYUP, vk, 0xC0000001);
    } else if (cmd == L"close") {
        PostMessageW(w, WM_CLOSE, 0, 0);
    } else if (cmd == L"minimize") {
        ShowWindow(w, SW_MINIMIZE);
    } else {
        return Usage();
    }
    return 0;
}
