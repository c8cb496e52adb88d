#include "ui/DefaultPictures.h"

#include <windows.h>

#include "framework/GdiHandles.h"
#include "model/DataFolders.h"
#include "model/IconFile.h"
#include "model/SharedRoutines.h"
#include "resource.h"

void WriteMissingDefaultPictures(const std::wstring& picturesFolder) {
    const struct {
        const wchar_t* name;
        UINT iconId;
    } pictures[] = {{kDefaultPictureUp, IDI_DEFAULT_PICTURE}, {kDefaultPictureDown, IDI_DEFAULT_PICTURE_BW}};
    for (const auto& picture : pictures) {
        const std::wstring path = picturesFolder + picture.name;
        if (IsExistingFile(path)) continue;
        // The icon at its own size, one image.
        fw::CIcon icon(static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(picture.iconId), IMAGE_ICON, 0, 0, 0)));
        if (!icon) continue;
        HICON icons[] = {icon};
        SaveIconFile(path.c_str(), icons, 1);
    }
}
