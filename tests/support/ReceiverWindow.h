#pragma once
// A hidden window on the test's thread that plays the main window for monitoring
// threads: it answers UM_GET_MAIN_DLG and records every UM_CHECK_RESULT.
#include <functional>
#include <vector>
#include <windows.h>

#include "model/Messages.h"
#include "model/MonitorTypes.h"
#include "model/RecordLink.h"

struct ReceivedReport {
    UINT index;
    int status;
    CheckResult result;
    const CRecordLink* link;
};

class CReceiverWindow {
public:
    CReceiverWindow() {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &CReceiverWindow::WindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"OrvalenTestReceiver";
        RegisterClassW(&wc);  // fails harmlessly when already registered
        m_hWnd = CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                 wc.hInstance, nullptr);
        SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~CReceiverWindow() {
        SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hWnd);
    }
    CReceiverWindow(const CReceiverWindow&) = delete;
    CReceiverWindow& operator=(const CReceiverWindow&) = delete;

    HWND Handle() const { return m_hWnd; }

    // Pumps this thread's messages until `done` holds or `milliseconds` passed; returns `done`.
    bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds) {
        for (DWORD start = GetTickCount();; MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT)) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
            if (done()) return true;
            if (GetTickCount() - start >= milliseconds) return false;
        }
    }
    // Pumps until the thread handle is signalled (the thread ended) or the time is up.
    bool WaitThreadEnd(HANDLE thread, DWORD milliseconds) {
        return PumpUntil([thread] { return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; }, milliseconds);
    }

    std::vector<ReceivedReport> m_reports;
    bool m_bAnswerHandshake = true;  // false: UM_GET_MAIN_DLG gives no window object
    int m_nHandshakes = 0;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<CReceiverWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self && message == UM_GET_MAIN_DLG) {
            ++self->m_nHandshakes;
            return self->m_bAnswerHandshake ? reinterpret_cast<LRESULT>(self) : 0;
        }
        if (self && message == UM_CHECK_RESULT) {
            const auto* report = reinterpret_cast<const CheckReport*>(lParam);
            self->m_reports.push_back({LOWORD(wParam), static_cast<int>(HIWORD(wParam)),
                                       report ? report->result : CheckResult(), report ? report->link : nullptr});
            return 0;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    HWND m_hWnd = nullptr;
};
