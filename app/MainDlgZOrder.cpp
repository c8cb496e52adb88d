// The strip's side of its z-order mode: a mode chosen in the tray menu (or started
// with) is applied and written back as "WinBeh", kept after every position change, and
// marked in the tray menu.
#include "app/MainDlg.h"
#include "model/MainConfig.h"

void CMainDlg::SetZOrderMode(ZOrderMode mode) {
    WinBeh = mode;
    CZOrder::Apply(m_hWnd, mode, true);
    SaveMainKey(&MainSettings::WinBeh);
}

// A strip that lives at the bottom is shown at start without being activated: showing
// or restoring it the usual way would raise it above the windows it belongs under.
bool CMainDlg::StartsAtBottom() const { return WinBeh == ZORDER_ALWAYS_BOTTOM; }

void CMainDlg::OnWindowPosChanged(WINDOWPOS*) {
    m_zOrder.ApplyAfterMove(m_hWnd, WinBeh, [this] {
        const SettingsDialogWindows dialogs = m_dialogs.OpenWindows();
        for (HWND dialog : {dialogs.monitor, dialogs.options, dialogs.about})
            if (SettingsDialogWindows::IsShown(dialog))
                SetWindowPos(dialog, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    });
}

void CMainDlg::MarkZOrderMode() {
    // The tray commands in the order of the modes.
    const UINT modes[] = {ID_TRAY_ALWAYS_TOP, ID_TRAY_NORMAL, ID_TRAY_ALWAYS_BOTTOM};
    if (!IsZOrderMode(WinBeh)) return;
    HBITMAP mark = m_menuImages.OfIcon(IDI_MENU_MODE_MARK);
    for (int mode = ZORDER_ALWAYS_TOP; mode <= ZORDER_ALWAYS_BOTTOM; ++mode) {
        // The other modes show no image.
        HBITMAP image = mode == WinBeh ? mark : nullptr;
        SetMenuItemBitmaps(m_menuTray, modes[mode], MF_BYCOMMAND, image, image);
    }
}
