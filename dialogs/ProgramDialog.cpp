#include "dialogs/ProgramDialog.h"

#include "dialogs/FileFilters.h"
#include "dialogs/NetMessageRules.h"
#include "framework/FileDialog.h"
#include "model/IniFile.h"
#include "resource.h"

namespace {

// Opened from the editor: the main window, the editor's parent, stays usable.
const ProgramDialogLayout kMenuItem = {
    IDD_MENU_ITEM, L"Add/Edit Menu Item",
    IDC_MENU_CAPTION, IDC_MENU_APPLICATION, IDC_MENU_BROWSE, IDC_MENU_PARAMETERS,
    0, nullptr, nullptr,  // no Default button
    false, fw::EnablesMainWindow::ParentsParent};

// Opened from the message dialog, which keeps the main window disabled.
const ProgramDialogLayout kNetMessageSettings = {
    IDD_NET_MESSAGE_SETTINGS, L"Send Net Message Settings",
    0, IDC_NETMSG_COMMAND, IDC_NETMSG_BROWSE, IDC_NETMSG_PARAMETERS,  // no caption
    IDC_NETMSG_DEFAULT, kDefaultNetMsgCommand, kDefaultNetMsgParameters,
    true, fw::EnablesMainWindow::None};

}  // namespace

CProgramDialog::CProgramDialog(const ProgramDialogLayout& layout, HWND parent)
    : fw::CSettingsDialog(layout.templateId, parent, layout.enables), m_layout(layout) {}

CAEApp::CAEApp(HWND editor) : CProgramDialog(kMenuItem, editor) {}

CSendNetMsgSetting::CSendNetMsgSetting(HWND parent) : CProgramDialog(kNetMessageSettings, parent) {}

// Each value is stored in an INI file: no longer than reads back.
void CProgramDialog::DoDataExchange(fw::CDataExchange& dx) {
    if (m_layout.captionEdit) dx.Text(m_layout.captionEdit, m_strCaption, CIniFile::kValueChars);
    dx.Text(m_layout.programEdit, m_strProgram, CIniFile::kValueChars);
    dx.Text(m_layout.parametersEdit, m_strParameters, CIniFile::kValueChars);
}

BOOL CProgramDialog::OnInitDialog() {
    fw::CSettingsDialog::OnInitDialog();
    SetWindowTextW(m_hWnd, m_layout.title);
    if (m_layout.iconButtons) {
        SetButtonIcon(IDOK, IDI_BUTTON_OK);
        SetButtonIcon(IDCANCEL, IDI_BUTTON_CANCEL);
    }
    UpdateData(false);
    return TRUE;
}

BOOL CProgramDialog::OnCommand(WORD id, WORD code, HWND control) {
    if (code == BN_CLICKED && id == m_layout.browseButton) {
        OnBrowse();
        return TRUE;
    }
    if (code == BN_CLICKED && m_layout.defaultButton && id == m_layout.defaultButton) {
        OnDefault();
        return TRUE;
    }
    return fw::CSettingsDialog::OnCommand(id, code, control);
}

void CProgramDialog::OnOK() {
    UpdateData(true);
    fw::CSettingsDialog::OnOK();
}

void CProgramDialog::OnBrowse() {
    UpdateData(true);
    std::wstring chosen;
    if (fw::ChooseFileToOpen(m_hWnd, kProgramFileFilter, chosen)) m_strProgram = chosen;
    UpdateData(false);
}

void CProgramDialog::OnDefault() {
    UpdateData(true);
    m_strProgram = m_layout.defaultProgram;
    m_strParameters = m_layout.defaultParameters;
    UpdateData(false);
}
