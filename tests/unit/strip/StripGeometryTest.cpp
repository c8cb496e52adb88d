#include <gtest/gtest.h>

#include "app/StripGeometry.h"

namespace {

struct SizeCase {
    const char* name;
    StripShape shape;
    int width;
    int height;
};

TEST(StripWindowSize, FollowsBoxCountSizeAndOrientation) {
    const SizeCase cases[] = {
        {"three in a row", {3, true, 110, 90}, 341, 92},
        {"three in a column", {3, false, 110, 90}, 112, 281},
        {"one smallest box in a row", {1, true, 60, 60}, 69, 62},
        {"one smallest box in a column", {1, false, 60, 60}, 62, 69},
        {"seventy largest in a row", {70, true, 200, 150}, 14078, 152},
        {"seventy largest in a column", {70, false, 200, 150}, 202, 10578},
        {"no boxes in a row", {0, true, 110, 90}, 8, 92},
    };
    for (const auto& c : cases) {
        SIZE size = StripWindowSize(c.shape);
        EXPECT_EQ(size.cx, c.width) << c.name;
        EXPECT_EQ(size.cy, c.height) << c.name;
    }
}

struct RectCase {
    const char* name;
    StripShape shape;
    int box;
    RECT expected;
};

TEST(StripBoxRect, PlacesEachBoxAfterGripAndSeparators) {
    const RectCase cases[] = {
        {"row box 1", {3, true, 110, 90}, 1, {8, 1, 118, 91}},
        {"row box 2", {3, true, 110, 90}, 2, {119, 1, 229, 91}},
        {"row box 3", {3, true, 110, 90}, 3, {230, 1, 340, 91}},
        {"column box 1", {3, false, 110, 90}, 1, {1, 8, 111, 98}},
        {"column box 3", {3, false, 110, 90}, 3, {1, 190, 111, 280}},
        {"small row box 2", {2, true, 60, 89}, 2, {69, 1, 129, 90}},
    };
    for (const auto& c : cases) {
        RECT r = StripBoxRect(c.shape, c.box);
        EXPECT_EQ(r.left, c.expected.left) << c.name;
        EXPECT_EQ(r.top, c.expected.top) << c.name;
        EXPECT_EQ(r.right, c.expected.right) << c.name;
        EXPECT_EQ(r.bottom, c.expected.bottom) << c.name;
        EXPECT_EQ(r.right - r.left, c.shape.xBox) << c.name;
        EXPECT_EQ(r.bottom - r.top, c.shape.yBox) << c.name;
    }
}

TEST(StripBoxRect, BoxesLeaveOnePixelSeparatorsAndStayInsideFrame) {
    for (bool row : {true, false}) {
        StripShape shape = {5, row, 73, 64};
        SIZE window = StripWindowSize(shape);
        for (int n = 1; n <= shape.numBox; ++n) {
            RECT r = StripBoxRect(shape, n);
            StripLine sep = StripSeparatorAfterBox(shape, n);
            if (row) {
                EXPECT_EQ(sep.from.x, r.right) << "separator right after box " << n;
                EXPECT_LT(r.right, window.cx);
            } else {
                EXPECT_EQ(sep.from.y, r.bottom) << "separator right after box " << n;
                EXPECT_LT(r.bottom, window.cy);
            }
            if (n > 1) {
                RECT previous = StripBoxRect(shape, n - 1);
                EXPECT_EQ(row ? r.left - previous.right : r.top - previous.bottom, 1);
            }
        }
        StripLine last = StripSeparatorAfterBox(shape, shape.numBox);
        // The last separator lies on the frame's far edge.
        EXPECT_EQ(row ? last.from.x : last.from.y, (row ? window.cx : window.cy) - 1);
    }
}

TEST(StripSeparators, RunAcrossTheWholeStrip) {
    StripShape row = {3, true, 110, 90};
    StripLine s = StripSeparatorAfterBox(row, 1);
    EXPECT_EQ(s.from.x, 118);
    EXPECT_EQ(s.from.y, 0);
    EXPECT_EQ(s.to.x, 118);
    EXPECT_EQ(s.to.y, 91);
    StripLine grip = StripGripSeparator(row);
    EXPECT_EQ(grip.from.x, 7);
    EXPECT_EQ(grip.from.y, 0);
    EXPECT_EQ(grip.to.x, 7);
    EXPECT_EQ(grip.to.y, 91);

    StripShape column = {3, false, 110, 90};
    s = StripSeparatorAfterBox(column, 2);
    EXPECT_EQ(s.from.x, 0);
    EXPECT_EQ(s.from.y, 189);
    EXPECT_EQ(s.to.x, 111);
    EXPECT_EQ(s.to.y, 189);
    grip = StripGripSeparator(column);
    EXPECT_EQ(grip.from.y, 7);
    EXPECT_EQ(grip.to.x, 111);
    EXPECT_EQ(grip.to.y, 7);
}

struct HitCase {
    const char* name;
    StripShape shape;
    POINT point;
    int box;
};

TEST(StripBoxAtPoint, FindsGripOrBox) {
    const StripShape row = {3, true, 110, 90};
    const StripShape column = {3, false, 110, 90};
    const HitCase cases[] = {
        {"row grip start", row, {0, 40}, 0},
        {"row grip end", row, {6, 40}, 0},
        {"row grip separator belongs to box 1", row, {7, 40}, 1},
        {"row box 1 first pixel", row, {8, 40}, 1},
        {"row box 1 last pixel", row, {117, 40}, 1},
        {"row separator after box 1", row, {118, 40}, 2},
        {"row box 2", row, {119, 40}, 2},
        {"row box 3 last pixel", row, {339, 40}, 3},
        {"row frame", row, {340, 40}, 3},
        {"row beyond the last box", row, {900, 40}, 3},
        {"row ignores y", row, {50, 500}, 1},
        {"column grip", column, {60, 3}, 0},
        {"column box 1", column, {60, 97}, 1},
        {"column box 2", column, {60, 99}, 2},
        {"column ignores x", column, {500, 200}, 3},
        {"no boxes", {0, true, 110, 90}, {50, 40}, 0},
        {"negative point", row, {-5, 40}, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(StripBoxAtPoint(c.shape, c.point), c.box) << c.name;
}

}  // namespace
