#pragma once
// One of the program's icon resources with a bitmap copy of it, for a menu item's picture.
#include <windows.h>

#include "framework/GdiHandles.h"

class CIconBitmap {
public:
    CIconBitmap() = default;
    CIconBitmap(const CIconBitmap&) = delete;
    CIconBitmap& operator=(const CIconBitmap&) = delete;

    // Loads icon resource id from the program at the resource's own size, measures it and
    // makes its bitmap. FALSE when the resource does not load; the holder then stays empty.
    BOOL Load(WORD id);
    // Reads the icon's size from its mask (halved for a monochrome icon). FALSE when the
    // icon can't be read; the sizes then stay as they were.
    BOOL MeasureIcon();
    // Draws the icon on the menu colour into a bitmap of its size and keeps a DIB-section
    // copy.
    void MakeBitmap();

    fw::CIcon m_hIcon;         // owned: loaded without LR_SHARED so that it may be destroyed
    HBITMAP m_bitmap = nullptr;  // the menu-item bitmap: the same handle as m_hDib, not owned
    int m_nWidth = 0;
    int m_nHeight = 0;
    fw::CBitmap m_hDib;        // owned DIB section
};
