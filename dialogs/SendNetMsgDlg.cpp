#include "dialogs/SendNetMsgDlg.h"

#include <shellapi.h>

#include "dialogs/NetMessageRules.h"
#include "dialogs/ProgramDialog.h"
#include "framework/AppMessage.h"
#include "framework/StringUtil.h"
#include "model/IniFile.h"
#include "model/MainConfig.h"
#include "model/SettingKeys.h"
#include "resource.h"

namespace {
const wchar_t kCommandKey[] = L"SendNetMsgComm";
const wchar_t kParametersKey[] = L"SendNetMsgParam";
}  // namespace

// The main window stays disabled while a message is composed.
CSendNetMsgDlg::CSendNetMsgDlg(HWND parent)
    : fw::CSettingsDialog(IDD_SEND_NET_MESSAGE, parent, fw::EnablesMainWindow::None) {}

std::wstring CSendNetMsgDlg::BoxSection() const { return MonitorSectionName(static_cast<UINT>(m_nBoxIndex)); }

void CSendNetMsgDlg::DoDataExchange(fw::CDataExchange& dx) {
    dx.Text(IDC_NETMSG_MESSAGE, m_strMessage);
    dx.Text(IDC_NETMSG_USER, m_strUserName, CIniFile::kValueChars);
}

BOOL CSendNetMsgDlg::OnInitDialog() {
    fw::CSettingsDialog::OnInitDialog();
    EnableItem(IDOK, false);
    MonitorSettings stored;
    ReadSettingField(m_ini, BoxSection(), MonitorKeys(), stored, &MonitorSettings::NetUserName);
    m_strUserName = stored.NetUserName;
    m_strCommand = m_ini.ReadString(kMainSection, kCommandKey, kDefaultNetMsgCommand);
    m_strParameters = m_ini.ReadString(kMainSection, kParametersKey, kDefaultNetMsgParameters);
    m_strMessage.clear();
    SetItemText(IDC_NETMSG_TO, fw::Format(L"To IP: %s", m_strHost.c_str()));
    SetButtonIcon(IDCANCEL, IDI_BUTTON_CANCEL);
    SetButtonIcon(IDOK, IDI_SEND_MESSAGE);
    SetButtonIcon(IDC_NETMSG_SAVE_USER, IDI_SAVE_USER_NAME);
    UpdateData(false);
    return TRUE;
}

BOOL CSendNetMsgDlg::OnCommand(WORD id, WORD code, HWND control) {
    if (code == EN_CHANGE && id == IDC_NETMSG_MESSAGE) {
        OnMessageChange();
        return TRUE;
    }
    if (code == EN_CHANGE && id == IDC_NETMSG_USER) {
        OnUserNameChange();
        return TRUE;
    }
    if (code == BN_CLICKED && id == IDC_NETMSG_SAVE_USER) {
        OnSaveUserName();
        return TRUE;
    }
    if (code == BN_CLICKED && id == IDC_NETMSG_SETTINGS) {
        OnSettings();
        return TRUE;
    }
    return fw::CSettingsDialog::OnCommand(id, code, control);
}

// One blank is cleared; two blanks are a message.
void CSendNetMsgDlg::OnMessageChange() {
    UpdateData(true);
    m_strMessage = MessageAfterEdit(m_strMessage);
    EnableItem(IDOK, !m_strMessage.empty());
    UpdateData(false);
}

void CSendNetMsgDlg::OnUserNameChange() {
    UpdateData(true);
    m_strUserName = FilterNetUserName(m_strUserName);
    UpdateData(false);
    // The caret goes after the last character, so typing goes on at the end.
    const int end = static_cast<int>(m_strUserName.size());
    SendDlgItemMessageW(m_hWnd, IDC_NETMSG_USER, EM_SETSEL, end, end);
}

void CSendNetMsgDlg::OnSaveUserName() {
    UpdateData(true);
    m_strUserName = StoredNetUserName(m_strUserName);
    MonitorSettings stored;
    stored.NetUserName = m_strUserName;
    WriteSettingField(m_ini, BoxSection(), MonitorKeys(), stored, &MonitorSettings::NetUserName);
    UpdateData(false);
}

void CSendNetMsgDlg::OnOK() {
    UpdateData(true);
    if (m_strMessage.empty()) return;
    const NetMessageLaunch launch =
        NetMessageCommandLine(m_strCommand, m_strParameters, m_strHost, m_strUserName, m_strMessage);
    const HINSTANCE result = ShellExecuteW(GetDesktopWindow(), L"open", launch.program.c_str(),
                                           launch.parameters.c_str(), nullptr, SW_SHOW);
    if (reinterpret_cast<INT_PTR>(result) <= 32) fw::AppMessageBox(L"ERROR FILE NOT FOUND", MB_OK);
    // Ready for the next message.
    m_strMessage.clear();
    EnableItem(IDOK, false);
    UpdateData(false);
}

void CSendNetMsgDlg::OnSettings() {
    CSendNetMsgSetting settings(m_hWnd);
    settings.m_strProgram = m_strCommand;
    settings.m_strParameters = m_strParameters;
    if (settings.DoModal() != IDOK) return;
    m_strCommand = settings.m_strProgram;
    m_strParameters = settings.m_strParameters;
    m_ini.WriteString(kMainSection, kCommandKey, m_strCommand);
    m_ini.WriteString(kMainSection, kParametersKey, m_strParameters);
}
