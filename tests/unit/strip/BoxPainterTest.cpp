// The one box painter on a bitmap, without a screen: the background by status, and text
// where the box's texts go (and none where they do not).
#include <gtest/gtest.h>

#include <string>
#include <windows.h>

#include "model/MonitorTypes.h"
#include "ui/BoxPainter.h"
#include "support/Canvas.h"

namespace {

constexpr int kWidth = 120, kHeight = 100;
constexpr COLORREF kCanvas = RGB(1, 2, 3);

constexpr COLORREF kBoxUp = RGB(0, 128, 0), kBoxDown = RGB(200, 0, 0);
constexpr COLORREF kTextUp = RGB(255, 255, 0), kTextDown = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A 100 x 60 strip box (small layout) with two lines on: the lines take the rows above
// 23, a caption starts at 23, the name is in the band from 46.
TEST(PaintBox, StripBoxBackgroundAndTextsByStatus) {
    const struct {
        int status;
        const wchar_t* name;
        COLORREF background;
        bool caption;
    } cases[] = {
        {MON_UP, L"host", kBoxUp, false},
        {MON_DOWN, L"host", kBoxDown, false},
        {MON_CLOSED, L"host", kBoxDown, false},
        {MON_ERROR, L"host", kWhite, true},
        {MON_ADDR_ERROR, L"host", kWhite, true},
        {MON_CHECKING, L"host", kWhite, true},
        {MON_DISABLED, L"host", kWhite, true},
        {MON_UP, L"", kBoxUp, false},  // no name: nothing drawn in its band
    };
    const CBoxFontSet fonts;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status);
        SCOPED_TRACE(c.name);
        const BoxLayout layout = MakeBoxLayout(100, 60, 2);
        const BoxColours colours = BoxColoursFor(c.status, kBoxUp, kBoxDown, kTextUp, kTextDown);
        const std::vector<std::wstring> lines = {L"10.0.0.1", L"Method: Ping IPv4"};
        CTestCanvas canvas(kWidth, kHeight, kCanvas);
        PaintBox(canvas.dc(),
                 StripBoxContent(layout, 100, 60, colours, {}, c.name, BoxCaption(c.status, METHOD_PING), lines),
                 fonts.For(layout.large));

        EXPECT_EQ(canvas.At(0, 0), c.background);
        EXPECT_EQ(canvas.At(99, 59), c.background);
        EXPECT_EQ(canvas.At(100, 30), kCanvas) << "nothing beyond the box";
        EXPECT_GT(canvas.OtherThan(c.background, 0, 100, 0, 22), 0) << "information lines";
        EXPECT_EQ(canvas.OtherThan(c.background, 0, 100, 23, 40) > 0, c.caption) << "caption";
        EXPECT_EQ(canvas.OtherThan(c.background, 0, 100, 46, 60) > 0, c.name[0] != 0) << "name";
    }
}

// The preview's boxes lie inside the dialog: the painter stays inside the box it is
// given and places the texts by that box.
TEST(PaintBox, PreviewBoxStaysInItsPlace) {
    const CBoxFontSet fonts;
    CTestCanvas canvas(kWidth, kHeight, kCanvas);
    PreviewBox box = {};
    box.inner = {20, 10, 100, 70};
    box.address = {20, 9, 100, 24};
    box.method = {20, 19, 100, 31};
    box.picture = {20, 32, 100, 57};
    box.name = {20, 56, 100, 70};
    PaintBox(canvas.dc(), PreviewBoxContent(box, {kBoxDown, kTextDown}, nullptr, {}, L"host", L"", L"Method: Ping"),
             fonts.For(false));
    EXPECT_EQ(canvas.At(19, 40), kCanvas);
    EXPECT_EQ(canvas.At(20, 10), kBoxDown);
    EXPECT_EQ(canvas.At(99, 69), kBoxDown);
    EXPECT_EQ(canvas.At(100, 69), kCanvas);
    EXPECT_EQ(canvas.OtherThan(kBoxDown, 20, 100, 10, 19), 0) << "an empty address draws nothing";
    EXPECT_GT(canvas.OtherThan(kBoxDown, 20, 100, 20, 31), 0) << "method line";
    EXPECT_EQ(canvas.OtherThan(kBoxDown, 20, 100, 32, 56), 0) << "no picture";
    EXPECT_GT(canvas.OtherThan(kBoxDown, 20, 100, 57, 70), 0) << "name";
}

}  // namespace
