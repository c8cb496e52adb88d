#include "framework/ColorControls.h"

#include <commctrl.h>
#include <commdlg.h>

namespace fw {

namespace {
constexpr UINT_PTR kColorSubclassId = 0xC01;
// The custom colours the user mixes are kept for the program's whole run.
COLORREF g_customColors[16] = {};
}  // namespace

void CColorButton::SetColor(COLORREF color) {
    m_color = color;
    if (m_hWnd) InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CColorButton::OnAttached() { SetWindowSubclass(m_hWnd, &CColorButton::SubclassProc, kColorSubclassId, reinterpret_cast<DWORD_PTR>(this)); }

void CColorButton::OnDetached() { RemoveWindowSubclass(m_hWnd, &CColorButton::SubclassProc, kColorSubclassId); }

// The button paints itself as usual; the colour goes over its face, inside the frame.
LRESULT CALLBACK CColorButton::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                            DWORD_PTR data) {
    LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
    if (message == WM_PAINT || message == BM_SETSTATE || message == WM_ENABLE || message == WM_SETFOCUS ||
        message == WM_KILLFOCUS)
        reinterpret_cast<CColorButton*>(data)->PaintColor();
    return result;
}

void CColorButton::PaintColor() {
    RECT rc;
    GetClientRect(m_hWnd, &rc);
    InflateRect(&rc, -4, -4);
    if (rc.right <= rc.left || rc.bottom <= rc.top) return;
    const CClientDC dc(m_hWnd);
    CBrush fill(CreateSolidBrush(IsWindowEnabled(m_hWnd) ? m_color : GetSysColor(COLOR_BTNFACE)));
    FillRect(dc, &rc, fill);
    FrameRect(dc, &rc, GetSysColorBrush(COLOR_BTNSHADOW));
}

BOOL CColorButton::OnReflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
    OnShowColorPopup();
    return TRUE;
}

void CColorButton::OnShowColorPopup() {
    CHOOSECOLORW cc = {};
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = m_hWnd ? GetAncestor(m_hWnd, GA_ROOT) : nullptr;
    cc.rgbResult = m_color;
    cc.lpCustColors = g_customColors;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&cc)) return;
    SetColor(cc.rgbResult);
    // The parent repaints whatever shows the colour (the monitor dialog's preview).
    if (HWND parent = m_hWnd ? GetParent(m_hWnd) : nullptr)
        RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

CColorStatic::CColorStatic() : m_crBk(GetSysColor(COLOR_BTNFACE)) { m_brBk.Reset(CreateSolidBrush(m_crBk)); }

void CColorStatic::SetTextColor(COLORREF color) {
    m_crText = color;
    if (m_hWnd) RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

BOOL CColorStatic::OnReflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_CTLCOLORSTATIC) return FALSE;
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetBkColor(dc, m_crBk);
    ::SetTextColor(dc, m_crText);
    result = reinterpret_cast<LRESULT>(m_brBk.Get());
    return TRUE;
}

}  // namespace fw
