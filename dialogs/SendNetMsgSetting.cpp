#include "dialogs/SendNetMsgSetting.h"

#include "dialogs/NetMessageRules.h"
#include "framework/FileDialog.h"
#include "resource.h"

CSendNetMsgSetting::CSendNetMsgSetting(HWND parent)
    : fw::CSettingsDialog(IDD_NET_MESSAGE_SETTINGS, parent, fw::EnablesMainWindow::None) {}

void CSendNetMsgSetting::DoDataExchange(fw::CDataExchange& dx) {
    dx.Text(IDC_NETMSG_COMMAND, m_strCommand);
    dx.Text(IDC_NETMSG_PARAMETERS, m_strParameters);
}

BOOL CSendNetMsgSetting::OnInitDialog() {
    fw::CSettingsDialog::OnInitDialog();
    SetButtonIcon(IDOK, IDI_BUTTON_OK);
    SetButtonIcon(IDCANCEL, IDI_BUTTON_CANCEL);
    UpdateData(false);
    return TRUE;
}

BOOL CSendNetMsgSetting::OnCommand(WORD id, WORD code, HWND control) {
    if (code == BN_CLICKED && id == IDC_NETMSG_BROWSE) {
        OnBrowse();
        return TRUE;
    }
    if (code == BN_CLICKED && id == IDC_NETMSG_DEFAULT) {
        OnDefault();
        return TRUE;
    }
    return fw::CSettingsDialog::OnCommand(id, code, control);
}

void CSendNetMsgSetting::OnOK() {
    UpdateData(true);
    fw::CSettingsDialog::OnOK();
}

void CSendNetMsgSetting::OnBrowse() {
    UpdateData(true);
    std::wstring chosen;
    if (fw::ChooseFileToOpen(m_hWnd, L"EXE, BAT File (*.exe, *.bat)|*.exe;*.bat|", chosen)) m_strCommand = chosen;
    UpdateData(false);
}

void CSendNetMsgSetting::OnDefault() {
    UpdateData(true);
    m_strCommand = kDefaultNetMsgCommand;
    m_strParameters = kDefaultNetMsgParameters;
    UpdateData(false);
}
