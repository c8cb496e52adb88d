#pragma once
// "Customize Menu Items": the editor of the user's own box-menu commands. The list is
// read from "MenuConf.ini" at every opening; only OK writes it back.
#include <string>

#include "dialogs/ListCtrlEx.h"
#include "framework/SettingsDialog.h"
#include "model/IniFile.h"

class CCustomMenu : public fw::CSettingsDialog {
public:
    explicit CCustomMenu(HWND parent = nullptr);

    CListCtrlEx m_List;        // control 1203
    std::wstring m_strIniPath;  // "MenuConf.ini", set by the caller before each run
    CIniFile m_Ini;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
    BOOL OnNotify(int id, NMHDR* header, LRESULT& result) override;

private:
    void OnBnClickedAdd();
    void OnBnClickedEdit();
    void OnBnClickedDelete();
    void OnBnClickedMoveUp();
    void OnBnClickedMoveDown();
    void OnBnClickedOk();
    void OnLvnItemchangedList(int item);

    // The selected row; -1 (after "Please select row.") when there is none.
    int SelectedRowOrTell();
    void SetRow(int row, const std::wstring& caption, const std::wstring& application,
                const std::wstring& parameters);
};
