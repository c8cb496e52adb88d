#include "dialogs/CustomMenu.h"

#include <commctrl.h>

#include <vector>

#include "dialogs/ProgramDialog.h"
#include "framework/AppMessage.h"
#include "model/UserMenuFile.h"
#include "resource.h"

namespace {
enum Column { kCaption, kApplication, kParameters };
}  // namespace

CCustomMenu::CCustomMenu(HWND parent) : fw::CSettingsDialog(IDD_CUSTOM_MENU, parent) {}

BOOL CCustomMenu::OnInitDialog() {
    fw::CSettingsDialog::OnInitDialog();
    CenterOnParent();
    m_Ini.SetPath(m_strIniPath);

    m_List.Attach(GetDlgItem(IDC_MENU_LIST));
    HWND list = m_List.GetSafeHwnd();
    SetWindowLongW(list, GWL_STYLE,
                   GetWindowLongW(list, GWL_STYLE) | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    SendMessageW(list, LVM_SETSELECTIONMARK, 0, 0);
    const struct {
        const wchar_t* title;
        int width;
    } columns[] = {{L"Caption", 85}, {L"Application", 95}, {L"Parameters", 100}};
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNW column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = columns[i].width;
        column.pszText = const_cast<wchar_t*>(columns[i].title);
        column.iSubItem = i;
        SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }

    const std::vector<CustomMenuItem> items = ReadUserMenu(m_Ini, UserMenuReader::Editor);
    const int rows = static_cast<int>(items.size());
    if (rows == kCustomMenuItems) EnableItem(IDC_MENU_ADD, false);
    if (rows == 0) {
        EnableItem(IDC_MENU_EDIT, false);
        EnableItem(IDC_MENU_DELETE, false);
    }
    if (rows < 2) EnableItem(IDC_MENU_MOVE_DOWN, false);
    EnableItem(IDC_MENU_MOVE_UP, false);
    for (int i = 0; i < rows; ++i) SetRow(i, items[i].Caption, items[i].Application, items[i].Parameters);
    m_List.SelectRow(0);
    return TRUE;
}

void CCustomMenu::SetRow(int row, const std::wstring& caption, const std::wstring& application,
                         const std::wstring& parameters) {
    if (row >= m_List.GetItemCount()) row = m_List.InsertItem(row, caption);
    else m_List.SetItemText(row, kCaption, caption);
    m_List.SetItemText(row, kApplication, application);
    m_List.SetItemText(row, kParameters, parameters);
}

BOOL CCustomMenu::OnCommand(WORD id, WORD code, HWND control) {
    if (code != BN_CLICKED) return fw::CSettingsDialog::OnCommand(id, code, control);
    switch (id) {
    case IDC_MENU_ADD: OnBnClickedAdd(); return TRUE;
    case IDC_MENU_EDIT: OnBnClickedEdit(); return TRUE;
    case IDC_MENU_DELETE: OnBnClickedDelete(); return TRUE;
    case IDC_MENU_MOVE_UP: OnBnClickedMoveUp(); return TRUE;
    case IDC_MENU_MOVE_DOWN: OnBnClickedMoveDown(); return TRUE;
    case IDOK: OnBnClickedOk(); return TRUE;
    default: return fw::CSettingsDialog::OnCommand(id, code, control);
    }
}

BOOL CCustomMenu::OnNotify(int id, NMHDR* header, LRESULT& result) {
    if (id != IDC_MENU_LIST || header->code != LVN_ITEMCHANGED) return FALSE;
    OnLvnItemchangedList(reinterpret_cast<NMLISTVIEW*>(header)->iItem);
    result = 0;
    return TRUE;
}

// The buttons follow the row a change names and the number of rows, whatever changed.
void CCustomMenu::OnLvnItemchangedList(int item) {
    const int rows = m_List.GetItemCount();
    EnableItem(IDC_MENU_ADD, rows < kCustomMenuItems);
    const bool any = item != -1;
    for (int id : {IDC_MENU_EDIT, IDC_MENU_DELETE, IDC_MENU_MOVE_DOWN, IDC_MENU_MOVE_UP}) EnableItem(id, any);
    if (!any) return;
    if (item == 0) {
        EnableItem(IDC_MENU_MOVE_UP, false);
        EnableItem(IDC_MENU_MOVE_DOWN, rows > 1);
    } else if (item == rows - 1) {
        EnableItem(IDC_MENU_MOVE_DOWN, false);
    }
}

int CCustomMenu::SelectedRowOrTell() {
    const int row = m_List.GetSelectedRow();
    if (row < 0) fw::AppMessageBox(L"Please select row.", MB_OK);
    return row;
}

void CCustomMenu::OnBnClickedAdd() {
    CAEApp item(m_hWnd);
    if (item.DoModal() != IDOK) return;
    const int rows = m_List.GetItemCount();
    SetRow(rows, item.m_strCaption, item.m_strProgram, item.m_strParameters);
    if (rows >= kCustomMenuItems - 1) EnableItem(IDC_MENU_ADD, false);
    if (rows > 0) EnableItem(IDC_MENU_MOVE_UP, true);
    EnableItem(IDC_MENU_EDIT, true);
    EnableItem(IDC_MENU_DELETE, true);
    m_List.SelectRow(rows);
}

void CCustomMenu::OnBnClickedEdit() {
    const int row = SelectedRowOrTell();
    if (row < 0) return;
    CAEApp item(m_hWnd);
    item.m_strCaption = m_List.GetItemText(row, kCaption);
    item.m_strProgram = m_List.GetItemText(row, kApplication);
    item.m_strParameters = m_List.GetItemText(row, kParameters);
    if (item.DoModal() != IDOK) return;
    SetRow(row, item.m_strCaption, item.m_strProgram, item.m_strParameters);
}

void CCustomMenu::OnBnClickedDelete() {
    const int row = SelectedRowOrTell();
    if (row < 0) return;
    m_List.DeleteItem(row);
    const int rows = m_List.GetItemCount();
    if (rows < kCustomMenuItems) EnableItem(IDC_MENU_ADD, true);
    if (rows == 0) {
        EnableItem(IDC_MENU_EDIT, false);
        EnableItem(IDC_MENU_DELETE, false);
    }
    m_List.SelectRow(row == 0 ? 0 : row - 1);
}

// Moving the first row up moves nothing; the row stays selected.
void CCustomMenu::OnBnClickedMoveUp() {
    const int row = SelectedRowOrTell();
    if (row < 0) return;
    m_List.MoveRow(row, row - 1);
    m_List.SelectRow(row == 0 ? 0 : row - 1);
}

// The row goes in before the row after its neighbour; moving the last row down moves
// nothing and keeps it selected.
void CCustomMenu::OnBnClickedMoveDown() {
    const int row = SelectedRowOrTell();
    if (row < 0) return;
    m_List.MoveRow(row, row + 2);
    m_List.SelectRow(row + 2 < m_List.GetItemCount() ? row + 1 : m_List.GetItemCount() - 1);
}

void CCustomMenu::OnBnClickedOk() {
    std::vector<CustomMenuItem> items;
    for (int row = 0; row < m_List.GetItemCount(); ++row)
        items.push_back({m_List.GetItemText(row, kCaption), m_List.GetItemText(row, kApplication),
                         m_List.GetItemText(row, kParameters)});
    WriteUserMenu(m_Ini, items);
    EndDialog(IDOK);
}
