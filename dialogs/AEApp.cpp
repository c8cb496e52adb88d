#include "dialogs/AEApp.h"

#include "framework/FileDialog.h"
#include "resource.h"

// Opened from the editor: the main window, the editor's parent, stays usable.
CAEApp::CAEApp(HWND parent) : fw::CSettingsDialog(IDD_MENU_ITEM, parent, fw::EnablesMainWindow::ParentsParent) {}

void CAEApp::DoDataExchange(fw::CDataExchange& dx) {
    dx.Text(IDC_MENU_CAPTION, m_strCaption);
    dx.Text(IDC_MENU_APPLICATION, m_strApplication);
    dx.Text(IDC_MENU_PARAMETERS, m_strParameters);
}

BOOL CAEApp::OnInitDialog() {
    fw::CSettingsDialog::OnInitDialog();
    UpdateData(false);
    return TRUE;
}

BOOL CAEApp::OnCommand(WORD id, WORD code, HWND control) {
    if (code == BN_CLICKED && id == IDC_MENU_BROWSE) {
        OnBrowse();
        return TRUE;
    }
    return fw::CSettingsDialog::OnCommand(id, code, control);
}

void CAEApp::OnOK() {
    UpdateData(true);
    fw::CSettingsDialog::OnOK();
}

void CAEApp::OnBrowse() {
    UpdateData(true);
    std::wstring chosen;
    if (fw::ChooseFileToOpen(m_hWnd, L"EXE, BAT File (*.exe, *.bat)|*.exe;*.bat|", chosen)) m_strApplication = chosen;
    UpdateData(false);
}
