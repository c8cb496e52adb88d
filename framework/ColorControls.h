#pragma once
// Two coloured controls: a push button that shows a colour and lets the user change it
// in the system's colour dialog, and a static text with its own colours.
#include <windows.h>

#include "framework/GdiHandles.h"
#include "framework/SettingsDialog.h"

namespace fw {

// The colour is held by the object, also while the dialog is not open: callers set it
// before the dialog runs and read it afterwards.
class CColorButton : public CControl {
public:
    void SetColor(COLORREF color);
    COLORREF GetColor() const { return m_color; }

    // Opens the system colour dialog, fully, on the current colour. OK takes the colour
    // (even the same one) and repaints the parent at once; Cancel changes nothing.
    virtual void OnShowColorPopup();

protected:
    void OnAttached() override;
    void OnDetached() override;
    BOOL OnReflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data);
    void PaintColor();

    COLORREF m_color = 0;
};

// Static text drawn in its own text colour on the button-face colour of the moment the
// object was made (black text until SetTextColor).
class CColorStatic : public CControl {
public:
    CColorStatic();
    void SetTextColor(COLORREF color);

protected:
    BOOL OnReflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    CBrush m_brBk;
    COLORREF m_crBk;
    COLORREF m_crText = RGB(0, 0, 0);
};

}  // namespace fw
