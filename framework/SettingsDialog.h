#pragma once
// The base of every settings dialog: data exchange, control objects, the dialog icon
// (also drawn while minimised), 16x16 button images, up-down controls, text limits,
// tooltips and edit balloon tips, and the main window kept usable while it is open.
#include <string>
#include <vector>
#include <windows.h>

#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/ToolTips.h"

namespace fw {

// A control handled by an object of its own (colour button, coloured text). The
// dialog hands the control's own notifications to it first.
class CControl {
public:
    virtual ~CControl() = default;
    HWND GetSafeHwnd() const { return m_hWnd; }

protected:
    friend class CSettingsDialog;
    virtual void OnAttached() {}
    virtual void OnDetached() {}
    // WM_COMMAND, WM_NOTIFY, WM_DRAWITEM or WM_CTLCOLOR* from this control; TRUE
    // when handled, with the message's result in `result`.
    virtual BOOL OnReflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) { return FALSE; }

    HWND m_hWnd = nullptr;
};

// The program's icon (a resource id), shown by every settings dialog, and the window
// class that settings dialog templates name (CLASS statement) when their object needs
// WM_CREATE (OnCreate). The program sets them once at start, before its first dialog.
void SetSettingsDialogLook(UINT iconId, const wchar_t* className);

// Which window a settings dialog enables again when it opens: its parent (the main
// window), the parent of its parent (a sub-dialog of a settings dialog), or none.
enum class EnablesMainWindow { Parent, ParentsParent, None };

class CSettingsDialog : public CDialog {
public:
    CSettingsDialog(UINT templateId, HWND parent, EnablesMainWindow enables = EnablesMainWindow::Parent);

    // Takes the controls into the fields (save) or gives the fields to the controls.
    // False when a field could not be taken (its message has been shown). While the
    // fields are given back, the edits' change notifications that this causes are not
    // passed on: handlers see only what the user (or a program acting as one) typed.
    bool UpdateData(bool save = true);
    // While a pass runs (either way, also nested): a handler that itself exchanges skips
    // what the pass causes, such as the focus a refused field's message box takes away.
    bool Exchanging() const { return m_pass != Pass::None; }
    void AttachControl(int id, CControl& control);

    // Control helpers.
    void SetItemText(int id, const std::wstring& text);
    std::wstring GetItemText(int id) const;
    void EnableItem(int id, bool enable);
    void LimitText(int id, int characters);
    void SetSpinRange(int id, int lower, int upper);
    void SetSpinPos(int id, int pos);
    int GetSpinPos(int id) const;
    void SetButtonIcon(int id, UINT iconId);  // a 16x16 icon resource beside the text
    void AddToolTip(int id, const std::wstring& text);
    void ShowBalloon(int editId, const std::wstring& title, const std::wstring& text);
    void CenterOnParent();
    void RedrawAll();

    HICON m_hIcon = nullptr;  // the program icon, shared; set when the dialog opens

protected:
    virtual void DoDataExchange(CDataExchange& dx) {}
    // WM_NOTIFY from a control that has no object of its own; TRUE when handled.
    virtual BOOL OnNotify(int id, NMHDR* header, LRESULT& result) { return FALSE; }
    virtual void OnDestroy() {}

    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Enables the main window and sets the dialog icon; derived dialogs call it first.
    BOOL OnInitDialog() override;

    CToolTips m_ToolTip;
    CEditBalloon m_balloon;

private:
    CControl* ControlOf(HWND hwnd) const;
    INT_PTR Reflect(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    bool PaintIconic();
    void DetachControls();

    EnablesMainWindow m_enables;
    // The one re-entrancy guard of the exchange: once a pass gives back, nested passes
    // count as giving back too.
    enum class Pass { None, Taking, GivingBack };
    Pass m_pass = Pass::None;
    std::vector<CControl*> m_controls;
};

}  // namespace fw
