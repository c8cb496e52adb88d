// The controls of another process's dialog, as a user meets them: type a text, read a
// text, click, read the enabled and checked states and where a control sits on the
// screen, move the focus into and out of a control, press a key in it, and read the
// tooltips and balloons that the process shows.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

HWND Control(const wchar_t* title, const wchar_t* id) {
    HWND dialog = FindWindowW(nullptr, title);
    return dialog ? GetDlgItem(dialog, static_cast<int>(wcstol(id, nullptr, 0))) : nullptr;
}

std::wstring TextOf(HWND window) {
    wchar_t text[2048] = {};
    DWORD_PTR n = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &n);
    return text;
}

struct TipQuery {
    DWORD pid;
};

BOOL CALLBACK PrintTip(HWND hwnd, LPARAM param) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t cls[32] = {};
    GetClassNameW(hwnd, cls, 32);
    if (pid == reinterpret_cast<TipQuery*>(param)->pid && IsWindowVisible(hwnd) && !wcscmp(cls, L"tooltips_class32"))
        wprintf(L"%ls\n", TextOf(hwnd).c_str());
    return TRUE;
}

}  // namespace

// -1 when the command is not one of these.
int RunControlCommand(int argc, wchar_t** argv) {
    const std::wstring cmd = argv[1];
    if (cmd == L"tips" && argc >= 3) {
        // The visible tooltips and balloons of the process that owns window TITLE.
        HWND owner = FindWindowW(nullptr, argv[2]);
        if (!owner) return 1;
        TipQuery query = {0};
        GetWindowThreadProcessId(owner, &query.pid);
        EnumWindows(PrintTip, reinterpret_cast<LPARAM>(&query));
        return 0;
    }
    if (cmd.rfind(L"ctl-", 0) != 0 || argc < 4) return -1;
    HWND control = Control(argv[2], argv[3]);
    if (!control) return 1;
    if (cmd == L"ctl-set" && argc >= 5) {
        // As if typed: the dialog gets its change notification (and may answer with a
        // message box, which is left for the caller).
        DWORD_PTR result = 0;
        SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]), SMTO_ABORTIFHUNG, 3000, &result);
    } else if (cmd == L"ctl-get") {
        wprintf(L"%ls\n", TextOf(control).c_str());
    } else if (cmd == L"ctl-click") {
        PostMessageW(control, BM_CLICK, 0, 0);
    } else if (cmd == L"ctl-press") {
        // A click that has been handled when the command returns.
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutW(control, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 10000, &result)) return 1;
    } else if (cmd == L"ctl-focus" || cmd == L"ctl-leave") {
        // Into the control; for ctl-leave then on to the next control, as Tab would.
        HWND dialog = GetParent(control);
        SendMessageTimeoutW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE, SMTO_ABORTIFHUNG, 3000,
                            nullptr);
        if (cmd == L"ctl-leave") SendMessageTimeoutW(dialog, WM_NEXTDLGCTL, 0, FALSE, SMTO_ABORTIFHUNG, 3000, nullptr);
    } else if (cmd == L"ctl-key" && argc >= 5) {
        const WPARAM vk = wcstoul(argv[4], nullptr, 0);
        SendMessageTimeoutW(control, WM_KEYDOWN, vk, 1, SMTO_ABORTIFHUNG, 3000, nullptr);
        SendMessageTimeoutW(control, WM_KEYUP, vk, 0xC0000001, SMTO_ABORTIFHUNG, 3000, nullptr);
    } else if (cmd == L"ctl-state") {
        DWORD_PTR checked = 0;
        SendMessageTimeoutW(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 3000, &checked);
        wprintf(L"enabled=%d checked=%d visible=%d\n", IsWindowEnabled(control) ? 1 : 0, static_cast<int>(checked),
                IsWindowVisible(control) ? 1 : 0);
    } else if (cmd == L"ctl-rect") {
        RECT rc;
        GetWindowRect(control, &rc);
        wprintf(L"%ld %ld %ld %ld\n", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
    } else {
        return -1;
    }
    return 0;
}
