#include "model/IconFile.h"

#include <cstring>
#include <string>
#include <vector>

#include "framework/GdiHandles.h"

namespace {

// The two bitmaps an icon hands out (GetIconInfo), deleted when this goes.
struct CIconParts {
    fw::CBitmap color;  // none for a monochrome icon
    fw::CBitmap mask;
    BITMAP colorInfo = {};
    BITMAP maskInfo = {};

    bool Read(HICON icon) {
        ICONINFO info = {};
        if (!icon || !GetIconInfo(icon, &info)) return false;
        color.Reset(info.hbmColor);
        mask.Reset(info.hbmMask);
        if (!mask || !GetObjectW(mask, sizeof(maskInfo), &maskInfo)) return false;
        return !color || GetObjectW(color, sizeof(colorInfo), &colorInfo);
    }
};

// Row length in bytes of a bitmap's bits, rounded up to a multiple of 4 as .ico rows are.
DWORD PaddedRow(const BITMAP& bm) { return (static_cast<DWORD>(bm.bmWidthBytes) + 3) & ~3u; }

void Append(std::vector<BYTE>& out, const void* data, size_t size) {
    const BYTE* bytes = static_cast<const BYTE*>(data);
    out.insert(out.end(), bytes, bytes + size);
}

// A bitmap's rows as the platform gives them (top first), written bottom-up, each padded.
bool AppendRowsBottomUp(std::vector<BYTE>& out, HBITMAP bitmap, const BITMAP& bm) {
    const size_t rowBytes = static_cast<size_t>(bm.bmWidthBytes);
    std::vector<BYTE> bits(rowBytes * bm.bmHeight);
    if (bits.empty() || GetBitmapBits(bitmap, static_cast<LONG>(bits.size()), bits.data()) <= 0) return false;
    const std::vector<BYTE> padding(PaddedRow(bm) - rowBytes, 0);
    for (LONG row = bm.bmHeight - 1; row >= 0; --row) {
        Append(out, bits.data() + row * rowBytes, rowBytes);
        Append(out, padding.data(), padding.size());
    }
    return true;
}

#pragma pack(push, 1)
struct IconDirEntry {
    BYTE width, height, colorCount, reserved;
    WORD planes, bitCount;
    DWORD bytesInRes, imageOffset;
};
#pragma pack(pop)
static_assert(sizeof(IconDirEntry) == 16, "icon directory entries are 16 bytes");

// The whole file in memory; empty when any icon can't be written.
std::vector<BYTE> BuildIconFile(const HICON* icons, int count) {
    const WORD header[3] = {0, 1, static_cast<WORD>(count)};
    std::vector<BYTE> file;
    Append(file, header, sizeof(header));
    file.resize(file.size() + sizeof(IconDirEntry) * count);  // the directory, filled below

    for (int i = 0; i < count; ++i) {
        CIconParts parts;
        if (!parts.Read(icons[i]) || !parts.color) return {};
        const BITMAP& c = parts.colorInfo;
        const BITMAP& m = parts.maskInfo;
        const DWORD imageSize = c.bmHeight * PaddedRow(c) + m.bmHeight * PaddedRow(m);

        IconDirEntry entry = {};
        entry.width = static_cast<BYTE>(c.bmWidth);    // 256 is entered as 0
        entry.height = static_cast<BYTE>(c.bmHeight);
        const int colorBits = c.bmPlanes * c.bmBitsPixel;
        entry.colorCount = colorBits < 8 ? static_cast<BYTE>(1u << colorBits) : 0;
        entry.planes = c.bmPlanes;
        entry.bitCount = c.bmBitsPixel;
        entry.bytesInRes = sizeof(BITMAPINFOHEADER) + imageSize;
        entry.imageOffset = static_cast<DWORD>(file.size());
        std::memcpy(file.data() + 6 + sizeof(IconDirEntry) * i, &entry, sizeof(entry));

        BITMAPINFOHEADER bih = {};
        bih.biSize = sizeof(bih);
        bih.biWidth = c.bmWidth;
        bih.biHeight = 2 * c.bmHeight;  // colour and mask together
        bih.biPlanes = c.bmPlanes;
        bih.biBitCount = c.bmBitsPixel;
        bih.biCompression = BI_RGB;
        bih.biSizeImage = imageSize;
        Append(file, &bih, sizeof(bih));
        if (!AppendRowsBottomUp(file, parts.color, c) || !AppendRowsBottomUp(file, parts.mask, m)) return {};
    }
    return file;
}

}  // namespace

