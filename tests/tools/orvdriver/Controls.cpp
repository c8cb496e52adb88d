// The controls of another process's dialog, as a user meets them: type a text, read a
// text (or type it key by key), click (and time the answer of a window after it),
// read the enabled and checked states and where a control sits on the
// screen, move the focus into and out of a control, press a key in it, read a list
// view's rows, and read the tooltips and balloons that the process shows.
#include <windows.h>

#include <commctrl.h>

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

// The cells of a list view in another process: the list answers only with pointers, so
// the item and its text buffer live in the program's own memory.
class RemoteListReader {
public:
    explicit RemoteListReader(HWND list) : m_list(list) {
        DWORD pid = 0;
        GetWindowThreadProcessId(list, &pid);
        m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (m_process)
            m_remote = static_cast<BYTE*>(
                VirtualAllocEx(m_process, nullptr, kSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    }
    ~RemoteListReader() {
        if (m_remote) VirtualFreeEx(m_process, m_remote, 0, MEM_RELEASE);
        if (m_process) CloseHandle(m_process);
    }
    bool Ready() const { return m_remote != nullptr; }

    std::wstring Text(int row, int column) {
        LVITEMW item = {};
        item.iSubItem = column;
        item.pszText = reinterpret_cast<wchar_t*>(m_remote + sizeof(LVITEMW));
        item.cchTextMax = kChars;
        SIZE_T done = 0;
        WriteProcessMemory(m_process, m_remote, &item, sizeof(item), &done);
        SendMessageW(m_list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(m_remote));
        wchar_t text[kChars + 1] = {};
        ReadProcessMemory(m_process, m_remote + sizeof(LVITEMW), text, kChars * sizeof(wchar_t), &done);
        return text;
    }

private:
    static constexpr int kChars = 1024;
    static constexpr SIZE_T kSize = sizeof(LVITEMW) + (kChars + 1) * sizeof(wchar_t);
    HWND m_list;
    HANDLE m_process = nullptr;
    BYTE* m_remote = nullptr;
};

// One line per row, the columns separated by "|", "*" before a selected row.
int PrintListRows(HWND list) {
    RemoteListReader reader(list);
    if (!reader.Ready()) return 1;
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int columns = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
    const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row) {
        std::wstring line = (SendMessageW(list, LVM_GETITEMSTATE, row, LVIS_SELECTED) & LVIS_SELECTED) ? L"*" : L"";
        for (int column = 0; column < columns; ++column) line += (column ? L"|" : L"") + reader.Text(row, column);
        wprintf(L"%ls\n", line.c_str());
    }
    return 0;
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
    } else if (cmd == L"ctl-press-answer" && argc >= 5) {
        // The click, then at once a message to window argv[4]: prints the milliseconds it
        // took that window to answer (the time a user waits after the click).
        HWND other = FindWindowW(nullptr, argv[4]);
        DWORD_PTR result = 0;
        if (!other || !SendMessageTimeoutW(control, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 10000, &result)) return 1;
        const DWORD start = GetTickCount();
        if (!SendMessageTimeoutW(other, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result)) return 1;
        wprintf(L"%lu\n", static_cast<unsigned long>(GetTickCount() - start));
    } else if (cmd == L"ctl-click-answer" && argc >= 5) {
        // The click posted, as a user's click arrives; then messages to window argv[4]
        // until one is answered after the dialog has gone: prints the milliseconds from
        // the post to that answer (all a user waits, the click's own handling included).
        HWND dialog = GetParent(control), other = FindWindowW(nullptr, argv[4]);
        const DWORD start = GetTickCount();
        if (!other || !PostMessageW(control, BM_CLICK, 0, 0)) return 1;
        for (bool gone = false; !gone;) {
            gone = !IsWindow(dialog);
            DWORD_PTR result = 0;
            if (!SendMessageTimeoutW(other, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result)) return 1;
            if (GetTickCount() - start > 10000) return 1;
            if (!gone) Sleep(5);
        }
        wprintf(L"%lu\n", static_cast<unsigned long>(GetTickCount() - start));
    } else if (cmd == L"ctl-type" && argc >= 5) {
        // Each character as the keyboard gives it, at the caret: the edit's own limits hold.
        for (const wchar_t* c = argv[4]; *c; ++c)
            SendMessageTimeoutW(control, WM_CHAR, *c, 1, SMTO_ABORTIFHUNG, 3000, nullptr);
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
    } else if (cmd == L"ctl-rows") {
        return PrintListRows(control);
    } else if (cmd == L"ctl-rect") {
        RECT rc;
        GetWindowRect(control, &rc);
        wprintf(L"%ld %ld %ld %ld\n", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
    } else {
        return -1;
    }
    return 0;
}
