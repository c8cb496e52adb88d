#include "framework/AppMessage.h"

#include <vector>

#include "framework/StringUtil.h"

namespace fw {

std::wstring AppTitle() {
    std::wstring file = ProgramPath();
    size_t slash = file.find_last_of(L"\\/");
    if (slash != std::wstring::npos) file.erase(0, slash + 1);
    size_t dot = file.find_last_of(L'.');
    if (dot != std::wstring::npos) file.erase(dot);
    return file.empty() ? std::wstring(L"Orvalen") : file;
}

UINT WithDefaultIcon(UINT type) {
    if (type & MB_ICONMASK) return type;
    switch (type & MB_TYPEMASK) {
    case MB_OK:
    case MB_OKCANCEL:
        return type | MB_ICONEXCLAMATION;
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return type | MB_ICONQUESTION;
    default:
        return type;
    }
}

int AppMessageBox(const std::wstring& text, UINT type) {
    HWND owner = GetActiveWindow();
    return MessageBoxW(owner, text.c_str(), AppTitle().c_str(), WithDefaultIcon(type));
}

int AppMessageBox(UINT stringId, UINT type) {
    return AppMessageBox(LoadStringResource(stringId), type);
}

std::wstring MessageTableText(DWORD code, HMODULE module, bool oneLine) {
    // Inserts are left as they stand: no arguments go with an error code. Texts are a line
    // or a few; a longer one is cut, never overrun.
    DWORD flags = (module ? FORMAT_MESSAGE_FROM_HMODULE : FORMAT_MESSAGE_FROM_SYSTEM) | FORMAT_MESSAGE_IGNORE_INSERTS |
                  (oneLine ? FORMAT_MESSAGE_MAX_WIDTH_MASK : 0);
    wchar_t text[4096];
    DWORD n = FormatMessageW(flags, module, code, 0, text, static_cast<DWORD>(sizeof(text) / sizeof(text[0])), nullptr);
    std::wstring result(text, n);
    // Texts end with a line break, some with a blank before it: neither belongs in a line.
    return TrimLineEnd(result);
}

std::wstring SystemErrorText(DWORD code) { return MessageTableText(code); }

void ShowSystemError(DWORD code) {
    std::wstring text = SystemErrorText(code);
    if (text.empty()) text = Format(L"Error %lu", static_cast<unsigned long>(code));
    AppMessageBox(text, MB_OK);
}

std::wstring LoadStringResource(UINT id) {
    const wchar_t* text = nullptr;
    int n = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return (n > 0 && text) ? std::wstring(text, static_cast<size_t>(n)) : std::wstring();
}

}  // namespace fw
