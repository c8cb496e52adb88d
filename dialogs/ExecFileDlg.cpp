#include "dialogs/ExecFileDlg.h"

#include <commctrl.h>
#include <shellapi.h>

#include "dialogs/FileFilters.h"
#include "framework/FileDialog.h"
#include "framework/TimeText.h"
#include "model/IniFile.h"
#include "model/MonitorTypes.h"
#include "resource.h"

namespace {
const int kStatusChecks[kExecSwitchCount] = {IDC_EXEC_UP, IDC_EXEC_DOWN, IDC_EXEC_CLOSED, IDC_EXEC_ADDR_ERROR,
                                             IDC_EXEC_ERROR};
constexpr int kCountMax = 999;

UINT LeadingDigits(const std::wstring& text) {
    UINT value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9' || value > 100000) break;
        value = value * 10 + (c - L'0');
    }
    return value;
}
}  // namespace

CExecFile::CExecFile(HWND monitorDialog)
    : CSettingsDialog(IDD_EXEC_FILE, monitorDialog, fw::EnablesMainWindow::ParentsParent) {}

void CExecFile::DoDataExchange(fw::CDataExchange& dx) {
    dx.Text(IDC_EXEC_PROGRAM, m_strProgram, CIniFile::kValueChars);
    dx.Text(IDC_EXEC_PARAMETERS, m_strParameters, CIniFile::kValueChars);
    for (int i = 0; i < kExecSwitchCount; ++i) dx.Check(kStatusChecks[i], m_bStatus[i]);
    dx.Text(IDC_EXEC_COUNT, m_strCount);
}

BOOL CExecFile::OnInitDialog() {
    CSettingsDialog::OnInitDialog();
    CenterOnParent();
    switch (m_nCheckMethod) {
    case METHOD_TCP:
        SetItemText(IDC_EXEC_UP, L"Open");
        SetItemText(IDC_EXEC_ADDR_ERROR, L"IP ERROR");
        break;
    case METHOD_PING:
        EnableItem(IDC_EXEC_CLOSED, false);
        SetItemText(IDC_EXEC_ADDR_ERROR, L"IP ERROR");
        break;
    case METHOD_URL:
        SetItemText(IDC_EXEC_CLOSED, L"S.n.F.");
        SetItemText(IDC_EXEC_ADDR_ERROR, L"URL ERROR");
        break;
    }
    LimitText(IDC_EXEC_COUNT, 3);
    SetSpinRange(IDC_EXEC_COUNT_SPIN, 0, kCountMax);
    SetSpinPos(IDC_EXEC_COUNT_SPIN, static_cast<int>(m_nCount));
    m_strCount = std::to_wstring(m_nCount);
    SetButtonIcon(IDOK, IDI_BUTTON_OK);
    SetButtonIcon(IDCANCEL, IDI_BUTTON_CANCEL);
    UpdateData(false);
    return TRUE;
}

void CExecFile::ShowCountBalloon() { ShowBalloon(IDC_EXEC_COUNT, L"", ExecCountBalloonText(m_nCount, m_nInterval)); }

void CExecFile::OnTest() {
    UpdateData(true);
    ExecTestSubject subject;
    subject.program = m_strProgram;
    subject.parameters = m_strParameters;
    subject.name = m_strName;
    subject.address = m_strAddress;
    subject.method = m_nCheckMethod;
    subject.port = m_nPort;
    subject.ipVersion = m_nIpVersion;
    const std::wstring parameters = ExecTestParameters(subject, fw::LocalNow());
    ShellExecuteW(m_hWnd, L"open", m_strProgram.c_str(), parameters.c_str(), nullptr, SW_SHOWNORMAL);
}

BOOL CExecFile::OnCommand(WORD id, WORD code, HWND control) {
    if (code == BN_CLICKED) {
        switch (id) {
        case IDOK:
            if (UpdateData(true)) OnOK();
            return TRUE;
        case IDC_EXEC_TEST:
            OnTest();
            return TRUE;
        case IDC_EXEC_BROWSE: {
            UpdateData(true);
            std::wstring path;
            if (fw::ChooseFileToOpen(m_hWnd, kProgramFileFilter, path)) m_strProgram = path;
            UpdateData(false);
            return TRUE;
        }
        }
    }
    if (id == IDC_EXEC_COUNT && code == EN_UPDATE) {
        UpdateData(true);
        m_nCount = LeadingDigits(m_strCount);
        ShowCountBalloon();
        SetSpinPos(IDC_EXEC_COUNT_SPIN, static_cast<int>(m_nCount));
        UpdateData(false);
        return TRUE;
    }
    if (id == IDC_EXEC_COUNT && code == EN_MAXTEXT) return TRUE;
    return CSettingsDialog::OnCommand(id, code, control);
}

BOOL CExecFile::OnNotify(int id, NMHDR* header, LRESULT& result) {
    if (id != IDC_EXEC_COUNT_SPIN || header->code != UDN_DELTAPOS) return FALSE;
    const auto& step = *reinterpret_cast<NMUPDOWN*>(header);
    UpdateData(true);
    const long long next = static_cast<long long>(step.iPos) + step.iDelta;
    m_nCount = static_cast<UINT>(next < 0 ? 0 : next > kCountMax ? kCountMax : next);
    m_strCount = std::to_wstring(m_nCount);
    ShowCountBalloon();
    UpdateData(false);
    result = 0;  // the step is allowed
    return TRUE;
}
