#include "framework/Dialog.h"

#include "framework/WinApp.h"

namespace fw {

namespace {
// The object whose dialog this thread is creating, until its window is bound.
thread_local CDialog* t_creating = nullptr;
}  // namespace

// The object is kept in the dialog's own user slot, read in this process without asking
// the window server (a window property costs a server round trip per message under Wine,
// and the strip handles a check result per monitor every second).
void CDialog::Bind(HWND hwnd) {
    m_hWnd = hwnd;
    SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(this));
}

void CDialog::Unbind(HWND hwnd) { SetWindowLongPtrW(hwnd, DWLP_USER, 0); }

CDialog* CDialog::FromHandle(HWND hwnd) {
    return reinterpret_cast<CDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
}

CDialog::CDialog(UINT templateId, HWND parent) : m_nTemplateId(templateId), m_hParent(parent) {}

CDialog::~CDialog() {
    // Unbind first, so that no message reaches a half-destroyed object.
    if (m_hWnd && IsWindow(m_hWnd)) {
        Unbind(m_hWnd);
        HWND hwnd = m_hWnd;
        m_hWnd = nullptr;
        DestroyWindow(hwnd);
    }
}

INT_PTR CDialog::DoModal() {
    CDialog* previous = t_creating;
    t_creating = this;
    m_bRunningModal = true;
    INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nTemplateId),
                                     m_hParent, &CDialog::StaticDialogProc,
                                     reinterpret_cast<LPARAM>(this));
    t_creating = previous;
    m_bRunningModal = false;
    m_hWnd = nullptr;
    return result;
}

void CDialog::EndDialog(INT_PTR result) {
    if (m_hWnd) ::EndDialog(m_hWnd, result);
}

bool ResultIsReturnValue(UINT message) {
    switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}

INT_PTR CDialog::DlgMsgResult(UINT message, LRESULT result) {
    if (ResultIsReturnValue(message)) return static_cast<INT_PTR>(result);
    if (m_hWnd) SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

BOOL CDialog::OnCommand(WORD id, WORD code, HWND control) {
    if (id == IDOK && code == BN_CLICKED) {
        OnOK();
        return TRUE;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return TRUE;
    }
    return FALSE;
}

INT_PTR CDialog::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return TRUE;
        // Only the help command goes on to the application; control notifications stay
        // with the dialog.
        return LOWORD(wParam) == ID_HELP && AfxGetApp() && AfxGetApp()->OnCommand(ID_HELP);
    case WM_HELP:
        return OnHelpInfo();
    default:
        return FALSE;
    }
}

// F1 in a top-level window without Shift, Ctrl or Alt asks the main window for help.
BOOL CDialog::OnHelpInfo() {
    HWND main = AfxGetApp() ? AfxGetApp()->GetMainWndHandle() : nullptr;
    if ((GetWindowLongW(m_hWnd, GWL_STYLE) & WS_CHILD) || !main) return FALSE;
    if (GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return FALSE;
    SendMessageW(main, WM_COMMAND, ID_HELP, 0);
    return DlgMsgResult(WM_HELP, TRUE);
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* self = FromHandle(hwnd);
    if (!self && message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        self->Bind(hwnd);
        if (t_creating == self) t_creating = nullptr;
    }
    if (!self) return FALSE;
    INT_PTR handled = self->DialogProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        Unbind(hwnd);
        self->m_hWnd = nullptr;
        // The modal loop of a dialog destroyed without EndDialog (a sent WM_CLOSE, say)
        // sees that its window has gone only when its next message arrives, which may
        // be seconds away: a message of the thread's own wakes it now.
        if (self->m_bRunningModal) PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
    }
    return handled;
}

LRESULT CALLBACK CDialog::ClassWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        CDialog* self = FromHandle(hwnd);
        if (!self && t_creating) {
            self = t_creating;
            self->Bind(hwnd);
        }
        if (self && self->OnCreate(reinterpret_cast<CREATESTRUCTW*>(lParam)) == -1) return -1;
    }
    return DefDlgProcW(hwnd, message, wParam, lParam);
}

bool CDialog::RegisterDialogClass(const wchar_t* className, HICON icon) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &CDialog::ClassWindowProc;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = icon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace fw
