// The program's own resources: every picture loads at the size its users draw it at, and
// every built-in sound is there as a WAVE file.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "resource.h"

namespace {

SIZE ImageSize(HBITMAP bitmap) {
    BITMAP bm{};
    GetObjectW(bitmap, sizeof(bm), &bm);
    return {bm.bmWidth, bm.bmHeight};
}

// Loaded as the program loads them: at the resource's own size (0 x 0, no flags).
TEST(Resources, PicturesLoadAtTheirOwnSize) {
    const struct {
        int width, height;
        std::initializer_list<int> ids;
    } cases[] = {
        {32, 32, {IDR_MAINFRAME, IDI_INSTANCE_0, IDI_INSTANCE_1, IDI_INSTANCE_2, IDI_INSTANCE_3, IDI_INSTANCE_4,
                  IDI_STATUS_ERROR, IDI_STATUS_CHECKING, IDI_STATUS_DISABLED}},
        {7, 256, {IDI_GRIP_ROW}},
        {256, 7, {IDI_GRIP_COLUMN}},
        {64, 64, {IDI_DEFAULT_PICTURE, IDI_DEFAULT_PICTURE_BW}},
        {16, 16, {IDI_BUTTON_TEST_SOUND, IDI_BUTTON_OK, IDI_BUTTON_CANCEL, IDI_BUTTON_APPLY, IDI_SEND_MESSAGE,
                  IDI_MENU_OPTIONS, IDI_MENU_ABOUT, IDI_MENU_HELP, IDI_MENU_SHOW, IDI_MENU_QUIT, IDI_MENU_MODE_MARK,
                  IDI_MENU_ENABLE_ALL, IDI_MENU_DISABLE_ALL, IDI_MENU_LOGS, IDI_MENU_ADD_MONITOR,
                  IDI_MENU_EDIT_MONITOR, IDI_MENU_DELETE_MONITOR, IDI_MENU_CUSTOMIZE, IDI_MENU_DUPLICATE,
                  IDI_MENU_MESSAGE_BOXES, IDI_MENU_USER_COMMAND, IDI_MENU_ALL_NOTIF, IDI_MENU_RESET_POSITION,
                  IDI_MENU_RESTORE_CONFIG, IDI_MENU_BACKUP_CONFIG, IDI_MENU_MOVE_DOWN, IDI_MENU_MOVE_LEFT,
                  IDI_MENU_MOVE_RIGHT, IDI_MENU_MOVE_UP, IDI_MENU_TRACE_ROUTE, IDI_MENU_WEB,
                  IDI_MENU_REMOTE_DESKTOP, IDI_MENU_SHARES, IDI_MENU_FTP}},
    };
    HINSTANCE module = GetModuleHandleW(nullptr);
    for (const auto& c : cases)
        for (int id : c.ids) {
            HICON icon = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, 0, 0, 0));
            ICONINFO info{};
            ASSERT_TRUE(icon && GetIconInfo(icon, &info)) << "icon " << id;
            SIZE size = ImageSize(info.hbmColor);
            EXPECT_EQ(size.cx, c.width) << "icon " << id;
            EXPECT_EQ(size.cy, c.height) << "icon " << id;
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
            DestroyIcon(icon);
        }
    for (int id : {IDB_MENU_RESET_CONFIG, IDB_MENU_PING, IDB_MENU_DISABLE_FILES}) {
        HBITMAP bitmap = LoadBitmapW(module, MAKEINTRESOURCEW(id));
        ASSERT_NE(bitmap, nullptr) << "bitmap " << id;
        EXPECT_EQ(ImageSize(bitmap).cx, 16) << "bitmap " << id;
        EXPECT_EQ(ImageSize(bitmap).cy, 16) << "bitmap " << id;
        DeleteObject(bitmap);
    }
    for (const wchar_t* name : {L"IDW_UP", L"IDW_DOWN", L"IDW_COMPERROR", L"IDW_VOLTEST"}) {
        HRSRC found = FindResourceW(module, name, L"WAVE");
        ASSERT_NE(found, nullptr) << name;
        const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
        EXPECT_TRUE(SizeofResource(module, found) > 44 && std::memcmp(data + 8, "WAVE", 4) == 0) << name;
    }
}

}  // namespace
