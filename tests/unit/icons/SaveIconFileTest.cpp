// The .ico files SaveIconFile writes: sizes, offsets, headers, row order, and what is left
// behind when it refuses.
#include <gtest/gtest.h>

#include "IconTestSupport.h"
#include "model/IconFile.h"

using namespace icontest;

namespace {

// Offsets inside an .ico file: the 6-byte header, then 16-byte directory entries.
size_t Entry(int i) { return 6 + 16 * size_t(i); }

struct Saved {
    std::wstring path;
    std::vector<uint8_t> bytes;
};

Saved SaveIcons(const wchar_t* name, std::vector<HICON> icons) {
    Saved s{TempPath(name), {}};
    EXPECT_TRUE(SaveIconFile(s.path.c_str(), icons.data(), int(icons.size())));
    s.bytes = ReadFileBytes(s.path);
    for (HICON icon : icons) DestroyIcon(icon);
    return s;
}

TEST(SaveIconFile, OneThirtyTwoPixelIconHasThePublishedLayout) {
    Saved s = SaveIcons(L"one32.ico", {MakeColorIcon(32, 32)});
    ASSERT_EQ(s.bytes.size(), 4286u);
    EXPECT_EQ(U16(s.bytes, 0), 0);  // reserved
    EXPECT_EQ(U16(s.bytes, 2), 1);  // icon
    EXPECT_EQ(U16(s.bytes, 4), 1);  // one image

    const size_t e = Entry(0);
    EXPECT_EQ(s.bytes[e + 0], 32);
    EXPECT_EQ(s.bytes[e + 1], 32);  // not doubled
    EXPECT_EQ(s.bytes[e + 2], 0);   // colour count: 32 bits have none
    EXPECT_EQ(s.bytes[e + 3], 0);
    EXPECT_EQ(U16(s.bytes, e + 4), 1);      // planes
    EXPECT_EQ(U16(s.bytes, e + 6), 32);     // bits per pixel
    EXPECT_EQ(U32(s.bytes, e + 8), 4264u);  // bytes in image
    EXPECT_EQ(U32(s.bytes, e + 12), 22u);   // image offset

    const size_t h = 22;
    const uint32_t header[] = {40, 32, 64};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(U32(s.bytes, h + 4 * i), header[i]) << "field " << i;
    EXPECT_EQ(U16(s.bytes, h + 12), 1);
    EXPECT_EQ(U16(s.bytes, h + 14), 32);
    EXPECT_EQ(U32(s.bytes, h + 16), 0u);     // uncompressed
    EXPECT_EQ(U32(s.bytes, h + 20), 4224u);  // colour 32 x 128 + mask 32 x 4
    for (size_t f = 24; f < 40; f += 4) EXPECT_EQ(U32(s.bytes, h + f), 0u) << "field at " << f;
    DeleteFileW(s.path.c_str());
}

TEST(SaveIconFile, RowsAreWrittenBottomUp) {
    // A red top row and a transparent top-left pixel: both must come last in their blocks.
    std::vector<uint32_t> pixels(32 * 32, 0xFF00FF00u);
    for (int x = 0; x < 32; ++x) pixels[x] = 0xFFFF0000u;
    std::vector<bool> mask(32 * 32, false);
    mask[0] = true;
    Saved s = SaveIcons(L"rows.ico", {MakeColorIcon(32, 32, pixels, mask)});
    ASSERT_EQ(s.bytes.size(), 4286u);

    const size_t colour = 22 + 40;
    const size_t lastColourRow = colour + 31 * 128;
    EXPECT_EQ(U32(s.bytes, lastColourRow) & 0xFFFFFF, 0xFF0000u);  // top row, red
    EXPECT_EQ(U32(s.bytes, colour) & 0xFFFFFF, 0x00FF00u);         // bottom row, green
    const size_t maskStart = colour + 32 * 128;
    EXPECT_EQ(s.bytes[maskStart + 31 * 4], 0x80);  // top row's first pixel is transparent
    EXPECT_EQ(s.bytes[maskStart], 0x00);
    DeleteFileW(s.path.c_str());
}

TEST(SaveIconFile, WrittenFileLoadsBackWithTheSamePixels) {
    std::vector<uint32_t> pixels(16 * 16);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = 0xFF000000u | uint32_t(i * 0x010203u);
    Saved s = SaveIcons(L"roundtrip.ico", {MakeColorIcon(16, 16, pixels)});
    HICON loaded = static_cast<HICON>(LoadImageW(nullptr, s.path.c_str(), IMAGE_ICON, 16, 16, LR_LOADFROMFILE));
    ASSERT_NE(loaded, nullptr);
    int w = 0, h = 0;
    std::vector<uint32_t> back = ReadColorPixels(loaded, w, h);
    ASSERT_EQ(w, 16);
    ASSERT_EQ(h, 16);
    for (size_t i = 0; i < pixels.size(); ++i) EXPECT_EQ(back[i] & 0xFFFFFF, pixels[i] & 0xFFFFFF) << i;
    DestroyIcon(loaded);
    DeleteFileW(s.path.c_str());
}

TEST(SaveIconFile, SecondImageFollowsTheFirst) {
    Saved s = SaveIcons(L"two.ico", {MakeColorIcon(32, 32), MakeColorIcon(16, 16)});
    EXPECT_EQ(U16(s.bytes, 4), 2);
    EXPECT_EQ(U32(s.bytes, Entry(0) + 12), 38u);
    EXPECT_EQ(U32(s.bytes, Entry(1) + 12), 4302u);  // 38 + 4264
    EXPECT_EQ(s.bytes[Entry(1)], 16);
    EXPECT_EQ(U32(s.bytes, Entry(1) + 8), 40u + 16 * 64 + 16 * 4);
    EXPECT_EQ(s.bytes.size(), 4302u + 40 + 16 * 64 + 16 * 4);
    DeleteFileW(s.path.c_str());
}

TEST(SaveIconFile, MaskRowsArePaddedToFourBytes) {
    // 48 pixels of mask take 6 bytes a row, written as 8.
    Saved s = SaveIcons(L"48.ico", {MakeColorIcon(48, 48)});
    EXPECT_EQ(U32(s.bytes, Entry(0) + 8), 40u + 48 * 192 + 48 * 8);
    EXPECT_EQ(U32(s.bytes, 22 + 20), 48u * 192 + 48 * 8);
    EXPECT_EQ(s.bytes.size(), 22u + 40 + 48 * 192 + 48 * 8);
    DeleteFileW(s.path.c_str());
}

TEST(SaveIconFile, TwoHundredFiftySixPixelsAreEnteredAsZero) {
    Saved s = SaveIcons(L"256.ico", {MakeColorIcon(256, 256)});
    EXPECT_EQ(s.bytes[Entry(0) + 0], 0);
    EXPECT_EQ(s.bytes[Entry(0) + 1], 0);
    EXPECT_EQ(U32(s.bytes, 22 + 4), 256u);
    EXPECT_EQ(U32(s.bytes, 22 + 8), 512u);
    EXPECT_EQ(s.bytes.size(), 22u + 40 + 256 * 1024 + 256 * 32);
    DeleteFileW(s.path.c_str());
}

TEST(SaveIconFile, ReplacesAnExistingFile) {
    std::wstring path = TempPath(L"replace.ico");
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    std::vector<uint8_t> junk(10000, 0xAB);
    DWORD written = 0;
    WriteFile(f, junk.data(), DWORD(junk.size()), &written, nullptr);
    CloseHandle(f);

    HICON icon = MakeColorIcon(32, 32);
    EXPECT_TRUE(SaveIconFile(path.c_str(), &icon, 1));
    EXPECT_EQ(ReadFileBytes(path).size(), 4286u);
    DestroyIcon(icon);
    DeleteFileW(path.c_str());
}

TEST(SaveIconFile, RefusesWithoutLeavingAFile) {
    HICON colour = MakeColorIcon(16, 16);
    HICON mono = MakeMonochromeIcon(32, 32);
    HICON gone = MakeColorIcon(16, 16);
    DestroyIcon(gone);
    const HICON good[] = {colour};
    const HICON withMono[] = {colour, mono};
    const HICON withGone[] = {colour, gone};
    struct Case {
        const char* what;
        const HICON* icons;
        int count;
    } cases[] = {
        {"no array", nullptr, 1},           {"no icons", good, 0},
        {"negative count", good, -1},       {"a monochrome icon", withMono, 2},
        {"a destroyed icon", withGone, 2},
    };
    for (const auto& c : cases) {
        std::wstring path = TempPath(L"refused.ico");
        EXPECT_FALSE(SaveIconFile(path.c_str(), c.icons, c.count)) << c.what;
        EXPECT_FALSE(FileExists(path)) << c.what;
    }
    std::wstring missingFolder = TempPath(L"no_such_folder") + L"\\x.ico";
    EXPECT_FALSE(SaveIconFile(missingFolder.c_str(), good, 1));
    EXPECT_FALSE(SaveIconFile(nullptr, good, 1));
    DestroyIcon(colour);
    DestroyIcon(mono);
}

TEST(SaveIconFile, ARefusedIconLeavesAnExistingFileAsItWas) {
    std::wstring path = TempPath(L"kept.ico");
    HICON first = MakeColorIcon(16, 16);
    ASSERT_TRUE(SaveIconFile(path.c_str(), &first, 1));
    const std::vector<uint8_t> before = ReadFileBytes(path);

    HICON mono = MakeMonochromeIcon(32, 32);
    EXPECT_FALSE(SaveIconFile(path.c_str(), &mono, 1));
    EXPECT_EQ(ReadFileBytes(path), before);
    DestroyIcon(first);
    DestroyIcon(mono);
    DeleteFileW(path.c_str());
}

}  // namespace
