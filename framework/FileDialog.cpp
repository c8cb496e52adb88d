#include "framework/FileDialog.h"

#include <commdlg.h>

namespace fw {

bool ChooseFileToOpen(HWND owner, const wchar_t* filter, std::wstring& path) {
    // The dialog wants the parts separated by zeros, the list ending in two.
    std::wstring filters = filter;
    for (wchar_t& c : filters)
        if (c == L'|') c = L'\0';
    filters.push_back(L'\0');
    wchar_t chosen[MAX_PATH] = {};
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filters.c_str();
    ofn.lpstrFile = chosen;
    ofn.nMaxFile = MAX_PATH;
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    if (!GetOpenFileNameW(&ofn)) return false;
    path = chosen;
    return true;
}

}  // namespace fw
