// The grey copy: the pixel rule, and the copy made from a real icon.
#include <gtest/gtest.h>

#include "IconTestSupport.h"
#include "model/IconFile.h"

using namespace icontest;

namespace {

struct PixelCase {
    const char* what;
    uint32_t argb;
    uint32_t expected;
};

const PixelCase kPixelCases[] = {
    {"opaque white loses pure white", 0xFFFFFFFFu, 0xFFFEFEFEu},
    {"half-transparent red", 0x80FF0000u, 0x80555555u},
    {"transparent near-black stays", 0x00010100u, 0x00010100u},
    {"transparent grey 9", 0x00090909u, 0x00090909u},
    {"transparent dark red", 0x001B0000u, 0x00090909u},
    {"opaque black", 0xFF000000u, 0xFF000000u},
    {"transparent black", 0x00000000u, 0x00000000u},
    {"transparent white", 0x00FFFFFFu, 0x00FEFEFEu},
    {"rounded down", 0xFF010100u, 0xFF000000u},
    {"just below white", 0xFFFFFFFEu, 0xFFFEFEFEu},
    {"mixed colour", 0xC0306090u, 0xC0606060u},
};

TEST(GrayscalePixel, FollowsTheGreyRule) {
    for (const auto& c : kPixelCases) EXPECT_EQ(GrayscalePixel(c.argb), c.expected) << c.what;
}

TEST(CreateGrayscaleIcon, GreysEveryPixelAndKeepsTheMask) {
    const int n = int(sizeof(kPixelCases) / sizeof(kPixelCases[0]));
    std::vector<uint32_t> pixels(16 * 16, 0xFF2080C0u);
    std::vector<bool> mask(16 * 16, false);
    for (int i = 0; i < n; ++i) {
        pixels[i] = kPixelCases[i].argb;
        mask[i] = (kPixelCases[i].argb >> 24) == 0;
    }
    HICON source = MakeColorIcon(16, 16, pixels, mask);
    HICON grey = CreateGrayscaleIcon(source);
    ASSERT_NE(grey, nullptr);

    int w = 0, h = 0;
    std::vector<uint32_t> out = ReadColorPixels(grey, w, h);
    ASSERT_EQ(w, 16);
    ASSERT_EQ(h, 16);
    for (int i = 0; i < n; ++i) EXPECT_EQ(out[i], kPixelCases[i].expected) << kPixelCases[i].what;
    EXPECT_EQ(out[200], GrayscalePixel(0xFF2080C0u));

    ICONINFO a = {}, b = {};
    ASSERT_TRUE(GetIconInfo(source, &a));
    ASSERT_TRUE(GetIconInfo(grey, &b));
    uint8_t maskA[32] = {}, maskB[32] = {};
    EXPECT_EQ(GetBitmapBits(a.hbmMask, sizeof(maskA), maskA), LONG(sizeof(maskA)));
    EXPECT_EQ(GetBitmapBits(b.hbmMask, sizeof(maskB), maskB), LONG(sizeof(maskB)));
    EXPECT_EQ(std::vector<uint8_t>(maskA, maskA + 32), std::vector<uint8_t>(maskB, maskB + 32));
    EXPECT_TRUE(b.fIcon);
    for (HBITMAP bm : {a.hbmColor, a.hbmMask, b.hbmColor, b.hbmMask}) DeleteObject(bm);
    DestroyIcon(source);
    DestroyIcon(grey);
}

TEST(CreateGrayscaleIcon, GreyCopyCanBeSavedAsAFile) {
    HICON source = MakeColorIcon(32, 32);
    HICON grey = CreateGrayscaleIcon(source);
    ASSERT_NE(grey, nullptr);
    std::wstring path = TempPath(L"grey_GSC.ico");
    EXPECT_TRUE(SaveIconFile(path.c_str(), &grey, 1));
    EXPECT_EQ(ReadFileBytes(path).size(), 4286u);
    DeleteFileW(path.c_str());
    DestroyIcon(source);
    DestroyIcon(grey);
}

TEST(CreateGrayscaleIcon, ReportsAnIconThatYieldsNoCopy) {
    HICON mono = MakeMonochromeIcon(32, 32);
    HICON gone = MakeColorIcon(16, 16);
    DestroyIcon(gone);
    EXPECT_EQ(CreateGrayscaleIcon(nullptr), nullptr);
    EXPECT_EQ(CreateGrayscaleIcon(mono), nullptr);
    EXPECT_EQ(CreateGrayscaleIcon(gone), nullptr);
    DestroyIcon(mono);
}

}  // namespace
