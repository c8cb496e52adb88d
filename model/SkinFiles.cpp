#include "model/SkinFiles.h"

#include "framework/Handle.h"

namespace {
constexpr wchar_t kSkinSection[] = L"skin";
}  // namespace

SkinLook SkinLook::Of(const MonitorSettings& s) {
    SkinLook look;
    look.picFileUp = s.PicFileUp;
    look.picFileDown = s.PicFileDown;
    look.boxColorUp = s.BoxColorUp;
    look.boxColorDown = s.BoxColorDown;
    look.textColorUp = s.TextColorUp;
    look.textColorDown = s.TextColorDown;
    return look;
}

void SkinLook::ApplyTo(MonitorSettings& s) const {
    s.PicFileUp = picFileUp;
    s.PicFileDown = picFileDown;
    s.BoxColorUp = boxColorUp;
    s.BoxColorDown = boxColorDown;
    s.TextColorUp = textColorUp;
    s.TextColorDown = textColorDown;
}

std::wstring SkinFilePath(const std::wstring& skinsFolder, const std::wstring& name) {
    return skinsFolder + name + L".ini";
}

SkinLook ReadSkinLook(CIniFile& skin, const SkinLook& missing) {
    SkinLook look;
    look.boxColorUp = skin.ReadULong(kSkinSection, L"BoxColorUp", missing.boxColorUp);
    look.boxColorDown = skin.ReadULong(kSkinSection, L"BoxColorDown", missing.boxColorDown);
    look.textColorUp = skin.ReadULong(kSkinSection, L"TextColorUp", missing.textColorUp);
    look.textColorDown = skin.ReadULong(kSkinSection, L"TextColorDown", missing.textColorDown);
    look.picFileUp = skin.ReadString(kSkinSection, L"PicFileUp", missing.picFileUp);
    look.picFileDown = skin.ReadString(kSkinSection, L"PicFileDown", missing.picFileDown);
    return look;
}

bool WriteSkinLook(CIniFile& skin, const SkinLook& look) {
    return skin.WriteString(kSkinSection, L"PicFileUp", look.picFileUp) &&
           skin.WriteString(kSkinSection, L"PicFileDown", look.picFileDown) &&
           skin.WriteULong(kSkinSection, L"BoxColorUp", look.boxColorUp) &&
           skin.WriteULong(kSkinSection, L"BoxColorDown", look.boxColorDown) &&
           skin.WriteULong(kSkinSection, L"TextColorUp", look.textColorUp) &&
           skin.WriteULong(kSkinSection, L"TextColorDown", look.textColorDown);
}

unsigned long SkinPredefined(CIniFile& skin) { return skin.ReadULong(kSkinSection, L"Predefined", 0); }

std::vector<std::wstring> ListSkinNames(const std::wstring& skinsFolder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    const fw::CFileSearch search = fw::StartFileSearch(skinsFolder + L"*.ini", found);
    if (!search.Valid()) return names;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        std::wstring title = found.cFileName;
        const size_t dot = title.rfind(L'.');
        if (dot != std::wstring::npos) title.erase(dot);
        names.push_back(title);
    } while (FindNextFileW(search, &found));
    return names;
}
