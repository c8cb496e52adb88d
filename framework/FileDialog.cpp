#include "framework/FileDialog.h"

#include <commdlg.h>
#include <vector>

namespace fw {

bool ChooseFile(HWND owner, FileChoice choice, const wchar_t* filter, std::wstring& path, const wchar_t* defaultExt) {
    // The dialog wants the parts separated by zeros, the list ending in two.
    std::wstring filters = filter;
    for (wchar_t& c : filters)
        if (c == L'|') c = L'\0';
    filters.push_back(L'\0');
    // Room for a long path.
    std::vector<wchar_t> chosen(32768, L'\0');
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filters.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = chosen.data();
    ofn.nMaxFile = static_cast<DWORD>(chosen.size());
    ofn.lpstrDefExt = defaultExt;
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    if (choice == FileChoice::Existing) ofn.Flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    if (choice == FileChoice::Save) ofn.Flags |= OFN_OVERWRITEPROMPT;
    const BOOL ok = choice == FileChoice::Save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!ok) return false;
    path = chosen.data();
    return true;
}

}  // namespace fw
