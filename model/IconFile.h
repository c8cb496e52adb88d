#pragma once
// Icons as files and as grey copies: the default pictures and the grey Up pictures are
// written with SaveIconFile; CreateGrayscaleIcon makes the grey copy.
#include <cstdint>
#include <windows.h>

// Writes the icons, in order, as one .ico file at path (an existing file is replaced):
// 32-bit colour rows and the mask, no colour table. TRUE only when every icon could be read
// and the whole file was written; on FALSE the file that was at path is left as it was (a
// new one is written beside it, then put in its place). Every icon must
// be a colour icon (with a colour bitmap); a monochrome or unreadable icon refuses the file.
BOOL SaveIconFile(const wchar_t* path, const HICON* icons, int count);

// A new grey copy of a colour icon (same size and mask, transparency kept), owned by the
// caller; nullptr when the icon yields no grey copy (none, monochrome or unreadable).
HICON CreateGrayscaleIcon(HICON icon);

// The grey rule for one pixel given as 0xAARRGGBB: g = (R + G + B) / 3; a fully transparent
// black pixel stays as it is; otherwise R = G = B = g, with 255 lowered to 254; alpha kept.
uint32_t GrayscalePixel(uint32_t argb);

// The description of the bitmap an icon is drawn from: its colour bitmap, or a monochrome
// icon's mask, which holds its two images one above the other (so twice its height).
// FALSE, with the description left as it was, when the icon can't be read.
bool DescribeIconBitmap(HICON icon, BITMAP& description);

// The size of an icon read from its mask bitmap; a monochrome icon's mask holds its two
// images one above the other, so its height is halved. FALSE when the icon can't be read.
bool MeasureIconSize(HICON icon, int& width, int& height);
