#include "app/MainDlg.h"

#include "model/SettingKeys.h"

// Expects the file paths and folders to be set and no record to exist (after a restore
// or a reset the records are destroyed first). Starts no thread.
void CMainDlg::LoadConfig() {
    m_monitors.Load(LoadMainConfig(m_files.main, ConfigFolders{m_files.folders.pictures, m_files.folders.logs}, Settings()));
    PublishThreadSettings(Settings());
    // Pictures only once every record exists.
    for (int i = 0; i < m_monitors.Count(); ++i) LoadBoxPictures(i);
}

void CMainDlg::SaveMonitor(int slot) { WriteMonitorSection(m_files.main, static_cast<UINT>(slot), *m_monitors[slot]); }

void CMainDlg::SaveMonitorsFrom(int slot) {
    for (int i = slot; i < m_monitors.Count(); ++i) SaveMonitor(i);
}

LRESULT CMainDlg::OnOptionsApplied(const MainSettings& dialog, HWND dialogWindow) {
    const bool buttonSwitched = dialog.HideTaskBarButton != HideTaskBarButton;
    CopySettingKeys(MainKeys(), dialog, Settings(), kOptionKeys);
    // Threads read the time-out, log settings and error sounds at the moment they need them.
    PublishThreadSettings(Settings());
    if (buttonSwitched) {
        ShowWindow(m_hWnd, SW_HIDE);
        ApplyTaskbarButton();
        ShowWindow(m_hWnd, SW_SHOW);
    }
    FitWindowToBoxes();
    WriteSettingKeys(m_files.main, kMainSection, MainKeys(), Settings(), kOptionKeys);
    if (dialogWindow && IsWindowVisible(dialogWindow)) SetFocus(dialogWindow);
    return 0;
}
