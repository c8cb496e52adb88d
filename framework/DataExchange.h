#pragma once
// One pass of data exchange between a dialog's controls and its fields, in either
// direction: a dialog lists its fields once (DoDataExchange) and the same list takes
// the controls into the fields and gives the fields back to the controls.
#include <string>
#include <windows.h>

namespace fw {

class CControl;
class CSettingsDialog;

// The number an unsigned edit field holds: blanks around decimal digits that fit in
// 32 bits. Anything else (an empty field, a sign, letters, too large) is no number.
bool ParseUnsignedField(const std::wstring& text, UINT& value);

class CDataExchange {
public:
    // save: controls into fields (and validate); otherwise fields into controls.
    CDataExchange(CSettingsDialog& dialog, bool save);

    const bool m_bSave;

    // Edit or static text. With a limit, the edit takes at most that many characters
    // as the user types or pastes, and a longer text (set by a program) is taken cut:
    // for values whose store keeps no more, so that what is shown is what is kept.
    void Text(int id, std::wstring& value, size_t limit = 0);
    // An unsigned number in an edit. A text that is no number shows
    // "Enter a positive integer.", keeps the field as it was and marks the pass failed.
    void Unsigned(int id, UINT& value);
    // A check box: BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    void Check(int id, int& value);
    void Check(int id, UINT& value);
    // A group of radio buttons from firstId on (the group the template starts there):
    // the index of the checked one, -1 when none is.
    void Radio(int firstId, int& value);
    // The text of a combo box: its edit text, or for a drop-down list its selection
    // (given back by selecting the first item that starts with the text).
    void ComboText(int id, std::wstring& value);
    // Attaches a control object to its control (once; both directions do the same).
    void Control(int id, CControl& control);

    // False after a field that could not be taken.
    bool Succeeded() const { return !m_bFailed; }

private:
    HWND Item(int id) const;
    void Fail(int id, const wchar_t* message);

    CSettingsDialog& m_dialog;
    bool m_bFailed = false;
};

}  // namespace fw
