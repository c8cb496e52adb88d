#include "app/MainDlg.h"

#include <shlwapi.h>
#include <windowsx.h>

#include "app/DataFolders.h"
#include "engine/EchoCall.h"
#include "framework/AppMessage.h"
#include "model/IconFile.h"
#include "model/GlobalSettings.h"
#include "model/Messages.h"
#include "model/RecordLink.h"
#include "model/SharedRoutines.h"
#include "model/SharedSettings.h"
#include "resource.h"

namespace {

// Icons the window owns and destroys: loaded without LR_SHARED, at their own size
// (0 x 0) or at a given one.
HICON LoadOwnedIcon(UINT id, int width = 0, int height = 0) {
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, width, height, 0));
}

}  // namespace

CMainDlg::CMainDlg(HWND parent, int instance) : fw::CDialog(IDD_MAIN_DIALOG, parent) {
    fw::CDialog::RegisterDialogClass(L"OrvalenStrip");
    m_nInstance = instance;
    CSharedSettings::Get().RunningOnWine = IsRunningOnWine() ? 1 : 0;
    m_bModalBusy = 0;
    NumBox = 0;  // no monitor until the file is loaded
    HideTaskBarButton = 0;
    ShowReplyTime = 0;

    m_hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
    m_hGripIconRow.Reset(LoadOwnedIcon(IDI_GRIP_ROW));
    m_hGripIconColumn.Reset(LoadOwnedIcon(IDI_GRIP_COLUMN));
    m_bBoxMenuOpen = 0;

    std::wstring appData;
    AppDataResult appDataState = ReadAppDataFolder(appData);
    if (appDataState != AppDataResult::Ok) {
        // Without it the tree would land in the current drive's root: stop instead.
        fw::AppMessageBox(AppDataProblemText(appDataState), MB_OK | MB_ICONERROR);
        return;
    }
    m_bHasDataFolder = true;
    DataFolders folders = MakeDataFolders(appData, m_nInstance);
    m_strBaseFolder = folders.base;
    m_strMainIniPath = folders.mainIni;
    m_strMenuIniPath = folders.menuIni;
    m_strDefaultSkinPath = folders.defaultSkin;
    m_strPicturesFolder = folders.pictures;
    m_strSkinsFolder = folders.skins;
    m_strLogsFolder = folders.logs;
    CreateDataFolderTree(folders);

    WriteDefaultPictures();
    CreateBoxFonts();
    LoadStatusIcons();
    m_iniMenu.SetPath(m_strMenuIniPath);
    m_iniDefaultSkin.SetPath(m_strDefaultSkinPath);
    LoadConfig();
}

// The icons, fonts, bitmaps and the tray object free themselves; the records and their
// threads were ended by OnDestroy.
CMainDlg::~CMainDlg() = default;

void CMainDlg::WriteDefaultPictures() { WriteMissingDefaultPictures(m_strPicturesFolder); }

void CMainDlg::CreateBoxFonts() {
    NONCLIENTMETRICSW metrics = {};
    // Before Vista the structure ends before its last field.
    metrics.cbSize = IsVistaOrLater() ? sizeof(metrics) : sizeof(metrics) - sizeof(metrics.iPaddedBorderWidth);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    // Each font changes the one before it, so face, character set and quality stay the
    // message font's, and the info fonts keep its width.
    LOGFONTW font = metrics.lfMessageFont;
    font.lfHeight = 12;
    font.lfWeight = FW_NORMAL;
    m_fontInfoSmall.Reset(CreateFontIndirectW(&font));
    font.lfHeight = 14;
    m_fontInfoLarge.Reset(CreateFontIndirectW(&font));
    font.lfWidth = 6;
    font.lfWeight = FW_SEMIBOLD;
    m_fontNameSmall.Reset(CreateFontIndirectW(&font));
    font.lfHeight = 17;
    font.lfWidth = 7;
    m_fontNameLarge.Reset(CreateFontIndirectW(&font));
}