BOOL SaveIconFile(const wchar_t* path, const HICON* icons, int count) {
    if (!path || !icons || count < 1) return FALSE;
    // Everything is read before the file is touched, so an unreadable icon leaves no file.
    const std::vector<BYTE> bytes = BuildIconFile(icons, count);
    if (bytes.empty()) return FALSE;

    // Written beside the file, then put in its place: a failed write leaves the file that
    // was there, and a half-written one is never seen.
    const std::wstring written = std::wstring(path) + L".new";
    fw::CFileHandle file = fw::OpenFileHandle(written, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (!file.Valid()) return FALSE;
    DWORD done = 0;
    bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) &&
              done == bytes.size() && FlushFileBuffers(file);
    // Closed here, not by the owner's end: a failed close (data not written) also counts.
    ok = file.CloseChecked() && ok;
    ok = ok && MoveFileExW(written.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) DeleteFileW(written.c_str());
    return ok ? TRUE : FALSE;
}

uint32_t GrayscalePixel(uint32_t argb) {
    const uint32_t a = argb >> 24;
    const uint32_t g = (((argb >> 16) & 0xFF) + ((argb >> 8) & 0xFF) + (argb & 0xFF)) / 3;
    if (a == 0 && g == 0) return argb;
    const uint32_t grey = g == 255 ? 254 : g;  // no pure white in a grey copy
    return (a << 24) | (grey << 16) | (grey << 8) | grey;
}

HICON CreateGrayscaleIcon(HICON icon) {
    CIconParts parts;
    if (!parts.Read(icon) || !parts.color) return nullptr;
    const LONG width = parts.colorInfo.bmWidth;
    const LONG height = parts.colorInfo.bmHeight;

    // Always 32-bit top-down pixels: at other depths the platform would add a colour table
    // or pack pixels that a per-pixel rule can't read.
    BITMAPINFO bmi = fw::TopDown32BitInfo(width, height);

    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    {
        fw::CMemoryDC dc(nullptr);
        if (!dc || GetDIBits(dc, parts.color, 0, height, pixels.data(), &bmi, DIB_RGB_COLORS) != height)
            return nullptr;
    }
    for (uint32_t& p : pixels) p = GrayscalePixel(p);

    // A 32-bit DIB section keeps the alpha channel whatever the display's depth.
    void* bits = nullptr;
    fw::CBitmap grey(CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!grey || !bits) return nullptr;
    std::memcpy(bits, pixels.data(), pixels.size() * sizeof(uint32_t));
    GdiFlush();

    ICONINFO info = {};
    info.fIcon = TRUE;
    info.hbmMask = parts.mask;
    info.hbmColor = grey;
    return CreateIconIndirect(&info);  // the icon keeps copies of both bitmaps
}

bool DescribeIconBitmap(HICON icon, BITMAP& description) {
    CIconParts parts;
    if (!parts.Read(icon)) return false;
    description = parts.color ? parts.colorInfo : parts.maskInfo;
    return true;
}

bool MeasureIconSize(HICON icon, int& width, int& height) {
    CIconParts parts;
    if (!parts.Read(icon)) return false;
    width = parts.maskInfo.bmWidth;
    height = parts.color ? parts.maskInfo.bmHeight : parts.maskInfo.bmHeight / 2;
    return true;
}
