#include "framework/DataExchange.h"

#include "framework/AppMessage.h"
#include "framework/SettingsDialog.h"
#include "framework/StringUtil.h"

namespace fw {

bool ParseUnsignedField(const std::wstring& text, UINT& value) {
    size_t begin = text.find_first_not_of(L" \t");
    if (begin == std::wstring::npos) return false;
    size_t end = text.find_last_not_of(L" \t") + 1;
    unsigned long long number = 0;
    for (size_t i = begin; i < end; ++i) {
        if (text[i] < L'0' || text[i] > L'9') return false;
        number = number * 10 + (text[i] - L'0');
        if (number > 0xFFFFFFFFull) return false;
    }
    value = static_cast<UINT>(number);
    return true;
}

CDataExchange::CDataExchange(CSettingsDialog& dialog, bool save) : m_bSave(save), m_dialog(dialog) {}

HWND CDataExchange::Item(int id) const { return GetDlgItem(m_dialog.GetSafeHwnd(), id); }

void CDataExchange::Fail(int id, const wchar_t* message) {
    // One message per pass: the first field that fails gets it and the focus.
    if (m_bFailed) return;
    m_bFailed = true;
    AppMessageBox(message, MB_OK);
    if (HWND control = Item(id)) SetFocus(control);
}

namespace {
// Only a changed text is written: the caret stays where the user left it.
void SetTextIfChanged(HWND control, const std::wstring& text) {
    if (GetWindowTextString(control) != text) SetWindowTextW(control, text.c_str());
}
}  // namespace

void CDataExchange::Text(int id, std::wstring& value, size_t limit) {
    HWND control = Item(id);
    if (!control) return;
    if (limit > 0) SendMessageW(control, EM_LIMITTEXT, limit, 0);
    if (m_bSave) {
        value = GetWindowTextString(control);
        if (limit > 0 && value.size() > limit) value.resize(limit);
    } else {
        SetTextIfChanged(control, limit > 0 && value.size() > limit ? value.substr(0, limit) : value);
    }
}

void CDataExchange::Unsigned(int id, UINT& value) {
    HWND control = Item(id);
    if (!control) return;
    if (!m_bSave) {
        SetTextIfChanged(control, std::to_wstring(value));
        return;
    }
    UINT number = 0;
    if (ParseUnsignedField(GetWindowTextString(control), number))
        value = number;
    else
        Fail(id, L"Enter a positive integer.");
}

void CDataExchange::Check(int id, int& value) {
    HWND control = Item(id);
    if (!control) return;
    if (m_bSave)
        value = static_cast<int>(SendMessageW(control, BM_GETCHECK, 0, 0));
    else
        SendMessageW(control, BM_SETCHECK, value, 0);
}

void CDataExchange::Check(int id, UINT& value) {
    int state = static_cast<int>(value);
    Check(id, state);
    value = static_cast<UINT>(state);
}

namespace {
bool IsRadioButton(HWND control) {
    wchar_t cls[16] = {};
    GetClassNameW(control, cls, 16);
    if (lstrcmpiW(cls, L"Button") != 0) return false;
    LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}
}  // namespace

void CDataExchange::Radio(int firstId, int& value) {
    HWND control = Item(firstId);
    int index = 0;
    int checked = -1;
    for (; control; control = GetWindow(control, GW_HWNDNEXT)) {
        if (index > 0 && (GetWindowLongW(control, GWL_STYLE) & WS_GROUP)) break;
        if (!IsRadioButton(control)) continue;
        if (m_bSave) {
            if (SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED && checked < 0) checked = index;
        } else {
            SendMessageW(control, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
    if (m_bSave) value = checked;
}

void CDataExchange::ComboText(int id, std::wstring& value) {
    HWND control = Item(id);
    if (!control) return;
    const bool list = (GetWindowLongW(control, GWL_STYLE) & 3) == CBS_DROPDOWNLIST;
    if (m_bSave) {
        if (!list) {
            value = GetWindowTextString(control);
            return;
        }
        LRESULT sel = SendMessageW(control, CB_GETCURSEL, 0, 0);
        value.clear();
        if (sel == CB_ERR) return;
        LRESULT length = SendMessageW(control, CB_GETLBTEXTLEN, sel, 0);
        if (length <= 0) return;
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        length = SendMessageW(control, CB_GETLBTEXT, sel, reinterpret_cast<LPARAM>(&text[0]));
        value.assign(text.c_str(), length > 0 ? static_cast<size_t>(length) : 0);
    } else if (list) {
        SendMessageW(control, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.c_str()));
    } else {
        SetTextIfChanged(control, value);
    }
}

void CDataExchange::Control(int id, CControl& control) {
    if (!control.GetSafeHwnd()) m_dialog.AttachControl(id, control);
}

}  // namespace fw
