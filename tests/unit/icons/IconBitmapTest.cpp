// Icon sizes read from masks, and the menu bitmaps made from the program's icons.
#include <gtest/gtest.h>

#include "IconTestSupport.h"
#include "model/IconBitmap.h"
#include "model/IconFile.h"
#include "resource.h"

using namespace icontest;

namespace {

// The size is the picture's; the description is of the bitmap it is drawn from, which for
// a monochrome icon is the mask with both images.
TEST(MeasureIconSize, ReadsTheMask) {
    struct Case {
        const char* what;
        HICON icon;
        int width, height, describedHeight;
    } cases[] = {
        {"colour 48 x 48", MakeColorIcon(48, 48), 48, 48, 48},
        {"colour 7 x 256", MakeColorIcon(7, 256), 7, 256, 256},
        {"monochrome 32 x 32 (mask 32 x 64)", MakeMonochromeIcon(32, 32), 32, 32, 64},
        {"monochrome 16 x 16", MakeMonochromeIcon(16, 16), 16, 16, 32},
    };
    for (const auto& c : cases) {
        int w = -1, h = -1;
        EXPECT_TRUE(MeasureIconSize(c.icon, w, h)) << c.what;
        EXPECT_EQ(w, c.width) << c.what;
        EXPECT_EQ(h, c.height) << c.what;
        BITMAP described = {};
        EXPECT_TRUE(DescribeIconBitmap(c.icon, described)) << c.what;
        EXPECT_EQ(described.bmWidth, c.width) << c.what;
        EXPECT_EQ(described.bmHeight, c.describedHeight) << c.what;
        fw::CIcon owned(c.icon);
    }
    BITMAP untouched = {};
    untouched.bmWidth = 5;
    EXPECT_FALSE(DescribeIconBitmap(nullptr, untouched));
    EXPECT_EQ(untouched.bmWidth, 5);
}

TEST(CIconBitmap, MeasuresAMonochromeIconByHalfItsMaskAndKeepsSizesOfNone) {
    CIconBitmap mono;
    mono.m_hIcon.Reset(MakeMonochromeIcon(32, 32));
    EXPECT_TRUE(mono.MeasureIcon());
    EXPECT_EQ(mono.m_nHeight, 32);
    CIconBitmap holder;
    holder.m_nWidth = 5;
    holder.m_nHeight = 6;
    EXPECT_FALSE(holder.MeasureIcon());
    EXPECT_EQ(holder.m_nWidth, 5);
    EXPECT_EQ(holder.m_nHeight, 6);
}

uint32_t DibPixel(HBITMAP dib, int x, int y) {
    DIBSECTION ds = {};
    if (GetObjectW(dib, sizeof(ds), &ds) != sizeof(ds) || ds.dsBm.bmBitsPixel != 32) return 0xDEADBEEFu;
    const auto* bits = static_cast<const uint8_t*>(ds.dsBm.bmBits);
    const int row = ds.dsBmih.biHeight > 0 ? ds.dsBm.bmHeight - 1 - y : y;  // bottom-up or top-down
    const auto* p = reinterpret_cast<const uint32_t*>(bits + row * ds.dsBm.bmWidthBytes);
    return p[x] & 0xFFFFFF;
}

TEST(CIconBitmap, LoadsAMenuIconAndDrawsItOnTheMenuColour) {
    CIconBitmap about;
    ASSERT_TRUE(about.Load(IDI_MENU_ABOUT));
    EXPECT_EQ(about.m_nWidth, 16);
    EXPECT_EQ(about.m_nHeight, 16);
    ASSERT_NE(about.m_bitmap, nullptr);
    EXPECT_EQ(about.m_bitmap, about.m_hDib.Get());

    DIBSECTION ds = {};
    ASSERT_EQ(GetObjectW(about.m_hDib, sizeof(ds), &ds), int(sizeof(ds)));  // a DIB section
    EXPECT_EQ(ds.dsBm.bmWidth, 16);
    EXPECT_EQ(ds.dsBm.bmHeight, 16);
    const COLORREF menu = GetSysColor(COLOR_MENU);  // DIB pixels are blue, green, red
    EXPECT_EQ(DibPixel(about.m_hDib, 0, 0), uint32_t(RGB(GetBValue(menu), GetGValue(menu), GetRValue(menu))));
    EXPECT_EQ(DibPixel(about.m_hDib, 7, 10), 0xFFFFFFu);  // the white stem of the "i"
}

TEST(CIconBitmap, MissingResourceLeavesTheHolderEmpty) {
    CIconBitmap holder;
    EXPECT_FALSE(holder.Load(1));
    EXPECT_EQ(holder.m_hIcon.Get(), nullptr);
    EXPECT_EQ(holder.m_bitmap, nullptr);
    EXPECT_EQ(holder.m_hDib.Get(), nullptr);
    EXPECT_EQ(holder.m_nWidth, 0);
    EXPECT_EQ(holder.m_nHeight, 0);

    ASSERT_TRUE(holder.Load(IDI_MENU_QUIT));
    EXPECT_FALSE(holder.Load(1));  // a failed reload drops the earlier picture
    EXPECT_EQ(holder.m_bitmap, nullptr);
    EXPECT_EQ(holder.m_nWidth, 0);
}

}  // namespace
