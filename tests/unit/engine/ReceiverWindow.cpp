#include "ReceiverWindow.h"

#include "model/Messages.h"
#include "model/RecordLink.h"

namespace {
const wchar_t kClassName[] = L"OrvalenTestReceiver";
}

CReceiverWindow::CReceiverWindow() {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &CReceiverWindow::WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    RegisterClassW(&wc);  // fails harmlessly when already registered
    m_hWnd = CreateWindowExW(0, kClassName, L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

CReceiverWindow::~CReceiverWindow() {
    SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
    DestroyWindow(m_hWnd);
}

LRESULT CALLBACK CReceiverWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
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

bool CReceiverWindow::PumpUntil(const std::function<bool()>& done, DWORD milliseconds) {
    DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        if (done()) return true;
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= milliseconds) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

bool CReceiverWindow::WaitThreadEnd(HANDLE thread, DWORD milliseconds) {
    return PumpUntil([thread] { return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; }, milliseconds);
}
