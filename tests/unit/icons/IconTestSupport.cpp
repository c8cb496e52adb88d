#include "IconTestSupport.h"

#include <cstring>

#include "model/IconFile.h"

namespace icontest {

HICON MakeColorIcon(int width, int height, const std::vector<uint32_t>& pixels,
                    const std::vector<bool>& maskBits) {
    BITMAPINFO bmi = TopDown32BitInfo(width, height);
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
    DeleteObject(color);
    DeleteObject(maskBitmap);
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
        BITMAPINFO bmi = TopDown32BitInfo(width, height);
        pixels.resize(size_t(width) * height);
        HDC dc = CreateCompatibleDC(nullptr);
        GetDIBits(dc, info.hbmColor, 0, height, pixels.data(), &bmi, DIB_RGB_COLORS);
        DeleteDC(dc);
    }
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return pixels;
}

std::wstring TempPath(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, folder);
    std::wstring path = std::wstring(folder) + L"orvalen_icons_" + std::to_wstring(GetCurrentProcessId()) + L"_" + name;
    DeleteFileW(path.c_str());
    return path;
}

std::vector<uint8_t> ReadFileBytes(const std::wstring& path) {
    std::vector<uint8_t> bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    bytes.resize(GetFileSize(file, nullptr));
    DWORD read = 0;
    if (!bytes.empty()) ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr);
    bytes.resize(read);
    CloseHandle(file);
    return bytes;
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

uint32_t U32(const std::vector<uint8_t>& b, size_t offset) {
    uint32_t v = 0;
    std::memcpy(&v, b.data() + offset, 4);
    return v;
}

uint16_t U16(const std::vector<uint8_t>& b, size_t offset) {
    uint16_t v = 0;
    std::memcpy(&v, b.data() + offset, 2);
    return v;
}

}  // namespace icontest
