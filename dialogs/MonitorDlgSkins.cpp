// The monitor dialog's skins: named looks (four colours, two pictures) kept as one INI
// file each in the shared skins folder, listed afresh at every drop-down, chosen, saved
// under a name (Add Skin) and deleted.
#include "dialogs/MonitorDialog.h"
#include "dialogs/SkinNameDlg.h"
#include "dialogs/SkinRules.h"
#include "framework/AppMessage.h"
#include "framework/StringUtil.h"
#include "model/SharedRoutines.h"
#include "resource.h"

namespace {
constexpr wchar_t kSkinSection[] = L"skin";
}  // namespace

void CBoxPropertiesDlg::FillSkinList() {
    WIN32_FIND_DATAW found;
    const fw::CFileSearch search = fw::StartFileSearch(m_strSkinsFolder + L"*.ini", found);
    if (!search.Valid()) return;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        std::wstring title = found.cFileName;
        const size_t dot = title.rfind(L'.');
        if (dot != std::wstring::npos) title.erase(dot);
        SendDlgItemMessageW(m_hWnd, IDC_MON_SKIN, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.c_str()));
    } while (FindNextFileW(search, &found));
}

void CBoxPropertiesDlg::OnSkinChosen() {
    const LRESULT index = SendDlgItemMessageW(m_hWnd, IDC_MON_SKIN, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return;
    const LRESULT length = SendDlgItemMessageW(m_hWnd, IDC_MON_SKIN, CB_GETLBTEXTLEN, index, 0);
    std::wstring name(length > 0 ? static_cast<size_t>(length) : 0, L'\0');
    SendDlgItemMessageW(m_hWnd, IDC_MON_SKIN, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&name[0]));
    name.resize(wcslen(name.c_str()));
    m_SkinIni.SetPath(m_strSkinsFolder + name + L".ini");
    const UINT predefined = m_SkinIni.ReadULong(kSkinSection, L"Predefined", 0);
    m_btnBoxColorUp.SetColor(m_SkinIni.ReadULong(kSkinSection, L"BoxColorUp", 0xFED1C5));
    m_btnBoxColorDown.SetColor(m_SkinIni.ReadULong(kSkinSection, L"BoxColorDown", 0x797979));
    m_btnTextColorUp.SetColor(m_SkinIni.ReadULong(kSkinSection, L"TextColorUp", 0x000000));
    m_btnTextColorDown.SetColor(m_SkinIni.ReadULong(kSkinSection, L"TextColorDown", 0xFFFFFF));
    SetPictureFiles(m_SkinIni.ReadString(kSkinSection, L"PicFileUp", L""),
                    m_SkinIni.ReadString(kSkinSection, L"PicFileDown", L""));
    m_strSkinName = name;
    EnableItem(IDC_MON_DELETE_SKIN, IsSkinDeletable(name, predefined));
    LoadBoxIcons();
}

// Only the program changes the combo's text (its edit part is read-only).
void CBoxPropertiesDlg::OnSkinTextChanged() {
    const std::wstring text = GetItemText(IDC_MON_SKIN);
    CIniFile skin;
    skin.SetPath(m_strSkinsFolder + text + L".ini");
    const bool exists = IsExistingFile(skin.GetPath());
    EnableItem(IDC_MON_DELETE_SKIN, exists && IsSkinDeletable(text, skin.ReadULong(kSkinSection, L"Predefined", 0)));
}

void CBoxPropertiesDlg::OnAddSkin() {
    CSkinName ask(m_hWnd);
    if (ask.DoModal() != IDOK) return;
    const std::wstring& name = ask.m_strName;
    m_SkinIni.SetPath(m_strSkinsFolder + name + L".ini");
    const bool exists = IsExistingFile(m_SkinIni.GetPath());
    if (!MayOverwriteSkin(name, m_SkinIni.ReadULong(kSkinSection, L"Predefined", 0))) {
        fw::AppMessageBox(L"Is impossible overwrite predefined skin.", MB_OK);
        return;
    }
    if (exists && fw::AppMessageBox(L"Overwrite existing Skin?", MB_YESNO) != IDYES) return;
    // The first write that fails stops the save: the skin is not shown as saved.
    const bool written = m_SkinIni.WriteString(kSkinSection, L"PicFileUp", PicFileUp) &&
                         m_SkinIni.WriteString(kSkinSection, L"PicFileDown", PicFileDown) &&
                         m_SkinIni.WriteULong(kSkinSection, L"BoxColorUp", m_btnBoxColorUp.GetColor()) &&
                         m_SkinIni.WriteULong(kSkinSection, L"BoxColorDown", m_btnBoxColorDown.GetColor()) &&
                         m_SkinIni.WriteULong(kSkinSection, L"TextColorUp", m_btnTextColorUp.GetColor()) &&
                         m_SkinIni.WriteULong(kSkinSection, L"TextColorDown", m_btnTextColorDown.GetColor());
    if (!written) {
        fw::SystemErrorBox(GetLastError());
        return;
    }
    m_strSkinName = name;
    SetItemText(IDC_MON_SKIN, name);
    EnableItem(IDC_MON_DELETE_SKIN, true);
}

void CBoxPropertiesDlg::OnDeleteSkin() {
    const std::wstring name = GetItemText(IDC_MON_SKIN);
    if (IsDeleteRefused(name)) {
        fw::AppMessageBox(L"Is impossible delete this Skin!", MB_OK);
        return;
    }
    if (fw::AppMessageBox(fw::Format(L"Do you want to delete Skin: %ls?", name.c_str()), MB_YESNO) != IDYES) return;
    if (!DeleteFileW((m_strSkinsFolder + name + L".ini").c_str())) {
        fw::SystemErrorBox(GetLastError());
        return;
    }
    ShowCustomSkin();
}

BOOL CBoxPropertiesDlg::OnSkinCommand(WORD id, WORD code) {
    if (id == IDC_MON_SKIN) {
        switch (code) {
        case CBN_DROPDOWN: {
            // Emptying the list also empties the shown name, which stays until a choice.
            const std::wstring shown = GetItemText(IDC_MON_SKIN);
            SendDlgItemMessageW(m_hWnd, IDC_MON_SKIN, CB_RESETCONTENT, 0, 0);
            FillSkinList();
            SetItemText(IDC_MON_SKIN, shown);
            return TRUE;
        }
        case CBN_SELCHANGE: OnSkinChosen(); return TRUE;
        case CBN_EDITCHANGE: OnSkinTextChanged(); return TRUE;
        }
        return FALSE;
    }
    if (code != BN_CLICKED) return FALSE;
    if (id == IDC_MON_ADD_SKIN) OnAddSkin();
    else if (id == IDC_MON_DELETE_SKIN) OnDeleteSkin();
    else return FALSE;
    return TRUE;
}
