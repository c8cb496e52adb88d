#include "dialogs/ListCtrlEx.h"

#include <commctrl.h>

int CListCtrlEx::GetItemCount() const { return static_cast<int>(SendMessageW(m_hWnd, LVM_GETITEMCOUNT, 0, 0)); }

int CListCtrlEx::GetColumnCount() const {
    HWND header = reinterpret_cast<HWND>(SendMessageW(m_hWnd, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

std::wstring CListCtrlEx::GetItemText(int row, int column) const {
    // The list answers with the number of characters it copied; a full buffer may mean
    // more: try again with a larger one.
    for (size_t size = 256;; size *= 2) {
        std::wstring buffer(size, L'\0');
        LVITEMW item = {};
        item.iSubItem = column;
        item.pszText = &buffer[0];
        item.cchTextMax = static_cast<int>(size);
        const size_t n = static_cast<size_t>(SendMessageW(m_hWnd, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item)));
        if (n + 1 < size) return buffer.substr(0, n);
    }
}

int CListCtrlEx::InsertItem(int row, const std::wstring& text) {
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    return static_cast<int>(SendMessageW(m_hWnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void CListCtrlEx::SetItemText(int row, int column, const std::wstring& text) {
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(m_hWnd, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

void CListCtrlEx::DeleteItem(int row) { SendMessageW(m_hWnd, LVM_DELETEITEM, row, 0); }

int CListCtrlEx::GetSelectedRow() const {
    int selected = -1;
    for (int at = -1; (at = static_cast<int>(SendMessageW(m_hWnd, LVM_GETNEXTITEM, at, LVNI_SELECTED))) != -1;)
        selected = at;
    return selected;
}

void CListCtrlEx::SelectRow(int row) {
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    SendMessageW(m_hWnd, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

BOOL CListCtrlEx::CopyRow(int nFrom, int nTo) {
    if (nFrom == nTo || nFrom < 0 || nTo < 0) return FALSE;
    const int copy = InsertItem(nTo, GetItemText(nFrom, 0));
    if (copy < 0) return FALSE;
    const int source = nTo < nFrom ? nFrom + 1 : nFrom;
    for (int column = 1; column < GetColumnCount(); ++column) SetItemText(copy, column, GetItemText(source, column));
    return TRUE;
}

BOOL CListCtrlEx::MoveRow(int nFrom, int nTo) {
    if (nFrom == nTo || nFrom < 0 || nTo < 0) return FALSE;
    if (nTo > nFrom && nFrom == GetItemCount() - 1) return FALSE;
    if (!CopyRow(nFrom, nTo)) return FALSE;
    DeleteItem(nFrom < nTo ? nFrom : nFrom + 1);
    return TRUE;
}
