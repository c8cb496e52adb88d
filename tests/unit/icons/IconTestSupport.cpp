#include "IconTestSupport.h"

#include "framework/GdiHandles.h"
#include "model/IconFile.h"

namespace icontest {

HICON MakeColorIcon(int width, int height, const std::vector<uint32_t>& pixels,
                    const std::vector<bool>& maskBits) {
    BITMAPINFO bmi = fw::TopDown32BitInfo(width, height);
    void* bits = nullptr;
    HBITMAP color = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* p = static_cast<uint32_t*>(bits);
    for (int i = 0; i < width * height; ++i) p[i] = i < int(pixels.size()) ? pixels[i] : 0xFF0000FFu;

    const int maskRow = (width + 15) / 16 * 2;  // CreateBitmap rows are word-aligned
    std::vector<uint8_t> mask(size_t(maskRow) * height, 0);
    for (int i = 0; i < int(maskBits.size()) && i < width * height; ++i)
        if (maskBits[i]) mask[(i / width) * maskRow + (i % width) / 8] |= uint8_t(0x80 >> (i % 8));
    HBITMAP maskBitmap = CreateBitmap(width, height, 1, 1, mask.data());

    ICONINFO info = {};
    info.fIcon = TRUE;
    info.hbmColor = color;
    info.hbmMask = maskBitmap;
    HICON icon = CreateIconIndirect(&info);
    fw::CBitmap ownColor(color), ownMask(maskBitmap);  // the icon has copies of its own
    return icon;
}

HICON MakeMonochromeIcon(int width, int height) {
    const int row = (width + 15) / 16 * 2;
    std::vector<uint8_t> andBits(size_t(row) * height, 0xF0);
    std::vector<uint8_t> xorBits(size_t(row) * height, 0x0F);
    return CreateIcon(GetModuleHandleW(nullptr), width, height, 1, 1, andBits.data(), xorBits.data());
}

std::vector<uint32_t> ReadColorPixels(HICON icon, int& width, int& height) {
    std::vector<uint32_t> pixels;
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info)) return pixels;
    BITMAP bm = {};
    if (info.hbmColor && GetObjectW(info.hbmColor, sizeof(bm), &bm)) {
        width = bm.bmWidth;
        height = bm.bmHeight;
        BITMAPINFO bmi = fw::TopDown32BitInfo(width, height);
        pixels.resize(size_t(width) * height);
        fw::CMemoryDC dc(nullptr);
        GetDIBits(dc, info.hbmColor, 0, height, pixels.data(), &bmi, DIB_RGB_COLORS);
    }
    fw::CBitmap color(info.hbmColor), mask(info.hbmMask);  // GetIconInfo's copies
    return pixels;
}

}  // namespace icontest
