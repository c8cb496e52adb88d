#include "app/MainDlg.h"

// Interim painting: a plain strip until the box drawing lands.
void CMainDlg::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    RECT rc;
    GetClientRect(m_hWnd, &rc);
    FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EndPaint(m_hWnd, &ps);
}

void CMainDlg::RedrawBox(int) { InvalidateRect(m_hWnd, nullptr, FALSE); }

void CMainDlg::FitWindowToBoxes() {
    int width = WinPos ? (XBox + 1) * NumBox + 8 : XBox + 2;
    int height = WinPos ? YBox + 2 : (YBox + 1) * NumBox + 8;
    SetWindowPos(m_hWnd, HWND_TOP, PosX, PosY, width, height, 0);
}

void CMainDlg::LoadBoxPictures(int) {}
