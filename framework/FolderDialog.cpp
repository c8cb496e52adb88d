#include "framework/FolderDialog.h"

#include <cwchar>

namespace fw {

CFolderDialog::CFolderDialog(LPCWSTR title, LPCWSTR startPath, HWND parent, UINT flags)
    : m_hParent(parent), m_pszDisplayName(new WCHAR[MAX_PATH]()) {
    m_bi.hwndOwner = parent;
    m_bi.pszDisplayName = m_pszDisplayName;
    m_bi.lpszTitle = title;
    m_bi.ulFlags = flags;
    m_bi.lpfn = &CFolderDialog::BrowseCallbackProc;
    m_bi.lParam = reinterpret_cast<LPARAM>(this);
    if (startPath) wcsncpy(m_szStartPath, startPath, MAX_PATH - 1);
}

CFolderDialog::~CFolderDialog() {
    if (m_bi.pidlRoot) CoTaskMemFree(const_cast<LPITEMIDLIST>(m_bi.pidlRoot));
    delete[] m_pszDisplayName;
    m_bi = {};
}

INT_PTR CFolderDialog::DoModal() {
    // The browser is owned by the given parent, else by the window the user works in.
    m_bi.hwndOwner = m_hParent ? m_hParent : GetActiveWindow();
    m_szSelectedPath[0] = L'\0';
    LPITEMIDLIST item = SHBrowseForFolderW(&m_bi);
    if (!item) return IDCANCEL;
    INT_PTR result = SHGetPathFromIDListW(item, m_szSelectedPath) ? IDOK : -1;
    if (result != IDOK) m_szSelectedPath[0] = L'\0';
    CoTaskMemFree(item);
    return result;
}

void CFolderDialog::OnInitialized() {
    if (m_szStartPath[0])
        SendMessageW(m_hWndBrowse, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(m_szStartPath));
}

void CFolderDialog::OnSelChanged(LPITEMIDLIST item) {
    if (!(m_bi.ulFlags & BIF_STATUSTEXT)) return;
    WCHAR path[MAX_PATH] = {};
    if (SHGetPathFromIDListW(item, path))
        SendMessageW(m_hWndBrowse, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(path));
}

int CFolderDialog::OnValidateFailed(LPCWSTR path) {
    MessageBeep(MB_ICONHAND);
    return 1;
}

int CALLBACK CFolderDialog::BrowseCallbackProc(HWND hwnd, UINT message, LPARAM lParam, LPARAM data) {
    auto* self = reinterpret_cast<CFolderDialog*>(data);
    self->m_hWndBrowse = hwnd;
    int result = 0;
    switch (message) {
    case BFFM_INITIALIZED:
        self->OnInitialized();
        break;
    case BFFM_SELCHANGED:
        self->OnSelChanged(reinterpret_cast<LPITEMIDLIST>(lParam));
        break;
    case BFFM_VALIDATEFAILEDW:
        result = self->OnValidateFailed(reinterpret_cast<LPCWSTR>(lParam));
        break;
    case BFFM_IUNKNOWN:
        self->OnIUnknown(reinterpret_cast<IUnknown*>(lParam));
        break;
    }
    self->m_hWndBrowse = nullptr;
    return result;
}

}  // namespace fw
