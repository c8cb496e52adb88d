// The dotted marker lines on a real device context: where they land, that their
// last point is drawn, and that nothing else is touched.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/DotFrame.h"
#include "model/IconFile.h"
#include "support/Canvas.h"

namespace {

constexpr COLORREF kMarker = RGB(154, 1, 39);
constexpr int kSize = 8;

// Each line with the pixels it may touch; both ends (and every corner of a frame) are
// drawn whatever the dot pattern. Three pixels long, so that both ends can be seen.
TEST(DotFrame, LinesLandOnTheirPixelsEndsIncluded) {
    const struct {
        const char* what;
        void (CDotFrame::*draw)(HDC, const RECT*, COLORREF);
        RECT r;
        POINT ends[4];
        bool (*allowed)(int x, int y);
    } cases[] = {
        {"right edge, top to bottom inclusive", &CDotFrame::DrawRightEdge, {0, 2, 4, 4}, {{4, 2}, {4, 4}, {4, 2}, {4, 4}},
         [](int x, int y) { return x == 4 && y >= 2 && y <= 4; }},
        {"bottom edge, left to right inclusive", &CDotFrame::DrawBottomEdge, {1, 0, 3, 5},
         {{1, 5}, {3, 5}, {1, 5}, {3, 5}}, [](int x, int y) { return y == 5 && x >= 1 && x <= 3; }},
        // The insertion mark before box 1 of a row: right = 0, from the top to YBox - 1.
        {"leading line, the first column", &CDotFrame::DrawRightEdge, {0, 0, 0, 2}, {{0, 0}, {0, 2}, {0, 0}, {0, 2}},
         [](int x, int y) { return x == 0 && y <= 2; }},
        {"frame, on the outermost pixels", &CDotFrame::DrawRect, {1, 1, 6, 6}, {{1, 1}, {6, 1}, {6, 6}, {1, 6}},
         [](int x, int y) { return ((x == 1 || x == 6) && y >= 1 && y <= 6) || ((y == 1 || y == 6) && x >= 1 && x <= 6); }},
    };
    for (const auto& c : cases) {
        CTestCanvas canvas(kSize, kSize, RGB(255, 255, 255));
        (CDotFrame().*c.draw)(canvas.dc(), &c.r, kMarker);
        for (POINT end : c.ends) EXPECT_EQ(canvas.At(end.x, end.y), kMarker) << c.what << " at " << end.x << "," << end.y;
        int marked = 0;
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) {
                marked += canvas.At(x, y) == kMarker;
                if (!c.allowed(x, y)) {
                    EXPECT_EQ(canvas.At(x, y), RGB(255, 255, 255)) << c.what << " at " << x << "," << y;
                }
            }
        EXPECT_LT(marked, 20) << c.what << ": dotted, not solid";
    }
}

}  // namespace
