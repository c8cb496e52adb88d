// The kept off-screen surface: made again only for another size or after Forget, and
// otherwise the same bitmap with what was drawn on it, at the size asked for.
#include <gtest/gtest.h>

#include <windows.h>

#include "framework/OffscreenSurface.h"

namespace {

constexpr COLORREF kMark = RGB(10, 200, 30);

SIZE SelectedBitmapSize(HDC dc) {
    BITMAP bitmap = {};
    GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof(bitmap), &bitmap);
    return {bitmap.bmWidth, bitmap.bmHeight};
}

TEST(OffscreenSurface, MadeAgainOnlyForAnotherSizeOrAfterForget) {
    const struct {
        const char* step;
        bool forget;
        int width, height;
        bool kept;  // the mark drawn after the step before is still there
    } cases[] = {
        {"first use", false, 200, 150, false},
        {"same size", false, 200, 150, true},
        {"same size again", false, 200, 150, true},
        {"narrower", false, 100, 150, false},
        {"lower", false, 100, 60, false},
        {"larger", false, 300, 200, false},
        {"same size after forget", true, 300, 200, false},
        {"same size once more", false, 300, 200, true},
    };
    const fw::CClientDC screen(nullptr);
    ASSERT_NE(static_cast<HDC>(screen), nullptr);
    fw::COffscreenSurface surface;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        if (c.forget) surface.Forget();
        const HDC dc = surface.Prepare(screen, c.width, c.height);
        ASSERT_NE(dc, nullptr);
        const SIZE size = SelectedBitmapSize(dc);
        EXPECT_EQ(size.cx, c.width);
        EXPECT_EQ(size.cy, c.height);
        EXPECT_EQ(GetPixel(dc, c.width - 1, c.height - 1) == kMark, c.kept);
        SetPixel(dc, c.width - 1, c.height - 1, kMark);
    }
}

}  // namespace
