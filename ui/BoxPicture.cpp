#include "ui/BoxPicture.h"

#include <algorithm>
#include <cwctype>

#include "model/SharedRoutines.h"

bool IsBoxPictureFile(const std::wstring& path) {
    std::wstring type = RightThree(path);
    std::transform(type.begin(), type.end(), type.begin(), [](wchar_t c) { return std::towlower(c); });
    return type == L"ico";
}

HICON LoadBoxPicture(const std::wstring& path) {
    if (!IsBoxPictureFile(path)) return nullptr;
    return static_cast<HICON>(
        LoadImageW(nullptr, path.c_str(), IMAGE_ICON, 64, 64, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}
