#pragma once
// A dialog bound to one object: the dialog procedure stores the object at
// WM_INITDIALOG and hands every later message to the virtual DialogProc, whose plain
// switch dispatches to On* handlers. Dialogs whose template names a window class
// registered with RegisterDialogClass also receive WM_CREATE through OnCreate.
#include <windows.h>

namespace fw {

// The messages whose result is the dialog procedure's return value itself (a brush,
// an icon, an index); every other message's result goes through DWLP_MSGRESULT and the
// procedure returns TRUE.
bool ResultIsReturnValue(UINT message);

class CDialog {
public:
    CDialog(UINT templateId, HWND parent = nullptr);
    virtual ~CDialog();

    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog modally; returns the EndDialog result, or -1 when the dialog
    // could not be created. Destroying the window instead of ending the dialog returns
    // at once as well.
    INT_PTR DoModal();
    void EndDialog(INT_PTR result);

    HWND GetSafeHwnd() const { return m_hWnd; }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }

    // Registers a window class for dialog templates (CLASS statement) that lets
    // their objects see WM_CREATE. Call once before the first DoModal.
    static bool RegisterDialogClass(const wchar_t* className, HICON icon = nullptr);

    HWND m_hWnd = nullptr;
    UINT m_nTemplateId;
    HWND m_hParent;

protected:
    // Every message after the object is bound. Return TRUE when handled; a handler
    // whose message carries a result returns DlgMsgResult(message, result).
    virtual INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Dispatch targets of the default DialogProc.
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual int OnCreate(CREATESTRUCTW*) { return 0; }
    virtual BOOL OnCommand(WORD id, WORD code, HWND control);
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    virtual BOOL OnHelpInfo();

    // Hands a handled message's result to the system and gives what the dialog
    // procedure returns: see ResultIsReturnValue.
    INT_PTR DlgMsgResult(UINT message, LRESULT result);

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ClassWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static CDialog* FromHandle(HWND hwnd);
    void Bind(HWND hwnd);
    static void Unbind(HWND hwnd);

    bool m_bRunningModal = false;  // the window is run by DoModal
};

}  // namespace fw
