#pragma once
// A hidden window on the test's thread that plays the main window for monitoring
// threads: it answers UM_GET_MAIN_DLG and records every UM_CHECK_RESULT.
#include <functional>
#include <vector>
#include <windows.h>

#include "model/MonitorTypes.h"

class CRecordLink;

struct ReceivedReport {
    UINT index;
    int status;
    CheckResult result;
    const CRecordLink* link;
};

class CReceiverWindow {
public:
    CReceiverWindow();
    ~CReceiverWindow();
    CReceiverWindow(const CReceiverWindow&) = delete;
    CReceiverWindow& operator=(const CReceiverWindow&) = delete;

    HWND Handle() const { return m_hWnd; }

    // Pumps this thread's messages until `done` holds or `milliseconds` passed; returns `done`.
    bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds);
    // Pumps until the thread handle is signalled (the thread ended) or the time is up.
    bool WaitThreadEnd(HANDLE thread, DWORD milliseconds);

    std::vector<ReceivedReport> m_reports;
    bool m_bAnswerHandshake = true;  // false: UM_GET_MAIN_DLG gives no window object
    int m_nHandshakes = 0;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND m_hWnd = nullptr;
};