void CMainDlg::LoadStatusIcons() {
    const int cx = GetSystemMetrics(SM_CXICON);
    const int cy = GetSystemMetrics(SM_CYICON);
    m_hErrorIcon.Reset(LoadOwnedIcon(IDI_STATUS_ERROR, cx, cy));
    m_hCheckingIcon.Reset(LoadOwnedIcon(IDI_STATUS_CHECKING, cx, cy));
    m_hDisabledIcon.Reset(LoadOwnedIcon(IDI_STATUS_DISABLED, cx, cy));
    m_sizeErrorIcon = {cx, cy};
    m_sizeStateIcon = {cx, cy};
}

BOOL CMainDlg::OnCommand(WORD id, WORD code, HWND control) {
    // Enter and Esc must not end the strip.
    if (id == IDOK || id == IDCANCEL) return TRUE;
    return OnTrayCommand(id);
}

LRESULT CMainDlg::OnCheckResult(WPARAM wParam, LPARAM lParam) {
    UINT index = LOWORD(wParam);
    if (index == 0xFFFF || NumBox <= 0 || index >= static_cast<UINT>(NumBox) || !m_apRecords[index]) return 0;
    CMonitorRecord* record = m_apRecords[index].get();
    // The report is read only for a box that takes it: a dropped message's lParam is
    // never touched.
    const auto* report = reinterpret_cast<const CheckReport*>(lParam);
    CheckResult result;
    if (report) {
        // A result from a thread that no longer belongs to this slot is stale.
        if (report->link != record->Link()) return 0;
        result = report->result;
    }
    record->m_nStatus = HIWORD(wParam);
    if (record->Disabled == 1) record->m_nStatus = MON_DISABLED;
    record->m_dwTimeMs = result.dwTimeMs;
    record->m_dwError = result.dwError;
    record->m_dwIpStatus = result.dwIpStatus;
    if (record->m_nStatus == MON_CHECKING || record->m_nStatus == MON_DISABLED) {
        record->m_dwError = 0;
        record->m_dwIpStatus = 0;
    }
    RedrawBox(static_cast<int>(index) + 1, true);
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
        m_apRecords[i].reset();
    }
    NumBox = 0;
    // Echo requests cut off by the process's end were seen to leave Wine's ICMP service
    // stuck for every later program: let the pending ones end first (each within the
    // time-out; a stuck one is not waited for beyond it).
    WaitForPendingEchoes(g_dwTimeOut.load() + 500);
    m_tray.RemoveIcon();
}

void CMainDlg::RedrawWholeWindow() {
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

INT_PTR CMainDlg::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return TRUE;
    case WM_QUERYDRAGICON:
        return DlgMsgResult(message, reinterpret_cast<LRESULT>(m_hIcon));
    case WM_SETTINGCHANGE:
        // The default processing (after this returns) draws nothing, so the order of the
        // two does not show.
        RedrawWholeWindow();
        return FALSE;
    case WM_RBUTTONDOWN:
        return OnRButtonDown(static_cast<UINT>(wParam), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_LBUTTONDBLCLK:
        return OnLButtonDblClk(static_cast<UINT>(wParam), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    case WM_CLOSE:
        OnClose();
        return TRUE;
    case WM_LBUTTONDOWN:
        return OnLButtonDown(static_cast<UINT>(wParam), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_WINDOWPOSCHANGING:
        OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lParam));
        return TRUE;
    case WM_WINDOWPOSCHANGED:
        OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(lParam));
        return FALSE;
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return FALSE;
    case WM_DISPLAYCHANGE:
        return DlgMsgResult(message, OnDisplayChange(wParam, lParam));
    case UM_TRAY_NOTIFY:
        return DlgMsgResult(message, OnTrayNotify(wParam, lParam));
    case UM_CHECK_RESULT:
        return DlgMsgResult(message, OnCheckResult(wParam, lParam));
    case UM_MONITOR_APPLIED:
        return DlgMsgResult(message, OnApplyMonitorProperties(wParam, lParam));
    case UM_OPTIONS_APPLIED:  // the Options dialog's Apply
        return DlgMsgResult(message, OnOptionsApplied(m_dlgOptions.Settings(), m_dlgOptions.GetSafeHwnd()));
    case UM_GET_MAIN_DLG:
        return DlgMsgResult(message, OnGetMainDlg(wParam, lParam));
    case UM_ACTIVATE_INSTANCE:
        return DlgMsgResult(message, OnActivateInstance(wParam, lParam));
    default:
        return fw::CDialog::DialogProc(message, wParam, lParam);
    }
}
