#include "framework/AppMessage.h"

#include <vector>

namespace fw {

std::wstring AppTitle() {
    wchar_t path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring file(path, n);
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

std::wstring SystemErrorText(DWORD code) {
    // System texts are a line or two; a longer one is cut, never overrun.
    wchar_t buffer[2048];
    DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                             buffer, static_cast<DWORD>(sizeof(buffer) / sizeof(buffer[0])), nullptr);
    std::wstring text(buffer, n);
    // Texts end with a line break, some with a blank before it: neither belongs in a line.
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ' ||
                             text.back() == L'\t'))
        text.pop_back();
    return text;
}

std::wstring LoadStringResource(UINT id) {
    const wchar_t* text = nullptr;
    int n = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return (n > 0 && text) ? std::wstring(text, static_cast<size_t>(n)) : std::wstring();
}

}  // namespace fw
