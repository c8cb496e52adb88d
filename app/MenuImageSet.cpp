#include "app/MenuImageSet.h"

#include "app/MenuImages.h"

void CMenuImageSet::Load() {
    for (size_t i = 0; i < kMenuIconIds.size(); ++i) {
        CIconBitmap& icon = m_icons[i];
        icon.Load(static_cast<WORD>(kMenuIconIds[i]));
        m_images[i].Reset(MenuImageFromIcon(icon.m_hIcon, icon.m_nWidth, icon.m_nHeight));
    }
    const struct {
        fw::CBitmap& target;
        UINT id;
    } bitmaps[] = {{m_resetConfig, IDB_MENU_RESET_CONFIG}, {m_disableFiles, IDB_MENU_DISABLE_FILES}, {m_ping, IDB_MENU_PING}};
    for (const auto& bitmap : bitmaps) {
        fw::CBitmap loaded(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(bitmap.id)));
        bitmap.target.Reset(MenuImageFromWhiteBitmap(loaded));
    }
}

HBITMAP CMenuImageSet::OfIcon(UINT iconId) const {
    for (size_t i = 0; i < kMenuIconIds.size(); ++i)
        if (kMenuIconIds[i] == iconId) return m_images[i];
    return nullptr;
}
