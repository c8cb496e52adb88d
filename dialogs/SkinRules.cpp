#include "dialogs/SkinRules.h"

#include <cwchar>

#include "model/DeviceNames.h"

std::wstring FilterSkinName(const std::wstring& name) {
    std::wstring out;
    for (wchar_t c : name)
        if (!std::wcschr(L"\\/:\"|<>?*", c)) out.push_back(c);
    return out;
}

bool IsAcceptableSkinName(const std::wstring& name) {
    return !name.empty() && name != kCustomSkinName && name != L" " && !IsReservedDeviceName(name);
}

bool IsSkinDeletable(const std::wstring& name, unsigned long predefined) {
    return name != kDefaultSkinName && predefined != 1;
}

bool IsDeleteRefused(const std::wstring& name) {
    return name.empty() || name == kDefaultSkinName || name == kCustomSkinName;
}

bool MayOverwriteSkin(const std::wstring& name, unsigned long predefined) {
    return predefined == 0 || name == kDefaultSkinName;
}
