#include "model/FileNameRules.h"

#include <cwctype>

bool IsReservedDeviceName(const std::wstring& name) {
    // The device part ends at the first dot; blanks before it do not count.
    std::wstring base = name.substr(0, name.find(L'.'));
    while (!base.empty() && base.back() == L' ') base.pop_back();
    for (wchar_t& c : base) c = static_cast<wchar_t>(std::towupper(c));
    if (base == L"CON" || base == L"PRN" || base == L"AUX" || base == L"NUL") return true;
    return base.size() == 4 && (base.compare(0, 3, L"COM") == 0 || base.compare(0, 3, L"LPT") == 0) &&
           base[3] >= L'1' && base[3] <= L'9';
}

std::wstring PictureFileName(const std::wstring& stored) {
    const size_t cut = stored.find_last_of(L"\\/:");
    std::wstring name = cut == std::wstring::npos ? stored : stored.substr(cut + 1);
    // Trailing dots and blanks are dropped by the file system, so ". ." is "..".
    const size_t kept = name.find_last_not_of(L". ");
    if (kept == std::wstring::npos || IsReservedDeviceName(name)) return L"";
    return name;
}
