#pragma once
// Finding another process's top-level window by its exact title.
#include <windows.h>

#include <cwchar>

namespace detail {
struct ProcessWindowQuery {
    DWORD pid;
    const wchar_t* title;
    bool mustBeVisible;
    HWND found;
};

inline BOOL CALLBACK MatchProcessWindow(HWND hwnd, LPARAM param) {
    auto* q = reinterpret_cast<ProcessWindowQuery*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    if (pid != q->pid || wcscmp(text, q->title) != 0) return TRUE;
    if (q->mustBeVisible && !IsWindowVisible(hwnd)) return TRUE;
    q->found = hwnd;
    return FALSE;
}
}  // namespace detail

// The window of process `pid` titled exactly `title` (and visible, when asked), or none.
inline HWND FindProcessWindow(DWORD pid, const wchar_t* title, bool mustBeVisible) {
    detail::ProcessWindowQuery q = {pid, title, mustBeVisible, nullptr};
    EnumWindows(detail::MatchProcessWindow, reinterpret_cast<LPARAM>(&q));
    return q.found;
}
