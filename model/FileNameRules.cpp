#include "model/FileNameRules.h"

std::wstring PictureFileName(const std::wstring& stored) {
    const size_t cut = stored.find_last_of(L"\\/:");
    std::wstring name = cut == std::wstring::npos ? stored : stored.substr(cut + 1);
    // Trailing dots and blanks are dropped by the file system, so ". ." is "..".
    const size_t kept = name.find_last_not_of(L". ");
    if (kept == std::wstring::npos || IsReservedDeviceName(name)) return L"";
    return name;
}
