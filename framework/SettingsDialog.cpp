#include "framework/SettingsDialog.h"

#include <algorithm>
#include <commctrl.h>

#include "framework/StringUtil.h"

namespace fw {

namespace {
HICON g_programIcon = nullptr;  // shared, never destroyed
}  // namespace

void SetSettingsDialogLook(UINT iconId, const wchar_t* className) {
    g_programIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId));
    CDialog::RegisterDialogClass(className, g_programIcon);
}

CSettingsDialog::CSettingsDialog(UINT templateId, HWND parent, EnablesMainWindow enables)
    : CDialog(templateId, parent), m_enables(enables) {
    // Up-down, trackbar and list-view classes must be registered before a template that
    // names them is created.
    static const bool registered = [] {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)registered;
}

bool CSettingsDialog::UpdateData(bool save) {
    if (!m_hWnd) return false;
    CDataExchange dx(*this, save);
    const Pass outer = m_pass;
    m_pass = outer == Pass::GivingBack || !save ? Pass::GivingBack : Pass::Taking;
    DoDataExchange(dx);
    m_pass = outer;
    return dx.Succeeded();
}

void CSettingsDialog::AttachControl(int id, CControl& control) {
    HWND hwnd = GetDlgItem(id);
    if (!hwnd) return;
    control.m_hWnd = hwnd;
    if (std::find(m_controls.begin(), m_controls.end(), &control) == m_controls.end()) m_controls.push_back(&control);
    control.OnAttached();
}

void CSettingsDialog::DetachControls() {
    for (CControl* control : m_controls) {
        control->OnDetached();
        control->m_hWnd = nullptr;
    }
    m_controls.clear();
}

CControl* CSettingsDialog::ControlOf(HWND hwnd) const {
    if (!hwnd) return nullptr;
    for (CControl* control : m_controls)
        if (control->m_hWnd == hwnd) return control;
    return nullptr;
}

INT_PTR CSettingsDialog::Reflect(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CControl* control = ControlOf(hwnd);
    LRESULT result = 0;
    if (!control || !control->OnReflect(message, wParam, lParam, result)) return FALSE;
    return DlgMsgResult(message, result);
}

void CSettingsDialog::SetItemText(int id, const std::wstring& text) { SetDlgItemTextW(m_hWnd, id, text.c_str()); }

std::wstring CSettingsDialog::GetItemText(int id) const { return GetWindowTextString(GetDlgItem(id)); }

void CSettingsDialog::EnableItem(int id, bool enable) {
    if (HWND control = GetDlgItem(id)) EnableWindow(control, enable);
}

void CSettingsDialog::LimitText(int id, int characters) {
    SendDlgItemMessageW(m_hWnd, id, EM_LIMITTEXT, characters, 0);
}

void CSettingsDialog::SetSpinRange(int id, int lower, int upper) {
    SendDlgItemMessageW(m_hWnd, id, UDM_SETRANGE32, lower, upper);
}

void CSettingsDialog::SetSpinPos(int id, int pos) { SendDlgItemMessageW(m_hWnd, id, UDM_SETPOS32, 0, pos); }

int CSettingsDialog::GetSpinPos(int id) const {
    return static_cast<int>(SendDlgItemMessageW(m_hWnd, id, UDM_GETPOS32, 0, 0));
}

void CSettingsDialog::SetButtonIcon(int id, UINT iconId) {
    HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId), IMAGE_ICON, 16, 16, LR_SHARED);
    if (icon) SendDlgItemMessageW(m_hWnd, id, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
}

void CSettingsDialog::AddToolTip(int id, const std::wstring& text) {
    if (!m_ToolTip.GetSafeHwnd()) m_ToolTip.Create(m_hWnd);
    m_ToolTip.Add(m_hWnd, id, text);
}

void CSettingsDialog::ShowBalloon(int editId, const std::wstring& title, const std::wstring& text) {
    m_balloon.Show(GetDlgItem(editId), title, text, TTI_NONE);
}

void CSettingsDialog::CenterOnParent() {
    HWND parent = m_hParent ? m_hParent : GetParent(m_hWnd);
    RECT outer, dialog;
    if (!parent || !IsWindowVisible(parent) || IsIconic(parent)) {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &outer, 0);
    } else {
        GetWindowRect(parent, &outer);
    }
    GetWindowRect(m_hWnd, &dialog);
    const int width = dialog.right - dialog.left, height = dialog.bottom - dialog.top;
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    int x = (outer.left + outer.right - width) / 2;
    int y = (outer.top + outer.bottom - height) / 2;
    // Keep the whole dialog on the screen, even beside a strip at its edge.
    x = std::max<int>(work.left, std::min<int>(x, work.right - width));
    y = std::max<int>(work.top, std::min<int>(y, work.bottom - height));
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CSettingsDialog::RedrawAll() {
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

BOOL CSettingsDialog::OnInitDialog() {
    // The strip stays usable while a settings dialog is open.
    HWND parent = m_hParent ? m_hParent : GetParent(m_hWnd);
    if (m_enables == EnablesMainWindow::ParentsParent && parent) parent = GetParent(parent);
    if (m_enables != EnablesMainWindow::None && parent) EnableWindow(parent, TRUE);
    m_hIcon = g_programIcon;
    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    return TRUE;
}

// A minimised dialog shows the program icon in the middle of its client area.
bool CSettingsDialog::PaintIconic() {
    if (!IsIconic(m_hWnd)) return false;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT rc;
    GetClientRect(m_hWnd, &rc);
    const int cx = GetSystemMetrics(SM_CXICON), cy = GetSystemMetrics(SM_CYICON);
    DrawIcon(dc, (rc.right - cx + 1) / 2, (rc.bottom - cy + 1) / 2, m_hIcon);
    EndPaint(m_hWnd, &ps);
    return true;
}

INT_PTR CSettingsDialog::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (m_pass == Pass::GivingBack && (HIWORD(wParam) == EN_CHANGE || HIWORD(wParam) == EN_UPDATE)) return TRUE;
        if (lParam && Reflect(reinterpret_cast<HWND>(lParam), message, wParam, lParam)) return TRUE;
        break;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (Reflect(header->hwndFrom, message, wParam, lParam)) return TRUE;
        LRESULT result = 0;
        if (OnNotify(static_cast<int>(header->idFrom), header, result)) return DlgMsgResult(message, result);
        return FALSE;
    }
    case WM_DRAWITEM:
        return Reflect(reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem, message, wParam, lParam);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        return Reflect(reinterpret_cast<HWND>(lParam), message, wParam, lParam);
    case WM_PAINT:
        return PaintIconic();
    case WM_QUERYDRAGICON:
        return DlgMsgResult(message, reinterpret_cast<LRESULT>(m_hIcon));
    case WM_SETTINGCHANGE:
        RedrawAll();
        return FALSE;
    case WM_TIMER:
        if (wParam == CEditBalloon::kHideTimer) {
            m_balloon.OnTimer(m_hWnd);
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        OnDestroy();
        m_balloon.Destroy();
        m_ToolTip.Destroy();
        return FALSE;
    case WM_NCDESTROY:
        DetachControls();
        break;
    }
    return CDialog::DialogProc(message, wParam, lParam);
}

}  // namespace fw
