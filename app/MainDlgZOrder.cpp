// The three z-order modes (tray menu commands, and applied by OnInitDialog); each is
// written back as "WinBeh".
#include "app/MainDlg.h"
#include "model/MainConfig.h"

void CMainDlg::OnAlwaysTop() {
    WinBeh = ZORDER_ALWAYS_TOP;
    BringWindowToTop(m_hWnd);
    SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    SaveMainKey(&MainSettings::WinBeh);
}

void CMainDlg::OnNormal() {
    WinBeh = ZORDER_NORMAL;
    BringWindowToTop(m_hWnd);
    SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    SaveMainKey(&MainSettings::WinBeh);
}

void CMainDlg::OnAlwaysBottom() {
    WinBeh = ZORDER_ALWAYS_BOTTOM;
    // Without SWP_NOACTIVATE the system activates and raises the window first.
    SetWindowPos(m_hWnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    SaveMainKey(&MainSettings::WinBeh);
}
