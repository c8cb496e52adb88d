// The grey copy: the pixel rule, and the copy made from a real icon.
#include <gtest/gtest.h>

#include "IconTestSupport.h"
#include "framework/GdiHandles.h"
#include "model/IconFile.h"

using namespace icontest;

TEST(CreateGrayscaleIcon, GreysEveryPixelByTheRuleAndKeepsTheMask) {
    struct Case {
        const char* what;
        uint32_t argb, expected;
    };
    const Case cases[] = {
        {"opaque white loses pure white", 0xFFFFFFFFu, 0xFFFEFEFEu}, {"half-transparent red", 0x80FF0000u, 0x80555555u},
        {"transparent near-black stays", 0x00010100u, 0x00010100u}, {"transparent dark red", 0x001B0000u, 0x00090909u},
        {"transparent black", 0x00000000u, 0x00000000u},            {"transparent white", 0x00FFFFFFu, 0x00FEFEFEu},
        {"rounded down", 0xFF010100u, 0xFF000000u},                 {"mixed colour", 0xC0306090u, 0xC0606060u},
    };
    std::vector<uint32_t> pixels(16 * 16, 0xFF2080C0u);
    std::vector<bool> mask(16 * 16, false);
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); ++i) {
        EXPECT_EQ(GrayscalePixel(cases[i].argb), cases[i].expected) << cases[i].what;
        pixels[i] = cases[i].argb;
        mask[i] = (cases[i].argb >> 24) == 0;
    }
    fw::CIcon source(MakeColorIcon(16, 16, pixels, mask));
    fw::CIcon grey(CreateGrayscaleIcon(source));
    ASSERT_TRUE(grey.Valid());
    int w = 0, h = 0;
    const std::vector<uint32_t> out = ReadColorPixels(grey, w, h);
    ASSERT_EQ(w * h, 256);
    for (size_t i = 0; i < out.size(); ++i) EXPECT_EQ(out[i], GrayscalePixel(pixels[i])) << i;
    ICONINFO a = {}, b = {};
    ASSERT_TRUE(GetIconInfo(source, &a) && GetIconInfo(grey, &b));
    fw::CBitmap bitmaps[] = {fw::CBitmap(a.hbmColor), fw::CBitmap(a.hbmMask), fw::CBitmap(b.hbmColor),
                             fw::CBitmap(b.hbmMask)};
    uint8_t maskA[32] = {}, maskB[32] = {};
    EXPECT_EQ(GetBitmapBits(a.hbmMask, sizeof(maskA), maskA), LONG(sizeof(maskA)));
    EXPECT_EQ(GetBitmapBits(b.hbmMask, sizeof(maskB), maskB), LONG(sizeof(maskB)));
    EXPECT_EQ(memcmp(maskA, maskB, sizeof(maskA)), 0);
    EXPECT_TRUE(b.fIcon);
}

TEST(CreateGrayscaleIcon, ReportsAnIconThatYieldsNoCopy) {
    fw::CIcon mono(MakeMonochromeIcon(32, 32));
    fw::CIcon goneOwner(MakeColorIcon(16, 16));
    const HICON gone = goneOwner.Get();
    goneOwner.Reset();  // destroyed on purpose: a handle that no longer names an icon
    for (HICON icon : {HICON(nullptr), mono.Get(), gone}) EXPECT_EQ(CreateGrayscaleIcon(icon), nullptr);
}
