// The tray menu's "Options..." and "About...": the two dialogs the main window owns.
#include "app/MainDlg.h"

#include "model/SettingKeys.h"
#include "model/SharedRoutines.h"

void CMainDlg::OnOptions() {
    CPropertiesDlg& dialog = m_dialogs.options;
    dialog.m_hParent = m_hWnd;
    // The window's option values are those in force (the threads' time-out and log file
    // type among them).
    CopySettingKeys(MainKeys(), Settings(), dialog.Settings(), kOptionKeys);
    dialog.m_nInstance = m_nInstance;
    dialog.m_strDefaultLogDir = m_files.folders.logs;

    switch (dialog.DoModal()) {
    case IDOK:
        OnOptionsApplied(dialog.Settings(), dialog.GetSafeHwnd());
        break;
    case IDCANCEL:
        SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOOWNERZORDER);
        // Undoes what the volume slider set while the dialog was open.
        SetWaveOutVolume(Volume);
        break;
    default:
        break;
    }
}

void CMainDlg::OnAbout() {
    m_dialogs.about.m_hParent = m_hWnd;
    m_dialogs.about.DoModal();
}
