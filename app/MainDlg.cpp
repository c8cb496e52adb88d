#include "app/MainDlg.h"

#include <shlwapi.h>
#include <windowsx.h>

#include "framework/AppMessage.h"
#include "model/DataFolders.h"
#include "model/IconFile.h"
#include "model/GlobalSettings.h"
#include "model/Messages.h"
#include "model/RecordLink.h"
#include "model/SharedRoutines.h"
#include "model/SharedSettings.h"
#include "resource.h"
#include "ui/DefaultPictures.h"

CMainDlg::CMainDlg(HWND parent, int instance) : fw::CDialog(IDD_MAIN_DIALOG, parent) {
    fw::CDialog::RegisterDialogClass(L"OrvalenStrip");
    fw::SetSettingsDialogLook(IDR_MAINFRAME, L"" SETTINGS_DIALOG_CLASS);
    m_nInstance = instance;
    CSharedSettings::Get().RunningOnWine = IsRunningOnWine() ? 1 : 0;
    HideTaskBarButton = 0;
    ShowReplyTime = 0;

    // Every status a monitor takes is shown on its box at once.
    m_monitors.OnStatusShown([this](int slot) { RedrawBox(BoxOfSlot(slot), true); });
    m_monitors.OnStartFailed([this] { ArmStartRetry(); });

    m_hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
    m_view.LoadGripIcons();

    std::wstring appData;
    AppDataResult appDataState = ReadAppDataFolder(appData);
    if (appDataState != AppDataResult::Ok) {
        // Without it the tree would land in the current drive's root: stop instead.
        fw::AppMessageBox(AppDataProblemText(appDataState), MB_OK | MB_ICONERROR);
        return;
    }
    m_files.Use(MakeDataFolders(appData, m_nInstance));
    CreateDataFolderTree(m_files.folders);

    WriteMissingDefaultPictures(m_files.folders.pictures);
    m_view.LoadStatusIcons();
    LoadConfig();
}

// The icons, fonts, bitmaps and the tray object free themselves; the records and their
// threads were ended by OnDestroy.
CMainDlg::~CMainDlg() = default;

BOOL CMainDlg::OnCommand(WORD id, WORD code, HWND control) {
    // Enter and Esc must not end the strip.
    if (id == IDOK || id == IDCANCEL) return TRUE;
    return OnTrayCommand(id);
}

LRESULT CMainDlg::OnCheckResult(WPARAM wParam, LPARAM lParam) {
    const auto* report = reinterpret_cast<const CheckReport*>(lParam);
    const int slot = m_monitors.SlotOfResult(LOWORD(wParam), report);
    // Only a report some record claims is read.
    if (slot >= 0) m_monitors.ShowStatus(slot, HIWORD(wParam), report ? report->result : CheckResult());
    return 0;
}

LRESULT CMainDlg::OnGetMainDlg(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(this); }

LRESULT CMainDlg::OnActivateInstance(WPARAM, LPARAM) {
    ShowWindow(m_hWnd, SW_RESTORE);
    SetForegroundWindow(m_hWnd);
    return 0;
}

void CMainDlg::OnDestroy() {
    // The icon goes with the window, before anything else.
    m_tray.RemoveIcon();
    m_monitors.EndAll();
    // Nothing waits here: the pending echoes are waited for once the window and the
    // instance guard are gone (CMainApp), so a start right after Quit comes up.
}

void CMainDlg::RedrawWholeWindow() {
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

INT_PTR CMainDlg::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return TRUE;
    case WM_PRINTCLIENT:
        OnPrintClient(reinterpret_cast<HDC>(wParam));
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
    case WM_TIMER:
        if (wParam != kStartRetryTimer) return fw::CDialog::DialogProc(message, wParam, lParam);
        OnStartRetryTimer();
        return TRUE;
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
    // Only the open dialog's Apply sends these. Another program can post them at any
    // time: with no dialog open its fields are stale (or defaults) and would overwrite the
    // file, so they change nothing then.
    case UM_MONITOR_APPLIED:
        if (!m_dialogs.OpenWindows().monitor) return DlgMsgResult(message, 0);
        return DlgMsgResult(message, OnApplyMonitorProperties(wParam, lParam));
    case UM_OPTIONS_APPLIED:
        if (!m_dialogs.OpenWindows().options) return DlgMsgResult(message, 0);
        return DlgMsgResult(message, OnOptionsApplied(m_dialogs.options.Settings(), m_dialogs.options.GetSafeHwnd()));
    case UM_GET_MAIN_DLG:
        return DlgMsgResult(message, OnGetMainDlg(wParam, lParam));
    case UM_ACTIVATE_INSTANCE:
        return DlgMsgResult(message, OnActivateInstance(wParam, lParam));
    default:
        return fw::CDialog::DialogProc(message, wParam, lParam);
    }
}
