// The settings dialogs the strip owns that may be open while it stays usable.
#include "app/MainDlg.h"

CMainDlg::SettingsDialogWindows CMainDlg::OpenDialogWindows() const {
    return {m_dlgMonitor.GetSafeHwnd(), m_dlgOptions.GetSafeHwnd(), m_dlgAbout.GetSafeHwnd(),
            m_dlgNetMsg.GetSafeHwnd(), m_dlgCustomMenu.GetSafeHwnd()};
}

bool CMainDlg::SettingsDialogWindows::BlockingShown() const {
    for (HWND dialog : {monitor, options, customMenu, about})
        if (IsShown(dialog)) return true;
    return false;
}
