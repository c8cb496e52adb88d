// The tray icon's mouse events and the tray menu: its commands and the routing of every
// tray menu command.
#include <windows.h>
#include <shellapi.h>

#include "app/MainDlg.h"
#include "framework/WinApp.h"
#include "model/MainConfig.h"
#include "model/SharedSettings.h"
#include "resource.h"

namespace {

void Raise(HWND window) {
    ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
}

}  // namespace

BOOL CMainDlg::OnTrayCommand(WORD id) {
    switch (id) {
    case ID_TRAY_ABOUT: OnAbout(); break;
    case ID_TRAY_HELP: OnHelpAndSupport(); break;
    case ID_TRAY_ALWAYS_TOP: SetZOrderMode(ZORDER_ALWAYS_TOP); break;
    case ID_TRAY_NORMAL: SetZOrderMode(ZORDER_NORMAL); break;
    case ID_TRAY_ALWAYS_BOTTOM: SetZOrderMode(ZORDER_ALWAYS_BOTTOM); break;
    case ID_TRAY_RESET_POSITION: OnResetPosition(); break;
    case ID_TRAY_SHOW: OnShow(); break;
    case ID_TRAY_DISABLE_ALL_NOTIF: OnDisableAllNotifications(); break;
    case ID_TRAY_DISABLE_SOUNDS: OnDisableSounds(); break;
    case ID_TRAY_DISABLE_MSGBOXES: OnDisableMsgBoxes(); break;
    case ID_TRAY_DISABLE_FILES: OnDisableFiles(); break;
    case ID_TRAY_ENABLE_ALL_MON: OnEnableAllMonitors(); break;
    case ID_TRAY_DISABLE_ALL_MON: OnDisableAllMonitors(); break;
    case ID_TRAY_LOGS: OnLogs(); break;
    case ID_TRAY_CONFIG_BACKUP: OnConfigBackup(); break;
    case ID_TRAY_CONFIG_RESTORE: OnConfigRestore(); break;
    case ID_TRAY_CONFIG_RESET: OnConfigReset(); break;
    case ID_TRAY_OPTIONS: OnOptions(); break;
    case ID_TRAY_QUIT: OnQuit(); break;
    default: return FALSE;
    }
    return TRUE;
}

LRESULT CMainDlg::OnTrayNotify(WPARAM wParam, LPARAM lParam) {
    const SettingsDialogWindows dialogs = m_dialogs.OpenWindows();
    switch (lParam) {
    case WM_LBUTTONDOWN:
        SetForegroundWindow(m_hWnd);
        ShowWindow(m_hWnd, SW_RESTORE);
        // Every open dialog but the user menu editor comes up, the last one on top.
        for (HWND dialog : {dialogs.monitor, dialogs.options, dialogs.about, dialogs.netMsg})
            if (SettingsDialogWindows::IsShown(dialog)) Raise(dialog);
        return 1;
    case WM_LBUTTONUP:
        ShowWindow(m_hWnd, SW_RESTORE);
        SetForegroundWindow(m_hWnd);
        return 1;
    case WM_LBUTTONDBLCLK:
        ShowWindow(m_hWnd, SW_SHOW);
        ShowWindow(m_hWnd, SW_RESTORE);
        return 1;
    case WM_RBUTTONUP: {
        SetForegroundWindow(m_hWnd);
        // An open dialog comes to the front instead of the menu: only the first one.
        for (HWND dialog :
             {dialogs.monitor, dialogs.options, dialogs.about, dialogs.netMsg, dialogs.customMenu}) {
            if (SettingsDialogWindows::IsShown(dialog)) {
                Raise(dialog);
                return 0;
            }
        }
        // A configuration-file dialog or a message box of the box menu is up.
        if (m_bModalBusy) return 0;
        HMENU popup = m_menuTray ? GetSubMenu(m_menuTray, 0) : nullptr;
        if (!popup) return 0;
        MarkZOrderMode();
        SetForegroundWindow(m_hWnd);
        const int x = static_cast<short>(LOWORD(wParam));
        const int y = static_cast<short>(HIWORD(wParam));
        TrackPopupMenu(popup, TPM_RIGHTALIGN, x, y, 0, m_hWnd, nullptr);
        // Lets the menu close when the user clicks elsewhere next time.
        PostMessageW(m_hWnd, WM_NULL, 0, 0);
        return 1;
    }
    default:
        return 1;
    }
}

void CMainDlg::OnHelpAndSupport() {
    // The same as F1.
    if (fw::CWinApp* app = fw::AfxGetApp()) app->OnCommand(ID_HELP);
}

void CMainDlg::OnResetPosition() {
    ShowWindow(m_hWnd, SW_RESTORE);
    SetForegroundWindow(m_hWnd);
    RECT desktop = {};
    GetWindowRect(GetDesktopWindow(), &desktop);
    const int x = (desktop.right - desktop.left) / 2;
    const int y = (desktop.bottom - desktop.top) / 2;
    SetWindowPos(m_hWnd, HWND_TOP, x, y, 0, 0, SWP_NOSIZE);
    SavePosition(x, y);
}

void CMainDlg::OnShow() {
    ShowWindow(m_hWnd, SW_SHOW);
    ShowWindow(m_hWnd, SW_RESTORE);
}

void CMainDlg::OnLogs() {
    const std::wstring folder = CSharedSettings::Get().LogDir();
    ShellExecuteW(GetDesktopWindow(), L"open", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CMainDlg::OnQuit() {
    // The window's top-left corner in screen coordinates, as the next start places it.
    RECT rect = {};
    if (!IsIconic(m_hWnd) && IsWindowVisible(m_hWnd)) {
        GetWindowRect(m_hWnd, &rect);
    } else {
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof(placement);
        GetWindowPlacement(m_hWnd, &placement);
        rect = placement.rcNormalPosition;
        // The restored rectangle of a window that is no tool window is in work-area
        // coordinates: a taskbar at the top or left shifts it.
        if (!(GetWindowLongW(m_hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)) {
            MONITORINFO monitor = {};
            monitor.cbSize = sizeof(monitor);
            if (GetMonitorInfoW(MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor))
                OffsetRect(&rect, monitor.rcWork.left - monitor.rcMonitor.left,
                           monitor.rcWork.top - monitor.rcMonitor.top);
        }
    }
    SavePosition(rect.left, rect.top);
    DestroyWindow(m_hWnd);
}
