#pragma once
// Menu item images drawn onto the menu's own colour. Menus under Wine blend no alpha:
// a transparent pixel of an image shows black, so every image the program puts in a
// menu is opaque, with the menu colour where the picture is transparent.
#include <windows.h>

// The icon drawn at width x height onto GetSysColor(COLOR_MENU). The caller owns it.
HBITMAP MenuImageFromIcon(HICON icon, int width, int height);

// A copy of an opaque bitmap drawn on white, its white ground replaced by the menu
// colour. The caller owns it; none when the bitmap can't be read.
HBITMAP MenuImageFromWhiteBitmap(HBITMAP bitmap);
