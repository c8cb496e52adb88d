#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "dialogs/ListCtrlEx.h"
#include "model/UserMenuFile.h"
#include "support/TempFiles.h"

namespace {

TEST(UserMenuFile, RowCountPerReader) {
    const struct {
        uint32_t stored;
        int editor;
        int boxMenu;
    } cases[] = {
        {0, 0, 0}, {3, 3, 3}, {7, 7, 7}, {9, 7, 7}, {0xFFFFFFFFu, 0, 7}, {0x80000000u, 0, 7},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UserMenuRowCount(c.stored, UserMenuReader::Editor), c.editor) << c.stored;
        EXPECT_EQ(UserMenuRowCount(c.stored, UserMenuReader::BoxMenu), c.boxMenu) << c.stored;
    }
}

TEST(UserMenuFile, ShorterListKeepsOldRowsUnread) {
    CTempFolder folder;
    CIniFile ini;
    ini.SetPath(folder.File(L"MenuConf.ini"));
    std::vector<CustomMenuItem> five;
    for (int i = 0; i < 5; ++i) five.push_back({L"c" + std::to_wstring(i), L"a", L"p %ip"});
    WriteUserMenu(ini, five);
    WriteUserMenu(ini, {five[4], five[0], five[2]});

    const std::vector<CustomMenuItem> read = ReadUserMenu(ini, UserMenuReader::Editor);
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0].Caption + read[1].Caption + read[2].Caption, L"c4c0c2");
    EXPECT_EQ(read[2].Parameters, L"p %ip");
    EXPECT_EQ(ini.ReadString(L"Row 4", L"Caption", L""), L"c4");

    // A count beyond the rows written: the box menu shows "Empty", the editor empty rows.
    ini.WriteInt(L"Main", L"nrows", 9);
    EXPECT_EQ(ReadUserMenu(ini, UserMenuReader::BoxMenu).at(6).Caption, L"Empty");
    EXPECT_EQ(ReadUserMenu(ini, UserMenuReader::Editor).at(6).Caption, L"");
}

// A report-view list of three columns on a hidden window, rows "a".."e" with their
// column texts "a1", "a2", ...
class ListRows {
public:
    ListRows() {
        INITCOMMONCONTROLSEX init = {sizeof(init), ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&init);
        m_hwnd = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_POPUP | LVS_REPORT | LVS_SINGLESEL, 0, 0, 300, 200,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        m_list.Attach(m_hwnd);
        for (int c = 0; c < 3; ++c) {
            LVCOLUMNW column = {};
            column.mask = LVCF_WIDTH;
            column.cx = 50;
            SendMessageW(m_hwnd, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
        }
        for (int r = 0; r < 5; ++r) {
            const std::wstring name(1, static_cast<wchar_t>(L'a' + r));
            m_list.InsertItem(r, name);
            m_list.SetItemText(r, 1, name + L"1");
            m_list.SetItemText(r, 2, name + L"2");
        }
    }
    ~ListRows() { DestroyWindow(m_hwnd); }

    // The rows' first column, and whether every row kept its other columns.
    std::wstring Rows() const {
        std::wstring rows;
        for (int r = 0; r < m_list.GetItemCount(); ++r) {
            const std::wstring name = m_list.GetItemText(r, 0);
            rows += name;
            if (m_list.GetItemText(r, 1) != name + L"1" || m_list.GetItemText(r, 2) != name + L"2") rows += L"!";
        }
        return rows;
    }

    HWND m_hwnd = nullptr;
    CListCtrlEx m_list;
};

TEST(ListCtrlEx, RowsMoveAndCopyWhole) {
    enum Op { Move, Copy };
    const struct {
        const char* label;
        Op op;
        int from, to;
        BOOL result;
        const wchar_t* rows;
    } cases[] = {
        {"up one", Move, 2, 1, TRUE, L"acbde"},
        {"first up", Move, 0, -1, FALSE, L"abcde"},
        {"down one (before the row after the next)", Move, 1, 3, TRUE, L"acbde"},
        {"second-to-last down becomes last", Move, 3, 5, TRUE, L"abced"},
        {"last down", Move, 4, 6, FALSE, L"abcde"},
        {"same row", Move, 2, 2, FALSE, L"abcde"},
        {"to the top", Move, 4, 0, TRUE, L"eabcd"},
        {"copy before the source", Copy, 3, 1, TRUE, L"adbcde"},
        {"copy beyond the end", Copy, 0, 9, TRUE, L"abcdea"},
        {"copy from a negative row", Copy, -1, 2, FALSE, L"abcde"},
    };
    for (const auto& c : cases) {
        ListRows list;
        const BOOL result = c.op == Move ? list.m_list.MoveRow(c.from, c.to) : list.m_list.CopyRow(c.from, c.to);
        EXPECT_EQ(result, c.result) << c.label;
        EXPECT_EQ(list.Rows(), c.rows) << c.label;
    }
}

}  // namespace
