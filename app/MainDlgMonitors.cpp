// Adding and editing monitors: the monitor dialog filled from the new-monitor values or
// a record, and its settings applied to the records, the threads and the file.
#include "app/MainDlg.h"

#include "model/Messages.h"
#include "model/MonitorTypes.h"
#include "model/SettingKeys.h"
#include "model/SharedSettings.h"
#include "model/SkinFiles.h"
#include "resource.h"

namespace {

// What a new monitor starts with: the keys' defaults, no name or address yet, and the
// look of the default skin.
MonitorSettings NewMonitorSettings(CIniFile& defaultSkin) {
    MonitorSettings s = DefaultMonitorSettings();
    s.Name.clear();
    s.IPorURLAddress.clear();
    ReadSkinLook(defaultSkin, SkinLook::Of(s)).ApplyTo(s);
    return s;
}

}  // namespace

void CMainDlg::PrepareMonitorDialog(bool addMode) {
    CBoxPropertiesDlg& dlg = m_dlgMonitor;
    dlg.m_hParent = m_hWnd;
    dlg.m_nPreviewWidth = XBox;
    dlg.m_nPreviewHeight = YBox;
    dlg.m_bAddMode = dlg.m_bDefaultSkin = addMode ? TRUE : FALSE;
    const CSharedSettings& shared = CSharedSettings::Get();
    dlg.CustomSoundError = shared.CustomSoundError;
    dlg.CustomSoundPathError = shared.CustomSoundPathError();
    dlg.TextSpeechSoundError = shared.TextSpeechSoundError;
    dlg.TextSpeechTextError = shared.TextSpeechTextError();
    dlg.m_strDataFolder = m_strBaseFolder;
}

// After Cancel the strip comes back to the top of its own z-order band.
void CMainDlg::RaiseAfterCancel() {
    SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOOWNERZORDER);
}

// The dialog is one object: while it is open (the strip stays usable), a second Add or
// Edit brings it to the front instead of running it again.
bool CMainDlg::MonitorDialogAlreadyOpen() {
    if (!m_dlgMonitor.m_hWnd) return false;
    SetForegroundWindow(m_dlgMonitor.m_hWnd);
    return true;
}

void CMainDlg::AddMonitor() {
    if (MonitorDialogAlreadyOpen()) return;
    m_dlgMonitor.LoadSettings(NewMonitorSettings(m_iniDefaultSkin));
    m_dlgMonitor.m_strUrlHost.clear();
    m_dlgMonitor.m_nUrlPort = 80;
    PrepareMonitorDialog(true);
    m_monitorDialogMode = MonitorDialogMode::Add;
    const INT_PTR result = m_dlgMonitor.DoModal();
    if (result == IDOK) {
        OnApplyMonitorProperties(0, 0);
        FitWindowToBoxes();
    } else if (result == IDCANCEL) {
        RaiseAfterCancel();
    }
}

void CMainDlg::EditMonitor(int box) {
    if (MonitorDialogAlreadyOpen()) return;
    if (box < 1 || box > NumBox || !m_apRecords[box - 1]) return;
    const CMonitorRecord& record = *m_apRecords[box - 1];
    m_dlgMonitor.LoadSettings(record);
    // The dialog carries the low byte of the message-box mask.
    m_dlgMonitor.MsgBox = record.MsgBox & 0xFF;
    PrepareMonitorDialog(false);
    m_monitorDialogMode = MonitorDialogMode::Edit;
    const INT_PTR result = m_dlgMonitor.DoModal();
    if (result == IDOK)
        OnApplyMonitorProperties(0, 0);
    else if (result == IDCANCEL)
        RaiseAfterCancel();
}

LRESULT CMainDlg::OnApplyMonitorProperties(WPARAM, LPARAM) {
    const bool adding = m_monitorDialogMode == MonitorDialogMode::Add;
    if (adding) {
        // The new monitor goes after the clicked box; the boxes after it move up a slot.
        if (!m_apRecords.Insert(m_nMenuBox, NumBox, std::make_unique<CMonitorRecord>(m_hWnd, static_cast<UINT>(m_nMenuBox))))
            return 0;
        ++m_nMenuBox;
        ++NumBox;
        // A further Apply, or the OK that follows, edits the new monitor.
        m_monitorDialogMode = MonitorDialogMode::Edit;
        m_apRecords[m_nMenuBox - 1]->NetUserName = L"console";
        m_bInsertMark = 0;
    }
    const int k = m_nMenuBox - 1;
    if (k < 0 || k >= NumBox || !m_apRecords[k]) return 0;
    CMonitorRecord& record = *m_apRecords[k];
    m_dlgMonitor.StoreSettings(record);
    record.m_strPicPathUp = m_dlgMonitor.m_strPicPathUp;
    record.m_strPicPathDown = m_dlgMonitor.m_strPicPathDown;
    LoadBoxPictures(k);
    record.m_nMsgBoxCount = record.m_nSoundCount = record.m_nExecCount = 0;
    record.m_strUrlHost = m_dlgMonitor.m_strUrlHost;
    record.m_nUrlPort = m_dlgMonitor.m_nUrlPort;

    // An enabled monitor restarts with its new settings; a disabled one stays as it is.
    if (record.Disabled == 0) {
        OnCheckResult(MAKELONG(k, MON_CHECKING), 0);
        if (record.HasThread()) {
            record.StopThread();
            OnCheckResult(MAKELONG(k, MON_CHECKING), 0);
        }
        record.StartThread();
    }
    if (adding) {
        FitWindowToBoxes();
        for (int i = k; i < NumBox; ++i) SaveMonitor(i);
        SaveNumBox();
    } else {
        RedrawWholeWindow();
        SaveMonitor(k);
    }
    if (m_dlgMonitor.m_hWnd && IsWindowVisible(m_dlgMonitor.m_hWnd)) SetFocus(m_dlgMonitor.m_hWnd);
    return 0;
}
