#include "dialogs/SkinRules.h"

#include <cwctype>

std::wstring FilterSkinName(const std::wstring& name) {
    std::wstring out;
    for (wchar_t c : name)
        if (!std::wcschr(L"\\/:\"|<>?*", c)) out.push_back(c);
    return out;
}

bool IsReservedDeviceName(const std::wstring& name) {
    // The device part ends at the first dot; blanks before it do not count.
    std::wstring base = name.substr(0, name.find(L'.'));
    while (!base.empty() && base.back() == L' ') base.pop_back();
    for (wchar_t& c : base) c = static_cast<wchar_t>(std::towupper(c));
    if (base == L"CON" || base == L"PRN" || base == L"AUX" || base == L"NUL") return true;
    return base.size() == 4 && (base.compare(0, 3, L"COM") == 0 || base.compare(0, 3, L"LPT") == 0) &&
           base[3] >= L'1' && base[3] <= L'9';
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
