#include "dialogs/MonitorDialogNotifications.h"

#include "dialogs/ExecFileDlg.h"
#include "dialogs/MsgBoxSettingsDlg.h"
#include "dialogs/NotificationSettingsRules.h"
#include "dialogs/SoundSettingsDlg.h"
#include "engine/SoundThread.h"
#include "framework/AppMessage.h"
#include "framework/TimeText.h"
#include "resource.h"

const CMonitorNotifications::Check CMonitorNotifications::kChecks[8] = {
    {IDC_MON_SOUND_UP, true, 0x01},     {IDC_MON_SOUND_DOWN, true, 0x02},   {IDC_MON_SOUND_CLOSED, true, 0x04},
    {IDC_MON_SOUND_ERROR, true, 0x08},  {IDC_MON_MSGBOX_UP, false, 0x01},   {IDC_MON_MSGBOX_DOWN, false, 0x02},
    {IDC_MON_MSGBOX_CLOSED, false, 0x04}, {IDC_MON_MSGBOX_ERROR, false, 0x08},
};

void CMonitorNotifications::MirrorMasks() {
    for (int i = 0; i < 8; ++i)
        m_checked[i] = ((kChecks[i].sound ? m_settings.Sound : m_settings.MsgBox) & kChecks[i].bit) ? 1 : 0;
}

void CMonitorNotifications::Exchange(fw::CDataExchange& dx) {
    for (int i = 0; i < 8; ++i) dx.Check(kChecks[i].id, m_checked[i]);
}

bool CMonitorNotifications::Handles(WORD id) {
    for (const Check& c : kChecks)
        if (c.id == id) return true;
    switch (id) {
    case IDC_MON_TEST_UP:
    case IDC_MON_TEST_DOWN:
    case IDC_MON_TEST_CLOSED:
    case IDC_MON_TEST_ERROR:
    case IDC_MON_MSGBOX_TEST:
    case IDC_MON_SOUND_SETTINGS:
    case IDC_MON_MSGBOX_SETTINGS:
    case IDC_MON_EXEC_SETTINGS: return true;
    }
    return false;
}

void CMonitorNotifications::OnClicked(HWND dialog, WORD id, const ErrorSoundSettings& errors) {
    for (int i = 0; i < 8; ++i) {
        if (kChecks[i].id != id) continue;
        AtomicU32& mask = kChecks[i].sound ? m_settings.Sound : m_settings.MsgBox;
        const UINT value = mask;
        mask = m_checked[i] ? (value | kChecks[i].bit) : (value & ~kChecks[i].bit);
        return;
    }
    switch (id) {
    case IDC_MON_TEST_UP: StartSound(SoundTestRequest(SoundTest::UpOpen, m_settings, errors)); break;
    case IDC_MON_TEST_DOWN: StartSound(SoundTestRequest(SoundTest::Down, m_settings, errors)); break;
    case IDC_MON_TEST_CLOSED: StartSound(SoundTestRequest(SoundTest::ClosedSnF, m_settings, errors)); break;
    case IDC_MON_TEST_ERROR: StartSound(SoundTestRequest(SoundTest::Error, m_settings, errors)); break;
    case IDC_MON_MSGBOX_TEST:
        fw::AppMessageBox(MonitorMsgBoxTestText(m_settings, fw::LocalNow()),
                          MB_ICONINFORMATION | MB_SETFOREGROUND | MB_TOPMOST);
        break;
    case IDC_MON_SOUND_SETTINGS: OnSoundSettings(dialog); break;
    case IDC_MON_MSGBOX_SETTINGS: OnMsgBoxSettings(dialog); break;
    case IDC_MON_EXEC_SETTINGS: OnFileSettings(dialog); break;
    }
}

void CMonitorNotifications::OnSoundSettings(HWND dialog) {
    MonitorSettings& s = m_settings;
    CPlaySoundSettings dlg(dialog);
    dlg.m_strName = s.Name;
    dlg.m_nCheckMethod = s.CheckMethod;
    for (int i = 0; i < kSoundSlotCount; ++i) {
        dlg.m_strWavPath[i] = SlotWavPath(s, i);
        dlg.m_strSpeech[i] = SlotSpokenText(s, i);
        dlg.m_bCustomWav[i] = SwitchOf(s.CustomSoundCheck, i);
        dlg.m_bSpeak[i] = SwitchOf(s.TextSpeechCheck, i);
    }
    if (dlg.DoModal() != IDOK) return;
    for (int i = 0; i < kSoundSlotCount; ++i) {
        SlotWavPath(s, i) = dlg.m_strWavPath[i];
        SlotSpokenText(s, i) = dlg.m_strSpeech[i];
    }
    s.CustomSoundCheck = PackSwitches(dlg.m_bCustomWav, kSoundSlotCount);
    s.TextSpeechCheck = PackSwitches(dlg.m_bSpeak, kSoundSlotCount);
}

void CMonitorNotifications::OnMsgBoxSettings(HWND dialog) {
    CMsgBoxSettings dlg(dialog);
    dlg.m_strDescription = m_settings.MsgBoxDesc;
    dlg.m_strName = m_settings.Name;
    if (dlg.DoModal() == IDOK) m_settings.MsgBoxDesc = dlg.m_strDescription;
}

void CMonitorNotifications::OnFileSettings(HWND dialog) {
    MonitorSettings& s = m_settings;
    CExecFile dlg(dialog);
    dlg.m_strProgram = s.ExecFilePath;
    dlg.m_strParameters = s.ExecFileParam;
    for (int i = 0; i < kExecSwitchCount; ++i) dlg.m_bStatus[i] = SwitchOf(s.ExecFileStatusCheck & 0xFF, i);
    dlg.m_nCheckMethod = s.CheckMethod;
    dlg.m_strName = s.Name;
    dlg.m_nPort = s.Port;
    dlg.m_strAddress = s.IPorURLAddress;
    dlg.m_nInterval = s.CheckInterval;
    dlg.m_nIpVersion = s.IPv;
    dlg.m_nCount = s.nEF;
    if (dlg.DoModal() != IDOK) return;
    s.ExecFilePath = dlg.m_strProgram;
    s.ExecFileParam = dlg.m_strParameters;
    s.ExecFileStatusCheck = PackSwitches(dlg.m_bStatus, kExecSwitchCount);
    s.nEF = dlg.m_nCount;
}
