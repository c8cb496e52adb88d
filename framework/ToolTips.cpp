#include "framework/ToolTips.h"

#include <commctrl.h>

namespace fw {

void CToolTips::Create(HWND dialog) {
    Destroy();
    m_hWnd = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, dialog, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (m_hWnd) SendMessageW(m_hWnd, TTM_SETMAXTIPWIDTH, 0, 300);
}

void CToolTips::Add(HWND dialog, int controlId, const std::wstring& text) {
    HWND control = GetDlgItem(dialog, controlId);
    if (!m_hWnd || !control) return;
    TOOLINFOW ti = {};
    ti.cbSize = sizeof(ti);
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = dialog;
    ti.uId = reinterpret_cast<UINT_PTR>(control);
    ti.lpszText = const_cast<LPWSTR>(text.c_str());
    SendMessageW(m_hWnd, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTips::Destroy() {
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
}

void CEditBalloon::Show(HWND edit, const std::wstring& title, const std::wstring& text, int icon) {
    Hide();
    if (!edit) return;
    m_title = title;
    m_text = text;
    EDITBALLOONTIP tip = {};
    tip.cbStruct = sizeof(tip);
    tip.pszTitle = m_title.c_str();
    tip.pszText = m_text.c_str();
    tip.ttiIcon = icon;
    if (SendMessageW(edit, EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&tip))) {
        m_hEdit = edit;
        return;
    }

    HWND dialog = GetParent(edit);
    if (!m_hTip || !IsWindow(m_hTip)) {
        m_hTip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                 WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        if (!m_hTip) return;
        SendMessageW(m_hTip, TTM_SETMAXTIPWIDTH, 0, 300);
    }
    TOOLINFOW ti = {};
    ti.cbSize = sizeof(ti);
    ti.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE;
    ti.hwnd = dialog;
    ti.uId = reinterpret_cast<UINT_PTR>(edit);
    ti.lpszText = const_cast<LPWSTR>(m_text.c_str());
    SendMessageW(m_hTip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    SendMessageW(m_hTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    // An empty title would still take a line of its own: no title then.
    SendMessageW(m_hTip, TTM_SETTITLEW, icon,
                 m_title.empty() && icon == TTI_NONE ? 0 : reinterpret_cast<LPARAM>(m_title.c_str()));
    RECT rc;
    GetWindowRect(edit, &rc);
    SendMessageW(m_hTip, TTM_TRACKPOSITION, 0, MAKELPARAM((rc.left + rc.right) / 2, rc.bottom - 2));
    SendMessageW(m_hTip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&ti));
    m_hEdit = edit;
    SetTimer(dialog, kHideTimer, kShownMs, nullptr);
}

void CEditBalloon::Hide() {
    if (!m_hEdit) return;
    if (IsWindow(m_hEdit)) SendMessageW(m_hEdit, EM_HIDEBALLOONTIP, 0, 0);
    if (m_hTip && IsWindow(m_hTip)) {
        TOOLINFOW ti = {};
        ti.cbSize = sizeof(ti);
        ti.hwnd = GetParent(m_hEdit);
        ti.uId = reinterpret_cast<UINT_PTR>(m_hEdit);
        SendMessageW(m_hTip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&ti));
        KillTimer(ti.hwnd, kHideTimer);
    }
    m_hEdit = nullptr;
}

void CEditBalloon::OnTimer(HWND dialog) {
    KillTimer(dialog, kHideTimer);
    Hide();
}

void CEditBalloon::Destroy() {
    Hide();
    if (m_hTip && IsWindow(m_hTip)) DestroyWindow(m_hTip);
    m_hTip = nullptr;
}

}  // namespace fw
