#include "dialogs/MsgBoxSettingsDlg.h"

#include "dialogs/NotificationSettingsRules.h"
#include "framework/AppMessage.h"
#include "framework/TimeText.h"
#include "model/IniFile.h"
#include "model/SettingKeys.h"
#include "resource.h"

CMsgBoxSettings::CMsgBoxSettings(HWND monitorDialog)
    : CSettingsDialog(IDD_MSGBOX_SETTINGS, monitorDialog, fw::EnablesMainWindow::ParentsParent) {}

void CMsgBoxSettings::DoDataExchange(fw::CDataExchange& dx) { dx.Text(IDC_MSGS_DESCRIPTION, m_strDescription, CIniFile::kValueChars); }

BOOL CMsgBoxSettings::OnInitDialog() {
    CSettingsDialog::OnInitDialog();
    CenterOnParent();
    SetButtonIcon(IDOK, IDI_BUTTON_OK);
    SetButtonIcon(IDCANCEL, IDI_BUTTON_CANCEL);
    UpdateData(false);
    return TRUE;
}

BOOL CMsgBoxSettings::OnCommand(WORD id, WORD code, HWND control) {
    if (code == BN_CLICKED) {
        switch (id) {
        case IDOK:
            if (UpdateData(true)) OnOK();
            return TRUE;
        case IDC_MSGS_DEFAULT:
            UpdateData(true);
            m_strDescription = DefaultMonitorSettings().MsgBoxDesc;
            UpdateData(false);
            return TRUE;
        case IDC_MSGS_TEST:
            UpdateData(true);
            fw::AppMessageBox(MsgBoxSettingsTestText(m_strDescription, m_strName, fw::LocalNow()),
                              MB_ICONINFORMATION | MB_SYSTEMMODAL | MB_TOPMOST);
            return TRUE;
        }
    }
    return CSettingsDialog::OnCommand(id, code, control);
}
