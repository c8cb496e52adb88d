#include "app/MenuImages.h"

#include <vector>

#include "framework/GdiHandles.h"

namespace {

// A top-down 32-bit DIB section of the given size; bits receives its pixels.
HBITMAP CreateCanvas(int width, int height, void** bits) {
    const BITMAPINFO info = fw::TopDown32BitInfo(width, height);
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

// COLORREF (0x00BBGGRR) as a 32-bit DIB pixel (0x00RRGGBB).
DWORD DibPixel(COLORREF colour) {
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

}  // namespace

HBITMAP MenuImageFromIcon(HICON icon, int width, int height) {
    if (!icon || width <= 0 || height <= 0) return nullptr;
    void* bits = nullptr;
    fw::CBitmap canvas(CreateCanvas(width, height, &bits));
    fw::CClientDC screen(nullptr);
    fw::CMemoryDC memory(screen);
    if (!canvas || !memory) return nullptr;
    {
        fw::CSelectObject select(memory, canvas);
        fw::CBrush ground(CreateSolidBrush(GetSysColor(COLOR_MENU)));
        RECT all = {0, 0, width, height};
        FillRect(memory, &all, ground);
        DrawIconEx(memory, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    }
    // The alpha bytes that the drawing left are meaningless here: the image is opaque.
    auto* pixels = static_cast<DWORD*>(bits);
    GdiFlush();
    for (int i = 0; i < width * height; ++i) pixels[i] |= 0xFF000000u;
    return canvas.Detach();
}

HBITMAP MenuImageFromWhiteBitmap(HBITMAP bitmap) {
    BITMAP bm = {};
    if (!bitmap || !GetObjectW(bitmap, sizeof(bm), &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return nullptr;
    const int width = bm.bmWidth;
    const int height = bm.bmHeight;
    void* bits = nullptr;
    fw::CBitmap canvas(CreateCanvas(width, height, &bits));
    if (!canvas) return nullptr;
    BITMAPINFO info = fw::TopDown32BitInfo(width, height);
    fw::CClientDC screen(nullptr);
    if (GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), bits, &info, DIB_RGB_COLORS) == 0) return nullptr;
    const DWORD menu = DibPixel(GetSysColor(COLOR_MENU)) | 0xFF000000u;
    auto* pixels = static_cast<DWORD*>(bits);
    for (int i = 0; i < width * height; ++i)
        pixels[i] = (pixels[i] & 0x00FFFFFFu) == 0x00FFFFFFu ? menu : (pixels[i] | 0xFF000000u);
    return canvas.Detach();
}
