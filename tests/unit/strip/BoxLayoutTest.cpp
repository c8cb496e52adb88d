#include <gtest/gtest.h>

#include "app/BoxLayout.h"
#include "model/MonitorTypes.h"

namespace {

void ExpectRect(const RECT& r, int l, int t, int rt, int b, const std::string& what) {
    EXPECT_EQ(r.left, l) << what;
    EXPECT_EQ(r.top, t) << what;
    EXPECT_EQ(r.right, rt) << what;
    EXPECT_EQ(r.bottom, b) << what;
}

struct LayoutCase {
    int yBox;
    bool large;
    int nameBand;
    int lineTop[4];
    int lineBottom[4];
    int pictureTop[5];
    int statusTop;
};

TEST(BoxLayout, HeightChoosesLargeOrSmallTable) {
    const LayoutCase cases[] = {
        {60, false, 14, {-1, 9, 19, 29}, {11, 22, 31, 41}, {1, 11, 22, 32, 41}, 37},
        {89, false, 14, {-1, 9, 19, 29}, {11, 22, 31, 41}, {1, 11, 22, 32, 41}, 37},
        {90, true, 18, {-1, 11, 23, 35}, {13, 25, 37, 49}, {1, 13, 25, 37, 49}, 40},
        {150, true, 18, {-1, 11, 23, 35}, {13, 25, 37, 49}, {1, 13, 25, 37, 49}, 40},
    };
    const int xBox = 110;
    for (const auto& c : cases) {
        const std::string at = "YBox " + std::to_string(c.yBox);
        for (int k = 0; k <= 4; ++k) {
            BoxLayout layout = MakeBoxLayout(xBox, c.yBox, k);
            EXPECT_EQ(layout.large, c.large) << at;
            EXPECT_EQ(layout.nameBand, c.nameBand) << at;
            ExpectRect(layout.nameRect, 0, c.yBox - c.nameBand, xBox, c.yBox, at + " name");
            ExpectRect(layout.captionRect, 0, 23, xBox, c.yBox, at + " caption");
            for (int i = 0; i < 4; ++i)
                ExpectRect(layout.lineRects[i], 0, c.lineTop[i], xBox, c.lineBottom[i],
                           at + " line " + std::to_string(i + 1));
            ExpectRect(layout.pictureRect, 0, c.pictureTop[k], xBox, c.yBox - c.nameBand,
                       at + " picture, lines on " + std::to_string(k));
            ExpectRect(layout.statusPictureRect, 0, c.statusTop, xBox, c.yBox - c.nameBand, at + " status");
        }
    }
}

struct FitCase {
    const char* name;
    int w, h;
    RECT area;
    RECT expected;
};

TEST(FitPicture, ScalesSquaresCutsOthersAndCentres) {
    const FitCase cases[] = {
        {"64 square, four lines on in 110x90", 64, 64, {0, 49, 110, 72}, {44, 49, 67, 72}},
        {"64 square, no lines in 110x90", 64, 64, {0, 1, 110, 72}, {20, 1, 91, 72}},
        {"32 square grows to the area", 32, 32, {0, 40, 110, 72}, {39, 40, 71, 72}},
        {"square in a tall area is as wide as it", 64, 64, {0, 0, 40, 100}, {0, 30, 40, 70}},
        {"wide picture is cut, not scaled", 100, 20, {0, 0, 60, 46}, {0, 13, 60, 33}},
        {"small non-square stays its size", 16, 24, {0, 1, 110, 72}, {47, 24, 63, 48}},
        {"odd width rounds toward zero", 21, 20, {0, 0, 110, 72}, {45, 26, 66, 46}},
        {"unmeasured picture (0x0) fills the square", 0, 0, {0, 49, 110, 72}, {44, 49, 67, 72}},
        {"empty area", 64, 64, {0, 72, 110, 72}, {0, 72, 0, 72}},
    };
    for (const auto& c : cases) {
        RECT r = FitPicture(c.w, c.h, c.area);
        ExpectRect(r, c.expected.left, c.expected.top, c.expected.right, c.expected.bottom, c.name);
    }
}

}  // namespace

namespace {

struct PictureCase {
    int status;
    int picTypeUp;
    int picTypeDown;
    BoxPicture picture;
};

TEST(BoxPictureFor, ChoosesByStatusAndSwitches) {
    const PictureCase cases[] = {
        {MON_UP, 1, 1, BoxPicture::Up},           {MON_UP, 0, 1, BoxPicture::None},
        {MON_DOWN, 1, 1, BoxPicture::Down},       {MON_CLOSED, 0, 1, BoxPicture::Down},
        {MON_DOWN, 1, 0, BoxPicture::None},       {MON_ERROR, 1, 1, BoxPicture::Error},
        {MON_ADDR_ERROR, 0, 1, BoxPicture::Error}, {MON_CHECKING, 1, 1, BoxPicture::Checking},
        {MON_DISABLED, 1, 1, BoxPicture::Disabled},
        // The status pictures follow the Down switch.
        {MON_CHECKING, 1, 0, BoxPicture::None},   {MON_DISABLED, 1, 2, BoxPicture::None},
        {0, 1, 1, BoxPicture::None},              {3, 1, 1, BoxPicture::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BoxPictureFor(c.status, c.picTypeUp, c.picTypeDown), c.picture)
            << c.status << " " << c.picTypeUp << c.picTypeDown;
}

struct MarkerCase {
    const char* name;
    int nBox, insertMark, menuOpen, menuBox;
    BoxMarker marker;
};

TEST(BoxMarkerFor, FramesTheMenuBoxOrMarksWhereTheNewBoxGoes) {
    const MarkerCase cases[] = {
        {"menu closed", 2, 0, 0, 2, BoxMarker::None},
        {"menu open on this box", 2, 0, 1, 2, BoxMarker::Frame},
        {"menu open on another box", 3, 0, 1, 2, BoxMarker::None},
        {"menu open on the grip", 1, 0, 1, 0, BoxMarker::None},
        {"add after this box", 2, 1, 1, 2, BoxMarker::TrailingLine},
        {"add after another box", 1, 1, 1, 2, BoxMarker::None},
        {"add from the grip, box 1", 1, 1, 1, 0, BoxMarker::LeadingLine},
        {"add from the grip, box 2", 2, 1, 1, 0, BoxMarker::None},
        {"add mark but menu closed", 2, 1, 0, 2, BoxMarker::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BoxMarkerFor(c.nBox, c.insertMark, c.menuOpen, c.menuBox), c.marker) << c.name;
}

}  // namespace
