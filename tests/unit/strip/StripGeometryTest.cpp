// Where the strip's parts lie, in client pixels: the screen tests read the drawing at
// these places, the box menu and double-click find their box through them.
#include <gtest/gtest.h>

#include "app/StripGeometry.h"
#include "support/RectText.h"

namespace {

const StripShape kRow = {3, true, 110, 90}, kColumn = {3, false, 110, 90};

TEST(StripGeometry, WindowSizeFollowsCountSizeAndOrientation) {
    const struct {
        StripShape shape;
        int width, height;
    } cases[] = {
        {kRow, 341, 92},         {kColumn, 112, 281},        {{1, true, 60, 60}, 69, 62},
        {{1, false, 60, 60}, 62, 69}, {{70, true, 200, 150}, 14078, 152}, {{70, false, 200, 150}, 202, 10578},
        {{0, true, 110, 90}, 8, 92},
    };
    for (const auto& c : cases) {
        SIZE size = StripWindowSize(c.shape);
        EXPECT_EQ(size.cx, c.width) << c.shape.numBox << (c.shape.row ? " in a row" : " in a column");
        EXPECT_EQ(size.cy, c.height) << c.shape.numBox << (c.shape.row ? " in a row" : " in a column");
    }
}

// Any non-zero WinPos is a row; a file may hold values the program never writes.
TEST(StripGeometry, ShapeComesFromTheWindowSettings) {
    const struct {
        int winPos;
        bool row;
    } cases[] = {{1, true}, {0, false}, {2, true}, {-1, true}};
    for (const auto& c : cases) {
        MainSettings settings;
        settings.XBox = 120;
        settings.YBox = 70;
        settings.WinPos = c.winPos;
        const StripShape shape = StripShapeOf(settings, 4);
        EXPECT_EQ(shape.row, c.row) << c.winPos;
        EXPECT_EQ(StripWindowSize(shape).cx, c.row ? 492 : 122) << c.winPos;
        EXPECT_EQ(StripWindowSize(shape).cy, c.row ? 72 : 292) << c.winPos;
    }
}

// Box n: its rectangle and the separator after it (n 0: the grip's separator).
TEST(StripGeometry, BoxesAndSeparatorsFollowTheGrip) {
    const struct {
        StripShape shape;
        int n;
        const char *box, *separator;
    } cases[] = {
        {kRow, 0, "", "7,0 7,91"},
        {kRow, 1, "8,1,118,91", "118,0 118,91"},
        {kRow, 2, "119,1,229,91", "229,0 229,91"},
        {kRow, 3, "230,1,340,91", "340,0 340,91"},  // on the frame
        {kColumn, 0, "", "0,7 111,7"},
        {kColumn, 1, "1,8,111,98", "0,98 111,98"},
        {kColumn, 2, "1,99,111,189", "0,189 111,189"},
        {kColumn, 3, "1,190,111,280", "0,280 111,280"},
        {{2, true, 60, 89}, 2, "69,1,129,90", "129,0 129,90"},
    };
    for (const auto& c : cases) {
        const std::string at = std::string(c.shape.row ? "row " : "column ") + std::to_string(c.n);
        EXPECT_EQ(c.n > 0 ? RectText(StripBoxRect(c.shape, c.n)) : "", c.box) << at;
        StripLine s = c.n > 0 ? StripSeparatorAfterBox(c.shape, c.n) : StripGripSeparator(c.shape);
        EXPECT_EQ(PointText(s.from) + " " + PointText(s.to), c.separator) << at;
    }
}

TEST(StripGeometry, BoxAtPointIsTheGripOrABox) {
    const struct {
        const char* name;
        StripShape shape;
        POINT point;
        int box;
    } cases[] = {
        {"row grip start", kRow, {0, 40}, 0},
        {"row grip end", kRow, {6, 40}, 0},
        {"row grip separator belongs to box 1", kRow, {7, 40}, 1},
        {"row box 1 last pixel", kRow, {117, 40}, 1},
        {"row separator after box 1", kRow, {118, 40}, 2},
        {"row box 3 last pixel", kRow, {339, 40}, 3},
        {"row beyond the last box", kRow, {900, 40}, 3},
        {"row ignores y", kRow, {50, 500}, 1},
        {"column grip", kColumn, {60, 3}, 0},
        {"column box 1", kColumn, {60, 97}, 1},
        {"column box 2", kColumn, {60, 99}, 2},
        {"column ignores x", kColumn, {500, 200}, 3},
        {"no boxes", {0, true, 110, 90}, {50, 40}, 0},
        {"negative point", kRow, {-5, 40}, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(StripBoxAtPoint(c.shape, c.point), c.box) << c.name;
}

}  // namespace
