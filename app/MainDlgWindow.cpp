// Window behaviour: the grip strip's zones (close, background, turn, drag), snapping to
// the work area while the window moves, and the window's answers to size, display and
// close messages.
#include <windows.h>

#include "app/EdgeSnap.h"
#include "app/GripZones.h"
#include "app/MainDlg.h"
#include "app/StripGeometry.h"
#include "model/MainConfig.h"

// TRUE: the click is fully handled (the background zone with a dialog open, or the
// window is gone); FALSE lets the default processing follow.
BOOL CMainDlg::OnLButtonDown(UINT, POINT point) {
    // The row's zones first; then, when the layout is (or has just become) a column, the
    // column's. The row's turn zone lies in no column zone, so a turn runs nothing more.
    for (int pass = 0; pass < 2; ++pass) {
        const bool row = Shape().row;
        if (pass == 1 && row) break;
        if (pass == 0 && !row) continue;
        switch (GripZoneAt(point, row)) {
        case GripZone::Close:
            // Only Quit saves the position.
            DestroyWindow(m_hWnd);
            return TRUE;
        case GripZone::Background: {
            if (m_dialogs.OpenWindows().BlockingShown()) return TRUE;
            ShowWindow(m_hWnd, SW_MINIMIZE);
            // Without a taskbar button only the tray icon brings the window back.
            if (HideTaskBarButton) ShowWindow(m_hWnd, SW_HIDE);
            m_tray.ShowBalloon(L"Background mode.", L"Orvalen Notify", NIIF_INFO, 10);
            break;
        }
        case GripZone::Turn:
            WinPos = WinPos == 0 ? 1 : 0;
            FitWindowToBoxes();
            SaveMainKey(&MainSettings::WinPos);
            break;
        case GripZone::Drag: {
            // The system's move loop, as if the caption were dragged; it returns when the
            // button is released, snapping on the way.
            SendMessageW(m_hWnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
            RECT rect = {};
            GetWindowRect(m_hWnd, &rect);
            SavePosition(rect.left, rect.top);
            break;
        }
        case GripZone::None:
            break;
        }
    }
    return FALSE;
}

// The place the next start puts the window at.
void CMainDlg::SavePosition(int x, int y) {
    PosX = x;
    PosY = y;
    SaveMainKey(&MainSettings::PosX);
    SaveMainKey(&MainSettings::PosY);
}

void CMainDlg::OnWindowPosChanging(WINDOWPOS* pos) {
    DefWindowProcW(m_hWnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(pos));
    RECT workArea = {};
    if (!pos || !SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0)) return;
    SIZE size = {pos->cx, pos->cy};
    // A move that keeps the size carries no size (0 x 0): the window keeps its own, and
    // the right and bottom edges must be measured with it.
    if (pos->flags & SWP_NOSIZE) {
        RECT rect = {};
        GetWindowRect(m_hWnd, &rect);
        size = {rect.right - rect.left, rect.bottom - rect.top};
    }
    POINT snapped = SnapToWorkArea({pos->x, pos->y}, size, workArea);
    pos->x = snapped.x;
    pos->y = snapped.y;
}

void CMainDlg::OnSize(UINT type, int, int) {
    if (type != SIZE_RESTORED) return;
    FitWindowToBoxes();
    // Takes down the background zone's balloon if it is still up.
    m_tray.ShowBalloon(L"", nullptr, 0, 10);
}

LRESULT CMainDlg::OnDisplayChange(WPARAM, LPARAM) {
    // The screen's format may have changed with it: the boxes' bitmap is made again.
    m_view.ForgetSurface();
    RedrawWholeWindow();
    return 0;
}

void CMainDlg::OnClose() {
    // Closing does not save the position (only Quit does).
    DestroyWindow(m_hWnd);
}
