// The window's creation and start: tray menu and its images, tray icon, title, first
// placement, taskbar button, volume, first statuses and the monitoring threads, and the
// timer that tries again those whose thread could not be created.
#include <algorithm>
#include <windows.h>
#include <shobjidl.h>

#include "app/MainDlg.h"
#include "app/StripGeometry.h"
#include "framework/AppMessage.h"
#include "framework/ComPtr.h"
#include "model/Instances.h"
#include "model/Messages.h"
#include "model/SharedRoutines.h"
#include "resource.h"

namespace {

// The tray menu's item images: an icon resource made into a bitmap, or (icon 0) the
// window's bitmap resource for that command.
struct TrayMenuImage {
    UINT command;
    UINT iconId;
};
const TrayMenuImage kTrayMenuImages[] = {
    {ID_TRAY_ABOUT, IDI_MENU_ABOUT},
    {ID_TRAY_HELP, IDI_MENU_HELP},
    {ID_TRAY_RESET_POSITION, IDI_MENU_RESET_POSITION},
    {ID_TRAY_SHOW, IDI_MENU_SHOW},
    {ID_TRAY_DISABLE_ALL_NOTIF, IDI_MENU_ALL_NOTIF},
    {ID_TRAY_DISABLE_SOUNDS, IDI_BUTTON_TEST_SOUND},
    {ID_TRAY_DISABLE_MSGBOXES, IDI_MENU_MESSAGE_BOXES},
    {ID_TRAY_DISABLE_FILES, 0},
    {ID_TRAY_ENABLE_ALL_MON, IDI_MENU_ENABLE_ALL},
    {ID_TRAY_DISABLE_ALL_MON, IDI_MENU_DISABLE_ALL},
    {ID_TRAY_LOGS, IDI_MENU_LOGS},
    {ID_TRAY_CONFIG_BACKUP, IDI_MENU_BACKUP_CONFIG},
    {ID_TRAY_CONFIG_RESTORE, IDI_MENU_RESTORE_CONFIG},
    {ID_TRAY_CONFIG_RESET, 0},
    {ID_TRAY_OPTIONS, IDI_MENU_OPTIONS},
    {ID_TRAY_QUIT, IDI_MENU_QUIT},
};

const UINT kInstanceIcons[] = {IDI_INSTANCE_0, IDI_INSTANCE_1, IDI_INSTANCE_2, IDI_INSTANCE_3, IDI_INSTANCE_4};

}  // namespace

int CMainDlg::OnCreate(CREATESTRUCTW*) {
    m_menuTray.Reset(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_TRAY_MENU)));
    m_tray.SetNotifyWnd(m_hWnd);
    int instance = (m_nInstance >= 0 && m_nInstance < kInstanceCount) ? m_nInstance : 0;
    // The tray shows small icons: the icon's own small image (its badge is drawn for
    // that size), not the large one scaled down. Owned: it is destroyed with us.
    m_hInstanceIcon.Reset(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kInstanceIcons[instance]), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
    m_menuImages.Load();
    SetTrayMenuImages();

    // Started with Windows, the program may come before the shell's taskbar: then it
    // waits for the taskbar a while before it gives up.
    if (!m_tray.Create(nullptr, UM_TRAY_CALLBACK, L"Orvalen\nCarrowmede", m_hInstanceIcon, IDR_TRAY_MENU, FALSE,
                       nullptr, nullptr, NIIF_INFO, 3) &&
        !m_tray.WaitForTaskbar(CSystemTray::kTaskbarWaitMs)) {
        fw::AppMessageBox(L"Can't create system tray icon.", MB_OK);
        return -1;
    }
    SetWindowTextW(m_hWnd, InstanceWindowTitle(m_nInstance).c_str());
    PlaceWindow();
    return 0;
}

void CMainDlg::SetTrayMenuImages() {
    if (!m_menuTray) return;
    for (const TrayMenuImage& image : kTrayMenuImages) {
        HBITMAP bitmap = image.iconId ? m_menuImages.OfIcon(image.iconId)
                         : image.command == ID_TRAY_DISABLE_FILES ? m_menuImages.DisableFiles()
                                                                   : m_menuImages.ResetConfig();
        SetMenuItemBitmaps(m_menuTray, image.command, MF_BYCOMMAND, bitmap, bitmap);
    }
}

void CMainDlg::PlaceWindow() {
    SIZE size = StripWindowSize(Shape());
    SetWindowPos(m_hWnd, HWND_TOP, PosX, PosY, size.cx, size.cy, StartsAtBottom() ? SWP_NOACTIVATE : 0);
}

void CMainDlg::ShowAtStart(int command) {
    if (StartsAtBottom()) command = command == SW_RESTORE ? SW_SHOWNOACTIVATE : SW_SHOWNA;
    ShowWindow(m_hWnd, command);
}

BOOL CMainDlg::OnInitDialog() {
    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    ApplyLayoutAndStart();
    if (IsZOrderMode(WinBeh)) SetZOrderMode(static_cast<ZOrderMode>(WinBeh));
    ShowAtStart(SW_SHOW);
    ShowAtStart(SW_RESTORE);
    RedrawWholeWindow();
    return TRUE;
}

void CMainDlg::ApplyLayoutAndStart() {
    ShowAtStart(SW_RESTORE);
    PlaceWindow();
    ShowWindow(m_hWnd, SW_HIDE);
    ApplyTaskbarButton();
    ShowAtStart(SW_SHOW);
    SetWaveOutVolume(Volume);
    RedrawWholeWindow();

    for (int i = 0; i < m_monitors.Count(); ++i) {
        CMonitorRecord* record = m_monitors.RecordAt(i);
        if (!record) continue;
        record->m_hOwner = m_hWnd;
        record->m_nStatus = 0;
        m_monitors.ShowStatus(i, record->Disabled ? MON_DISABLED : MON_CHECKING);
    }
    for (int i = 0; i < m_monitors.Count(); ++i) {
        CMonitorRecord* record = m_monitors.RecordAt(i);
        if (record && !record->Disabled) m_monitors.Start(i);
    }
    ShowAtStart(SW_SHOW);
    ShowAtStart(SW_RESTORE);
}

void CMainDlg::ArmStartRetry() {
    if (!m_hWnd) return;
    const DWORD in = m_monitors.NextStartRetryIn(GetTickCount());
    if (in == INFINITE)
        KillTimer(m_hWnd, kStartRetryTimer);
    else
        SetTimer(m_hWnd, kStartRetryTimer, std::max<DWORD>(in, USER_TIMER_MINIMUM), nullptr);
}

void CMainDlg::OnStartRetryTimer() {
    m_monitors.RetryFailedStarts(GetTickCount());
    ArmStartRetry();
}

void CMainDlg::ApplyTaskbarButton() {
    fw::CComPtr<ITaskbarList> taskbar;
    if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList,
                                taskbar.ReceiveVoid())) ||
        !taskbar)
        return;  // the button stays as the window's style gives it
    taskbar->HrInit();
    LONG_PTR style = GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE);
    if (HideTaskBarButton == 0) {
        SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, (style & ~WS_EX_TOOLWINDOW) | WS_EX_APPWINDOW);
        taskbar->AddTab(m_hWnd);
    } else {
        SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, (style & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW);
        taskbar->DeleteTab(m_hWnd);
    }
}
