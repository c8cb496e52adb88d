#pragma once
// The shell's folder browser behind a modal interface: construct, DoModal, read the
// chosen path. A derived class may react to the browser's callbacks. The calling
// thread must have COM initialised for the browser's newer styles.
#include <windows.h>

#include <shlobj.h>

namespace fw {

class CFolderDialog {
public:
    // title may be null; startPath (null or empty: none) is preselected when the browser
    // opens; flags are BIF_* values.
    CFolderDialog(LPCWSTR title, LPCWSTR startPath, HWND parent, UINT flags);
    virtual ~CFolderDialog();

    CFolderDialog(const CFolderDialog&) = delete;
    CFolderDialog& operator=(const CFolderDialog&) = delete;

    // IDOK with the folder's path in m_szSelectedPath; IDCANCEL when cancelled; -1 when
    // the chosen item has no file-system path (a virtual folder).
    virtual INT_PTR DoModal();
    LPCWSTR GetFolderPath() const { return m_szSelectedPath; }

    BROWSEINFOW m_bi = {};
    WCHAR m_szStartPath[MAX_PATH] = {};
    WCHAR m_szSelectedPath[MAX_PATH] = {};
    HWND m_hWndBrowse = nullptr;  // the browser, only while a callback runs

protected:
    // The browser has opened: selects the start path, when there is one.
    virtual void OnInitialized();
    // The selection changed: with BIF_STATUSTEXT, its path becomes the status text.
    virtual void OnSelChanged(LPITEMIDLIST item);
    // A typed name is not valid (BIF_VALIDATE): beeps and keeps the browser open (1).
    virtual int OnValidateFailed(LPCWSTR path);
    virtual void OnIUnknown(IUnknown* unknown) {}

private:
    static int CALLBACK BrowseCallbackProc(HWND hwnd, UINT message, LPARAM lParam, LPARAM data);

    HWND m_hParent;
    WCHAR* m_pszDisplayName;
};

}  // namespace fw
