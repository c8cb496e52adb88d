#pragma once
// Tooltips of a dialog's controls, and balloon tips at an edit control.
#include <string>
#include <windows.h>

#include <commctrl.h>

namespace fw {

// One tooltip control for a dialog; each tool is a control that shows its text while
// the mouse rests on it (the tooltip watches the control itself).
class CToolTips {
public:
    ~CToolTips() { Destroy(); }
    void Create(HWND dialog);
    void Add(HWND dialog, int controlId, const std::wstring& text);
    void Destroy();
    HWND GetSafeHwnd() const { return m_hWnd; }

private:
    HWND m_hWnd = nullptr;
};

// A balloon pointing at an edit control: the edit's own balloon where the system
// shows one; else (Wine answers EM_SHOWBALLOONTIP with FALSE and shows nothing) a
// tracking balloon tooltip placed under the edit, hidden again after a while.
class CEditBalloon {
public:
    ~CEditBalloon() { Destroy(); }
    // icon: TTI_NONE, TTI_INFO, TTI_WARNING or TTI_ERROR.
    void Show(HWND edit, const std::wstring& title, const std::wstring& text, int icon = TTI_NONE);
    void Hide();
    void Destroy();
    // The dialog's timer that hides a tracking balloon; the dialog calls OnTimer with it.
    static constexpr UINT_PTR kHideTimer = 0x4242;
    static constexpr UINT kShownMs = 10000;
    void OnTimer(HWND dialog);

private:
    HWND m_hTip = nullptr;
    HWND m_hEdit = nullptr;
    std::wstring m_title, m_text;  // kept alive while the balloon shows them
};

}  // namespace fw
