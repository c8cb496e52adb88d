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
    CBoxPropertiesDlg& dlg = m_dialogs.monitor;
    dlg.m_hParent = m_hWnd;
    dlg.m_nPreviewWidth = XBox;
    dlg.m_nPreviewHeight = YBox;
    dlg.m_bAddMode = dlg.m_bDefaultSkin = addMode ? TRUE : FALSE;
    const CSharedSettings& shared = CSharedSettings::Get();
    dlg.CustomSoundError = shared.CustomSoundError;
    dlg.CustomSoundPathError = shared.CustomSoundPathError();
    dlg.TextSpeechSoundError = shared.TextSpeechSoundError;
    dlg.TextSpeechTextError = shared.TextSpeechTextError();
    dlg.m_strDataFolder = m_files.folders.base;
}

// After Cancel the strip comes back to the top of its own z-order band.
void CMainDlg::RaiseAfterCancel() {
    SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOOWNERZORDER);
}

// The dialog is one object: while it is open (the strip stays usable), a second Add or
// Edit brings it to the front instead of running it again.
bool CMainDlg::MonitorDialogAlreadyOpen() {
    if (!m_dialogs.monitor.m_hWnd) return false;
    SetForegroundWindow(m_dialogs.monitor.m_hWnd);
    return true;
}

void CMainDlg::AddMonitor() {
    if (MonitorDialogAlreadyOpen()) return;
    m_dialogs.monitor.LoadSettings(NewMonitorSettings(m_files.defaultSkin));
    m_dialogs.monitor.m_strUrlHost.clear();
    m_dialogs.monitor.m_nUrlPort = 80;
    PrepareMonitorDialog(true);
    m_dialogs.monitorMode = SettingsDialogs::MonitorMode::Add;
    const INT_PTR result = m_dialogs.monitor.DoModal();
    if (result == IDOK) {
        OnApplyMonitorProperties(0, 0);
        FitWindowToBoxes();
    } else if (result == IDCANCEL) {
        RaiseAfterCancel();
    }
}

void CMainDlg::EditMonitor(int box) {
    if (MonitorDialogAlreadyOpen()) return;
    const CMonitorRecord* found = m_monitors.RecordOfBox(box);
    if (!found) return;
    const CMonitorRecord& record = *found;
    m_dialogs.monitor.LoadSettings(record);
    // The dialog carries the low byte of the message-box mask.
    m_dialogs.monitor.MsgBox = record.MsgBox & 0xFF;
    PrepareMonitorDialog(false);
    m_dialogs.monitorMode = SettingsDialogs::MonitorMode::Edit;
    const INT_PTR result = m_dialogs.monitor.DoModal();
    if (result == IDOK)
        OnApplyMonitorProperties(0, 0);
    else if (result == IDCANCEL)
        RaiseAfterCancel();
}

LRESULT CMainDlg::OnApplyMonitorProperties(WPARAM, LPARAM) {
    const bool adding = m_dialogs.monitorMode == SettingsDialogs::MonitorMode::Add;
    if (adding) {
        // The new monitor goes after the clicked box; the boxes after it move up a slot.
        const int slot = SlotOfBox(m_boxMenu.box + 1);
        auto added = std::make_unique<CMonitorRecord>(m_hWnd, static_cast<UINT>(slot));
        // The keys the dialog does not carry ("NetUserName", "Disabled", the picture
        // types) start as a missing key reads.
        added->Settings() = DefaultMonitorSettings();
        if (!m_monitors.Insert(slot, std::move(added))) return 0;
        ++m_boxMenu.box;
        // A further Apply, or the OK that follows, edits the new monitor.
        m_dialogs.monitorMode = SettingsDialogs::MonitorMode::Edit;
        m_boxMenu.insertMark = false;
    }
    const int k = SlotOfBox(m_boxMenu.box);
    CMonitorRecord* found = m_monitors.RecordAt(k);
    if (!found) return 0;
    CMonitorRecord& record = *found;
    m_dialogs.monitor.StoreSettings(record);
    record.m_strPicPathUp = m_dialogs.monitor.m_strPicPathUp;
    record.m_strPicPathDown = m_dialogs.monitor.m_strPicPathDown;
    LoadBoxPictures(k);
    record.m_nMsgBoxCount = record.m_nSoundCount = record.m_nExecCount = 0;
    record.m_strUrlHost = m_dialogs.monitor.m_strUrlHost;
    record.m_nUrlPort = m_dialogs.monitor.m_nUrlPort;

    // An enabled monitor restarts with its new settings; a disabled one stays as it is.
    m_monitors.Restart(k);
    if (adding) {
        FitWindowToBoxes();
        SaveMonitorsFrom(k);
        SaveNumBox();
    } else {
        RedrawWholeWindow();
        SaveMonitor(k);
    }
    if (m_dialogs.monitor.m_hWnd && IsWindowVisible(m_dialogs.monitor.m_hWnd)) SetFocus(m_dialogs.monitor.m_hWnd);
    return 0;
}
