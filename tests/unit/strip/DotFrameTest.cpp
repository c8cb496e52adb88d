// The dotted marker lines on a real device context: where they land, that their
// last point is drawn, and that nothing else is touched.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/DotFrame.h"
#include "model/IconFile.h"

namespace {

constexpr COLORREF kMarker = RGB(154, 1, 39);
constexpr int kSize = 8;

// An 8 x 8 white canvas in a memory DC, read back pixel by pixel.
class Canvas {
public:
    Canvas() {
        BITMAPINFO info = TopDown32BitInfo(kSize, kSize);
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
        m_old = SelectObject(m_dc, m_bitmap);
        for (int i = 0; i < kSize * kSize; ++i) m_bits[i] = 0x00FFFFFF;
    }
    ~Canvas() {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    HDC dc() const { return m_dc; }
    COLORREF At(int x, int y) const {
        GdiFlush();
        DWORD p = m_bits[y * kSize + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    // Every pixel outside `allowed` is still white.
    template <typename Allowed>
    void ExpectOnlyOn(Allowed allowed, const char* what) const {
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                if (!allowed(x, y)) {
                    EXPECT_EQ(At(x, y), RGB(255, 255, 255)) << what << " at " << x << "," << y;
                }
    }

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    DWORD* m_bits = nullptr;
};

// Three pixels long: the first and the last pixel of a dotted line are on whatever the
// dot pattern, so both ends can be seen.
TEST(DotFrame, RightEdgeIsTheVerticalLineFromTopToBottomInclusive) {
    Canvas canvas;
    RECT r = {0, 2, 4, 4};
    CDotFrame().DrawRightEdge(canvas.dc(), &r, kMarker);
    EXPECT_EQ(canvas.At(4, 2), kMarker);
    EXPECT_EQ(canvas.At(4, 4), kMarker);
    canvas.ExpectOnlyOn([](int x, int y) { return x == 4 && y >= 2 && y <= 4; }, "right edge");
}

TEST(DotFrame, BottomEdgeIsTheHorizontalLineFromLeftToRightInclusive) {
    Canvas canvas;
    RECT r = {1, 0, 3, 5};
    CDotFrame().DrawBottomEdge(canvas.dc(), &r, kMarker);
    EXPECT_EQ(canvas.At(1, 5), kMarker);
    EXPECT_EQ(canvas.At(3, 5), kMarker);
    canvas.ExpectOnlyOn([](int x, int y) { return y == 5 && x >= 1 && x <= 3; }, "bottom edge");
}

TEST(DotFrame, LeadingLineOfABoxIsItsFirstColumn) {
    // The insertion mark before box 1 of a row: right = 0, from the top to YBox - 1.
    Canvas canvas;
    RECT r = {0, 0, 0, 2};
    CDotFrame().DrawRightEdge(canvas.dc(), &r, kMarker);
    EXPECT_EQ(canvas.At(0, 0), kMarker);
    EXPECT_EQ(canvas.At(0, 2), kMarker);
    canvas.ExpectOnlyOn([](int x, int y) { return x == 0 && y <= 2; }, "leading line");
}

TEST(DotFrame, RectRunsOnTheOutermostPixelsOnly) {
    Canvas canvas;
    RECT r = {1, 1, 6, 6};
    CDotFrame().DrawRect(canvas.dc(), &r, kMarker);
    EXPECT_EQ(canvas.At(1, 1), kMarker);  // every side starts on a corner
    EXPECT_EQ(canvas.At(6, 1), kMarker);
    EXPECT_EQ(canvas.At(6, 6), kMarker);
    EXPECT_EQ(canvas.At(1, 6), kMarker);
    int marked = 0;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            if (canvas.At(x, y) == kMarker) ++marked;
    EXPECT_LT(marked, 20) << "dotted, not solid";
    canvas.ExpectOnlyOn(
        [](int x, int y) {
            if (x == 1 || x == 6) return y >= 1 && y <= 6;
            return (y == 1 || y == 6) && x >= 1 && x <= 6;
        },
        "frame");
}

}  // namespace
