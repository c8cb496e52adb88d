#pragma once
// Answers the message boxes that this process shows while it lives: each is closed
// with OK and its text recorded, so a test on the UI thread can run code that shows
// one and then check what the user would have read.
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>
#include <windows.h>

#include "support/CommonDialogIds.h"

class CMessageBoxWatcher {
public:
    CMessageBoxWatcher() : m_thread([this] { Run(); }) {}
    ~CMessageBoxWatcher() {
        m_stop = true;
        m_thread.join();
    }
    // The texts of the boxes answered since the last call.
    std::vector<std::wstring> Take() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return std::exchange(m_texts, {});
    }

private:
    static BOOL CALLBACK Visit(HWND hwnd, LPARAM param) {
        auto* self = reinterpret_cast<CMessageBoxWatcher*>(param);
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        wchar_t cls[16] = {};
        GetClassNameW(hwnd, cls, 16);
        HWND text = GetDlgItem(hwnd, kMessageBoxText);
        if (pid != GetCurrentProcessId() || wcscmp(cls, L"#32770") != 0 || !text || !IsWindowVisible(hwnd)) return TRUE;
        wchar_t buffer[1024] = {};
        GetWindowTextW(text, buffer, 1024);
        {
            std::lock_guard<std::mutex> lock(self->m_mutex);
            self->m_texts.push_back(buffer);
        }
        SendMessageW(hwnd, WM_COMMAND, IDOK, 0);
        return TRUE;
    }
    void Run() {
        while (!m_stop) {
            EnumWindows(Visit, reinterpret_cast<LPARAM>(this));
            Sleep(20);
        }
    }

    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::vector<std::wstring> m_texts;
    std::thread m_thread;
};
