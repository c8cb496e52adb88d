// The strip's timer: a monitor whose thread could not be created at the start is shown
// as ERROR with the system's code, and its thread runs about its interval later.
#include <gtest/gtest.h>

#include <string>
#include <windows.h>

#include "app/MainDlg.h"
#include "engine/RecordThread.h"
#include "support/ScopedAppData.h"

namespace {
bool g_noThreads = false;
bool CreateUnlessNoThreads(fw::CWinThread& thread) {
    if (!g_noThreads) return thread.CreateThread(CREATE_SUSPENDED);
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return false;
}

// A strip started while no thread can be created, which then watches its monitor.
class RetryingStrip : public CMainDlg {
public:
    RetryingStrip() : CMainDlg(nullptr, 0) {}
    int statusAtStart = 0;
    DWORD errorAtStart = 0;
    DWORD runningAfterMs = INFINITE;

protected:
    static constexpr UINT_PTR kWatch = 77;
    BOOL OnInitDialog() override {
        g_noThreads = true;
        m_startedAt = GetTickCount();  // before its start failed
        const BOOL result = CMainDlg::OnInitDialog();
        g_noThreads = false;
        statusAtStart = Records()[0]->m_nStatus;
        errorAtStart = Records()[0]->m_dwError;
        SetTimer(m_hWnd, kWatch, 50, nullptr);
        return result;
    }
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_TIMER || wParam != kWatch) return CMainDlg::DialogProc(message, wParam, lParam);
        const DWORD since = GetTickCount() - m_startedAt;
        if (Records()[0]->HasThread()) runningAfterMs = since;
        if (Records()[0]->HasThread() || since > 5000) EndDialog(IDOK);
        return TRUE;
    }

private:
    DWORD m_startedAt = 0;
};
}  // namespace

TEST(StartRetry, TheStripTriesAFailedStartAgainAfterTheInterval) {
    CTempAppData temp;
    const std::wstring base = temp.Path() + L"\\Carrowmede\\Orvalen";
    for (const std::wstring& folder : {temp.Path() + L"\\Carrowmede", base}) CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring ini = L"\xFEFF[main]\r\nNumBox=1\r\nFirstStart=0\r\nHideTaskBarButton=1\r\n"
                             L"[Box 0]\r\nName=*Up*\r\nCheckInterval=1\r\n";
    WriteBytes(base + L"\\MainConfAID1.ini", std::string(reinterpret_cast<const char*>(ini.data()), ini.size() * 2));
    const MonitorThreadCreator system = SetMonitorThreadCreator(&CreateUnlessNoThreads);
    RetryingStrip strip;
    ASSERT_EQ(strip.DoModal(), IDOK);
    SetMonitorThreadCreator(system);
    EXPECT_EQ(strip.statusAtStart, MON_ERROR);
    EXPECT_EQ(strip.errorAtStart, static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
    EXPECT_TRUE(strip.runningAfterMs >= 950 && strip.runningAfterMs < 3000) << strip.runningAfterMs;
}
