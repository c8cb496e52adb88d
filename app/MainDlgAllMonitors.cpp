// Tray commands on every monitor at once: disable and enable all, and the switches that
// turn one kind of notification off for all (also in the running threads' own copies).
#include "app/MainDlg.h"
#include "model/MainConfig.h"

void CMainDlg::WriteDisabledKeys() {
    for (int i = 0; i < m_monitors.Count(); ++i)
        if (m_monitors[i]) SaveMonitorKey(i, &MonitorSettings::Disabled);
}

// Only monitors with Disabled 0 are disabled; other values are left as they are.
void CMainDlg::OnDisableAllMonitors() {
    for (int i = 0; i < m_monitors.Count(); ++i) {
        const CMonitorRecord* record = m_monitors.RecordAt(i);
        if (record && record->Disabled == 0) m_monitors.SetEnabled(i, false);
    }
    WriteDisabledKeys();
}

// Only monitors with Disabled 1 are enabled.
void CMainDlg::OnEnableAllMonitors() {
    for (int i = 0; i < m_monitors.Count(); ++i) {
        const CMonitorRecord* record = m_monitors.RecordAt(i);
        if (record && record->Disabled == 1) m_monitors.SetEnabled(i, true);
    }
    WriteDisabledKeys();
}

void CMainDlg::SetNotificationSwitchOff(AtomicU32 MonitorSettings::*field) {
    for (int i = 0; i < m_monitors.Count(); ++i) {
        CMonitorRecord* record = m_monitors[i].get();
        if (!record) continue;
        record->*field = 0;
        // A running monitor decides from its own copy: clear it there too, so that it
        // stops this kind of notification without a restart.
        if (record->Disabled == 0) record->WithRunningCopy([field](CMonitorRecord& copy) { copy.*field = 0; });
    }
    for (int i = 0; i < m_monitors.Count(); ++i)
        if (m_monitors[i]) SaveMonitorKey(i, field);
}

void CMainDlg::OnDisableSounds() { SetNotificationSwitchOff(&MonitorSettings::Sound); }
void CMainDlg::OnDisableMsgBoxes() { SetNotificationSwitchOff(&MonitorSettings::MsgBox); }
void CMainDlg::OnDisableFiles() { SetNotificationSwitchOff(&MonitorSettings::ExecFileCheck); }

void CMainDlg::OnDisableAllNotifications() {
    OnDisableSounds();
    OnDisableMsgBoxes();
    OnDisableFiles();
}
