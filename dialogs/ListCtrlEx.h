#pragma once
// A list-view control in report view that can copy and move whole rows (every
// column's text), as the user menu editor reorders its commands.
#include <string>
#include <windows.h>

class CListCtrlEx {
public:
    void Attach(HWND list) { m_hWnd = list; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    int GetItemCount() const;
    int GetColumnCount() const;
    std::wstring GetItemText(int row, int column) const;
    int InsertItem(int row, const std::wstring& text);
    void SetItemText(int row, int column, const std::wstring& text);
    void DeleteItem(int row);

    // The last selected row (walking the selected items from the start), -1 for none.
    int GetSelectedRow() const;
    void SelectRow(int row);

    // Inserts a copy of row nFrom (all columns) at nTo; FALSE when nFrom equals nTo or
    // either is negative. When nTo is before nFrom, the source row moves to nFrom + 1.
    BOOL CopyRow(int nFrom, int nTo);
    // Copies row nFrom to nTo and deletes the source: the row ends at nTo when moved
    // up, at nTo - 1 when moved down. FALSE (nothing changed) for equal or negative
    // rows, or for moving the last row down.
    BOOL MoveRow(int nFrom, int nTo);

private:
    HWND m_hWnd = nullptr;
};
