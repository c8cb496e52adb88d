#include "dialogs/MonitorDialogSkins.h"

#include "dialogs/SkinNameDlg.h"
#include "dialogs/SkinRules.h"
#include "framework/AppMessage.h"
#include "framework/StringUtil.h"
#include "model/SettingKeys.h"
#include "model/SharedRoutines.h"
#include "resource.h"

void CMonitorSkins::Attach(const std::wstring& skinsFolder, bool defaultSkin) {
    m_folder = skinsFolder;
    m_strName = defaultSkin ? kDefaultSkinName : kCustomSkinName;
}

void CMonitorSkins::ShowCustom() {
    m_strName = kCustomSkinName;
    m_dialog.SetItemText(IDC_MON_SKIN, m_strName);
    m_dialog.EnableItem(IDC_MON_DELETE_SKIN, false);
}

void CMonitorSkins::ShowDefault() {
    m_strName = kDefaultSkinName;
    m_dialog.EnableItem(IDC_MON_DELETE_SKIN, false);
}

void CMonitorSkins::FillList() {
    for (const std::wstring& name : ListSkinNames(m_folder))
        SendDlgItemMessageW(m_dialog.GetSafeHwnd(), IDC_MON_SKIN, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

std::optional<SkinLook> CMonitorSkins::OnChosen() {
    HWND d = m_dialog.GetSafeHwnd();
    const LRESULT index = SendDlgItemMessageW(d, IDC_MON_SKIN, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return std::nullopt;
    const LRESULT length = SendDlgItemMessageW(d, IDC_MON_SKIN, CB_GETLBTEXTLEN, index, 0);
    std::wstring name(length > 0 ? static_cast<size_t>(length) : 0, L'\0');
    SendDlgItemMessageW(d, IDC_MON_SKIN, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&name[0]));
    name.resize(wcslen(name.c_str()));
    CIniFile skin;
    skin.SetPath(SkinFilePath(m_folder, name));
    // A key the skin lacks reads as a new monitor's colour; a picture it lacks is none.
    SkinLook missing = SkinLook::Of(DefaultMonitorSettings());
    missing.picFileUp.clear();
    missing.picFileDown.clear();
    const SkinLook look = ReadSkinLook(skin, missing);
    m_strName = name;
    m_dialog.EnableItem(IDC_MON_DELETE_SKIN, IsSkinDeletable(name, SkinPredefined(skin)));
    return look;
}

// Only the program changes the box's text (its edit part is read-only).
void CMonitorSkins::OnTextChanged() {
    const std::wstring text = m_dialog.GetItemText(IDC_MON_SKIN);
    CIniFile skin;
    skin.SetPath(SkinFilePath(m_folder, text));
    const bool exists = IsExistingFile(skin.GetPath());
    m_dialog.EnableItem(IDC_MON_DELETE_SKIN, exists && IsSkinDeletable(text, SkinPredefined(skin)));
}

void CMonitorSkins::OnAdd(const SkinLook& shown) {
    CSkinName ask(m_dialog.GetSafeHwnd());
    if (ask.DoModal() != IDOK) return;
    const std::wstring& name = ask.m_strName;
    CIniFile skin;
    skin.SetPath(SkinFilePath(m_folder, name));
    const bool exists = IsExistingFile(skin.GetPath());
    if (!MayOverwriteSkin(name, SkinPredefined(skin))) {
        fw::AppMessageBox(L"Is impossible overwrite predefined skin.", MB_OK);
        return;
    }
    if (exists && fw::AppMessageBox(L"Overwrite existing Skin?", MB_YESNO) != IDYES) return;
    // The first write that fails stops the save: the skin is not shown as saved.
    if (!WriteSkinLook(skin, shown)) {
        fw::SystemErrorBox(GetLastError());
        return;
    }
    m_strName = name;
    m_dialog.SetItemText(IDC_MON_SKIN, name);
    m_dialog.EnableItem(IDC_MON_DELETE_SKIN, true);
}

void CMonitorSkins::OnDelete() {
    const std::wstring name = m_dialog.GetItemText(IDC_MON_SKIN);
    if (IsDeleteRefused(name)) {
        fw::AppMessageBox(L"Is impossible delete this Skin!", MB_OK);
        return;
    }
    if (fw::AppMessageBox(fw::Format(L"Do you want to delete Skin: %ls?", name.c_str()), MB_YESNO) != IDYES) return;
    if (!DeleteFileW(SkinFilePath(m_folder, name).c_str())) {
        fw::SystemErrorBox(GetLastError());
        return;
    }
    ShowCustom();
}

BOOL CMonitorSkins::OnCommand(WORD id, WORD code, const SkinLook& shown, std::optional<SkinLook>& chosen) {
    if (id == IDC_MON_SKIN) {
        switch (code) {
        case CBN_DROPDOWN: {
            // Emptying the list also empties the shown name, which stays until a choice.
            const std::wstring text = m_dialog.GetItemText(IDC_MON_SKIN);
            SendDlgItemMessageW(m_dialog.GetSafeHwnd(), IDC_MON_SKIN, CB_RESETCONTENT, 0, 0);
            FillList();
            m_dialog.SetItemText(IDC_MON_SKIN, text);
            return TRUE;
        }
        case CBN_SELCHANGE: chosen = OnChosen(); return TRUE;
        case CBN_EDITCHANGE: OnTextChanged(); return TRUE;
        }
        return FALSE;
    }
    if (code != BN_CLICKED) return FALSE;
    if (id == IDC_MON_ADD_SKIN) OnAdd(shown);
    else if (id == IDC_MON_DELETE_SKIN) OnDelete();
    else return FALSE;
    return TRUE;
}
