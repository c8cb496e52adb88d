// The program's own resources: every picture loads at the size its users draw it at, and
// every built-in sound is there as a WAVE file.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <vector>

#include "framework/GdiHandles.h"
#include "resource.h"

namespace {

SIZE ImageSize(HBITMAP bitmap) {
    BITMAP bm{};
    GetObjectW(bitmap, sizeof(bm), &bm);
    return {bm.bmWidth, bm.bmHeight};
}

// Loaded as the program loads them: at the resource's own size (0 x 0, no flags). Every
// icon of the program is found and loaded; those not listed here are 16 x 16.
BOOL CALLBACK CollectIcon(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR ids) {
    if (IS_INTRESOURCE(name)) reinterpret_cast<std::vector<int>*>(ids)->push_back(LOWORD(name));
    return TRUE;
}

TEST(Resources, PicturesLoadAtTheirOwnSize) {
    const struct {
        int width, height;
        std::initializer_list<int> ids;
    } sizes[] = {
        {32, 32, {IDR_MAINFRAME, IDI_ABOUT_PICTURE, IDI_INSTANCE_0, IDI_INSTANCE_1, IDI_INSTANCE_2, IDI_INSTANCE_3, IDI_INSTANCE_4,
                  IDI_STATUS_ERROR, IDI_STATUS_CHECKING, IDI_STATUS_DISABLED}},
        {7, 256, {IDI_GRIP_ROW}},
        {256, 7, {IDI_GRIP_COLUMN}},
        {64, 64, {IDI_DEFAULT_PICTURE, IDI_DEFAULT_PICTURE_BW}},
    };
    HINSTANCE module = GetModuleHandleW(nullptr);
    std::vector<int> ids;
    EnumResourceNamesW(module, RT_GROUP_ICON, CollectIcon, reinterpret_cast<LONG_PTR>(&ids));
    EXPECT_GE(ids.size(), 45u);
    for (int id : ids) {
        SIZE expected = {16, 16};
        for (const auto& c : sizes)
            for (int listed : c.ids)
                if (listed == id) expected = {c.width, c.height};
        const fw::CIcon icon(static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, 0, 0, 0)));
        ICONINFO info{};
        ASSERT_TRUE(icon.Valid() && GetIconInfo(icon, &info)) << "icon " << id;
        const fw::CBitmap colour(info.hbmColor), mask(info.hbmMask);
        SIZE size = ImageSize(info.hbmColor);
        EXPECT_TRUE(size.cx == expected.cx && size.cy == expected.cy) << "icon " << id;
    }
    for (int id : {IDB_MENU_RESET_CONFIG, IDB_MENU_PING, IDB_MENU_DISABLE_FILES}) {
        const fw::CBitmap bitmap(LoadBitmapW(module, MAKEINTRESOURCEW(id)));
        ASSERT_TRUE(bitmap.Valid()) << "bitmap " << id;
        EXPECT_EQ(ImageSize(bitmap).cx, 16) << "bitmap " << id;
        EXPECT_EQ(ImageSize(bitmap).cy, 16) << "bitmap " << id;
    }
    for (const wchar_t* name : {L"IDW_UP", L"IDW_DOWN", L"IDW_COMPERROR", L"IDW_VOLTEST"}) {
        HRSRC found = FindResourceW(module, name, L"WAVE");
        ASSERT_NE(found, nullptr) << name;
        const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
        EXPECT_TRUE(SizeofResource(module, found) > 44 && std::memcmp(data + 8, "WAVE", 4) == 0) << name;
    }
}

}  // namespace
