// Inside one box: where lines and pictures go, how a picture is fitted, which picture
// and which marker a box shows.
#include <gtest/gtest.h>

#include "ui/BoxLayout.h"
#include "model/MonitorTypes.h"
#include "support/RectText.h"

namespace {

// Every picture choice of every height: the large table from 90 pixels on.
TEST(BoxLayout, HeightChoosesLargeOrSmallTable) {
    const struct {
        int yBox;
        bool large;
        int nameBand;
        const char* lines;
        int pictureTop[5];  // with 0..4 information lines on
        int statusTop;
    } cases[] = {
        {60, false, 14, "0,-1,110,11 0,9,110,22 0,19,110,31 0,29,110,41", {1, 11, 22, 32, 41}, 37},
        {89, false, 14, "0,-1,110,11 0,9,110,22 0,19,110,31 0,29,110,41", {1, 11, 22, 32, 41}, 37},
        {90, true, 18, "0,-1,110,13 0,11,110,25 0,23,110,37 0,35,110,49", {1, 13, 25, 37, 49}, 40},
        {150, true, 18, "0,-1,110,13 0,11,110,25 0,23,110,37 0,35,110,49", {1, 13, 25, 37, 49}, 40},
    };
    for (const auto& c : cases)
        for (int k = 0; k <= 4; ++k) {
            BoxLayout layout = MakeBoxLayout(110, c.yBox, k);
            const std::string band = std::to_string(c.yBox - c.nameBand), at = std::to_string(c.yBox) + "/" + std::to_string(k);
            EXPECT_EQ(layout.large, c.large) << at;
            EXPECT_EQ(RectText(layout.nameRect), "0," + band + ",110," + std::to_string(c.yBox)) << at;
            EXPECT_EQ(RectText(layout.captionRect), "0,23,110," + std::to_string(c.yBox)) << at;
            std::string lines;
            for (const RECT& line : layout.lineRects) lines += (lines.empty() ? "" : " ") + RectText(line);
            EXPECT_EQ(lines, c.lines) << at;
            EXPECT_EQ(RectText(layout.pictureRect), "0," + std::to_string(c.pictureTop[k]) + ",110," + band) << at;
            EXPECT_EQ(RectText(layout.statusPictureRect), "0," + std::to_string(c.statusTop) + ",110," + band) << at;
        }
}

TEST(FitPicture, ScalesSquaresCutsOthersAndCentres) {
    const struct {
        const char* name;
        int w, h;
        RECT area, expected;
    } cases[] = {
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
    for (const auto& c : cases) EXPECT_EQ(RectText(FitPicture(c.w, c.h, c.area)), RectText(c.expected)) << c.name;
}

TEST(BoxPictureFor, ChoosesByStatusAndSwitches) {
    const struct {
        int status, picTypeUp, picTypeDown;
        BoxPicture picture;
    } cases[] = {
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

TEST(BoxMarkerFor, FramesTheMenuBoxOrMarksWhereTheNewBoxGoes) {
    const struct {
        const char* name;
        int nBox, insertMark, menuOpen, menuBox;
        BoxMarker marker;
    } cases[] = {
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
