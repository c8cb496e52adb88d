#include "dialogs/SkinNameDlg.h"

#include "dialogs/SkinRules.h"
#include "resource.h"

CSkinName::CSkinName(HWND monitorDialog)
    : CSettingsDialog(IDD_SKIN_NAME, monitorDialog, fw::EnablesMainWindow::ParentsParent) {}

void CSkinName::DoDataExchange(fw::CDataExchange& dx) { dx.Text(IDC_SKIN_NAME, m_strName); }

BOOL CSkinName::OnInitDialog() {
    CSettingsDialog::OnInitDialog();
    CenterOnParent();
    EnableItem(IDOK, false);
    SetButtonIcon(IDOK, IDI_BUTTON_OK);
    SetButtonIcon(IDCANCEL, IDI_BUTTON_CANCEL);
    UpdateData(false);
    return TRUE;
}

// The name as typed loses the characters a file name cannot hold (the filtered text is
// filtered again until it no longer changes); OK follows the name that remains.
void CSkinName::OnNameChanged() {
    UpdateData(true);
    for (std::wstring filtered = FilterSkinName(m_strName); filtered != m_strName; filtered = FilterSkinName(m_strName))
        m_strName = filtered;
    if (m_strName == L" ") m_strName.clear();
    EnableItem(IDOK, IsAcceptableSkinName(m_strName));
    UpdateData(false);
    const WPARAM end = m_strName.size();
    SendDlgItemMessageW(m_hWnd, IDC_SKIN_NAME, EM_SETSEL, end, end);
}

BOOL CSkinName::OnCommand(WORD id, WORD code, HWND control) {
    if (id == IDC_SKIN_NAME && code == EN_CHANGE) {
        OnNameChanged();
        return TRUE;
    }
    if (id == IDOK && code == BN_CLICKED) {
        // Enter reaches OK even while it is disabled.
        if (UpdateData(true) && IsWindowEnabled(GetDlgItem(IDOK))) OnOK();
        return TRUE;
    }
    return CSettingsDialog::OnCommand(id, code, control);
}
