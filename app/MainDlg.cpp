#include "app/MainDlg.h"

#include "app/Instances.h"
#include "model/Messages.h"
#include "model/RecordLink.h"
#include "resource.h"

CMainDlg::CMainDlg(HWND parent, int instance) : fw::CDialog(IDD_MAIN_DIALOG, parent), m_nInstance(instance) {
    fw::CDialog::RegisterDialogClass(L"OrvalenStrip");
    m_hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
    LoadConfig();
}

CMainDlg::~CMainDlg() = default;

int CMainDlg::OnCreate(CREATESTRUCTW*) {
    SetWindowTextW(m_hWnd, InstanceWindowTitle(m_nInstance).c_str());
    return 0;
}

BOOL CMainDlg::OnInitDialog() {
    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    ApplyLayoutAndStart();
    ShowWindow(m_hWnd, SW_SHOW);
    ShowWindow(m_hWnd, SW_RESTORE);
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return TRUE;
}

void CMainDlg::ApplyLayoutAndStart() {
    FitWindowToBoxes();
    for (int i = 0; i < NumBox; ++i) {
        CMonitorRecord* record = m_apRecords[i];
        if (!record) continue;
        record->m_hOwner = m_hWnd;
        record->m_nStatus = 0;
        OnCheckResult(MAKEWPARAM(i, record->Disabled ? MON_DISABLED : MON_CHECKING), 0);
    }
    for (int i = 0; i < NumBox; ++i)
        if (m_apRecords[i] && !m_apRecords[i]->Disabled) m_apRecords[i]->StartThread();
}

BOOL CMainDlg::OnCommand(WORD id, WORD code, HWND control) {
    // Enter and Esc must not end the strip.
    if (id == IDOK || id == IDCANCEL) return TRUE;
    return FALSE;
}

LRESULT CMainDlg::OnCheckResult(WPARAM wParam, LPARAM lParam) {
    const auto* report = reinterpret_cast<const CheckReport*>(lParam);
    CheckResult result;
    if (report) result = report->result;
    UINT index = LOWORD(wParam);
    if (index == 0xFFFF || NumBox <= 0 || index >= static_cast<UINT>(NumBox) || !m_apRecords[index]) return 0;
    CMonitorRecord* record = m_apRecords[index];
    // A result from a thread that no longer belongs to this slot is stale.
    if (report && report->link != record->Link()) return 0;
    record->m_nStatus = HIWORD(wParam);
    if (record->Disabled == 1) record->m_nStatus = MON_DISABLED;
    record->m_dwTimeMs = result.dwTimeMs;
    record->m_dwError = result.dwError;
    record->m_dwIpStatus = result.dwIpStatus;
    if (record->m_nStatus == MON_CHECKING || record->m_nStatus == MON_DISABLED) {
        record->m_dwError = 0;
        record->m_dwIpStatus = 0;
    }
    RedrawBox(static_cast<int>(index) + 1);
    return 0;
}

LRESULT CMainDlg::OnGetMainDlg(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(this); }

LRESULT CMainDlg::OnActivateInstance(WPARAM, LPARAM) {
    ShowWindow(m_hWnd, SW_RESTORE);
    SetForegroundWindow(m_hWnd);
    return 0;
}

void CMainDlg::OnDestroy() {
    for (int i = 0; i < NumBox && i < kMaxMonitors; ++i) {
        if (!m_apRecords[i]) continue;
        m_apRecords[i]->KillThread();
        delete m_apRecords[i];
        m_apRecords[i] = nullptr;
    }
    NumBox = 0;
}

INT_PTR CMainDlg::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return TRUE;
    case WM_QUERYDRAGICON:
        SetMsgResult(reinterpret_cast<LRESULT>(m_hIcon));
        return TRUE;
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    case WM_CLOSE:
        DestroyWindow(m_hWnd);
        return TRUE;
    case UM_CHECK_RESULT:
        SetMsgResult(OnCheckResult(wParam, lParam));
        return TRUE;
    case UM_GET_MAIN_DLG:
        SetMsgResult(OnGetMainDlg(wParam, lParam));
        return TRUE;
    case UM_ACTIVATE_INSTANCE:
        SetMsgResult(OnActivateInstance(wParam, lParam));
        return TRUE;
    default:
        return fw::CDialog::DialogProc(message, wParam, lParam);
    }
}
