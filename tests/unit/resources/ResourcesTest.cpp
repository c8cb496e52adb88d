// The program's own resources: every picture loads at the size its users expect, the tray
// menu carries its captions and commands, and the built-in sounds have their forms.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <cstring>
#include <string>
#include <vector>

#include "resource.h"

namespace {

SIZE IconSize(HICON icon) {
    SIZE size{0, 0};
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return size;
    BITMAP bm{};
    if (info.hbmColor && GetObjectW(info.hbmColor, sizeof(bm), &bm)) size = {bm.bmWidth, bm.bmHeight};
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return size;
}

struct IconCase {
    int id;
    int width;
    int height;
};

// Loaded as the program loads them: at the resource's own size (0 x 0, no flags).
TEST(Resources, IconsLoadAtTheirOwnSize) {
    const IconCase cases[] = {
        {IDR_MAINFRAME, 32, 32},          {IDI_INSTANCE_0, 32, 32},         {IDI_INSTANCE_1, 32, 32},
        {IDI_INSTANCE_2, 32, 32},         {IDI_INSTANCE_3, 32, 32},         {IDI_INSTANCE_4, 32, 32},
        {IDI_GRIP_ROW, 7, 256},           {IDI_GRIP_COLUMN, 256, 7},        {IDI_STATUS_ERROR, 32, 32},
        {IDI_STATUS_CHECKING, 32, 32},    {IDI_STATUS_DISABLED, 32, 32},    {IDI_DEFAULT_PICTURE, 64, 64},
        {IDI_DEFAULT_PICTURE_BW, 64, 64}, {IDI_BUTTON_TEST_SOUND, 16, 16},  {IDI_BUTTON_OK, 16, 16},
        {IDI_BUTTON_CANCEL, 16, 16},      {IDI_BUTTON_APPLY, 16, 16},       {IDI_SEND_MESSAGE, 16, 16},
        {IDI_MENU_OPTIONS, 16, 16},       {IDI_MENU_ABOUT, 16, 16},         {IDI_MENU_HELP, 16, 16},
        {IDI_MENU_SHOW, 16, 16},          {IDI_MENU_QUIT, 16, 16},          {IDI_MENU_MODE_MARK, 16, 16},
        {IDI_MENU_ENABLE_ALL, 16, 16},    {IDI_MENU_DISABLE_ALL, 16, 16},   {IDI_MENU_LOGS, 16, 16},
        {IDI_MENU_ADD_MONITOR, 16, 16},   {IDI_MENU_EDIT_MONITOR, 16, 16},  {IDI_MENU_DELETE_MONITOR, 16, 16},
        {IDI_MENU_CUSTOMIZE, 16, 16},     {IDI_MENU_DUPLICATE, 16, 16},     {IDI_MENU_MESSAGE_BOXES, 16, 16},
        {IDI_MENU_USER_COMMAND, 16, 16},  {IDI_MENU_ALL_NOTIF, 16, 16},     {IDI_MENU_RESET_POSITION, 16, 16},
        {IDI_MENU_RESTORE_CONFIG, 16, 16}, {IDI_MENU_BACKUP_CONFIG, 16, 16}, {IDI_MENU_MOVE_DOWN, 16, 16},
        {IDI_MENU_MOVE_LEFT, 16, 16},     {IDI_MENU_MOVE_RIGHT, 16, 16},    {IDI_MENU_MOVE_UP, 16, 16},
        {IDI_MENU_TRACE_ROUTE, 16, 16},   {IDI_MENU_WEB, 16, 16},           {IDI_MENU_REMOTE_DESKTOP, 16, 16},
        {IDI_MENU_SHARES, 16, 16},        {IDI_MENU_FTP, 16, 16},
    };
    for (const auto& c : cases) {
        HICON icon = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(c.id), IMAGE_ICON, 0, 0, 0));
        ASSERT_NE(icon, nullptr) << "icon " << c.id;
        SIZE size = IconSize(icon);
        EXPECT_EQ(size.cx, c.width) << "icon " << c.id;
        EXPECT_EQ(size.cy, c.height) << "icon " << c.id;
        DestroyIcon(icon);
    }
}

TEST(Resources, StatusIconsHaveTheSystemIconSize) {
    for (int id : {IDI_STATUS_ERROR, IDI_STATUS_CHECKING, IDI_STATUS_DISABLED}) {
        HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
        ASSERT_NE(icon, nullptr) << id;
        SIZE size = IconSize(icon);
        EXPECT_EQ(size.cx, GetSystemMetrics(SM_CXICON)) << id;
        EXPECT_EQ(size.cy, GetSystemMetrics(SM_CYICON)) << id;
    }
}

TEST(Resources, MenuBitmapsAreSixteenPixelsSquare) {
    for (int id : {IDB_MENU_RESET_CONFIG, IDB_MENU_PING, IDB_MENU_DISABLE_FILES}) {
        HBITMAP bitmap = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
        ASSERT_NE(bitmap, nullptr) << id;
        BITMAP bm{};
        ASSERT_TRUE(GetObjectW(bitmap, sizeof(bm), &bm));
        EXPECT_EQ(bm.bmWidth, 16) << id;
        EXPECT_EQ(bm.bmHeight, 16) << id;
        DeleteObject(bitmap);
    }
}

// One entry of a menu as the test expects it: a command, a separator or a popup by caption.
struct MenuEntry {
    UINT id;              // 0 for separators and popups
    const wchar_t* text;  // nullptr for separators
    bool popup;
};

std::vector<MenuEntry> Flatten(HMENU menu, std::vector<std::wstring>& texts) {
    std::vector<MenuEntry> entries;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = L"";
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 64;
        GetMenuItemInfoW(menu, i, TRUE, &info);
        if (info.fType & MFT_SEPARATOR) {
            entries.push_back({0, nullptr, false});
            continue;
        }
        texts.emplace_back(text);
        if (info.hSubMenu) {
            entries.push_back({0, nullptr, true});
            std::vector<MenuEntry> inner = Flatten(info.hSubMenu, texts);
            entries.insert(entries.end(), inner.begin(), inner.end());
            entries.push_back({0, nullptr, true});  // end of the popup
        } else {
            entries.push_back({info.wID, nullptr, false});
        }
    }
    return entries;
}

TEST(Resources, TrayMenuHasItsCommandsInOrder) {
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_TRAY_MENU));
    ASSERT_NE(menu, nullptr);
    wchar_t title[64] = L"";
    GetMenuStringW(menu, 0, title, 64, MF_BYPOSITION);
    EXPECT_STREQ(title, L"System Tray Menu");
    HMENU popup = GetSubMenu(menu, 0);
    ASSERT_NE(popup, nullptr);

    // Commands with their captions; 0 is a separator, a caption alone opens or closes a popup.
    const MenuEntry expected[] = {
        {32798, L"About...", false},       {32788, L"Help and Support", false}, {0, nullptr, false},
        {32803, L"Always Top", false},     {32799, L"Normal", false},          {32791, L"Always Bottom", false},
        {0, nullptr, false},               {32842, L"Reset Position", false},  {32793, L"Show", false},
        {0, nullptr, false},               {0, L"Disable Notif.", true},       {32876, L"All", false},
        {0, nullptr, false},               {32866, L"Sounds", false},          {32867, L"Msg Boxes", false},
        {32870, L"Files", false},          {0, nullptr, true},                 {32864, L"Enable all Mon.", false},
        {32863, L"Disable all Mon.", false}, {0, nullptr, false},              {32837, L"Logs", false},
        {0, nullptr, false},               {0, L"Config File", true},          {32814, L"Backup", false},
        {32815, L"Restore", false},        {32821, L"Reset", false},           {0, nullptr, true},
        {0, nullptr, false},               {32801, L"Options...", false},      {0, nullptr, false},
        {32795, L"Quit", false},
    };
    std::vector<std::wstring> texts;
    std::vector<MenuEntry> actual = Flatten(popup, texts);
    ASSERT_EQ(actual.size(), sizeof(expected) / sizeof(expected[0]));
    size_t text = 0;
    for (size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].id, expected[i].id) << "entry " << i;
        EXPECT_EQ(actual[i].popup, expected[i].popup) << "entry " << i;
        if (expected[i].text) {
            ASSERT_LT(text, texts.size());
            EXPECT_EQ(texts[text++], expected[i].text) << "entry " << i;
        }
    }
    EXPECT_EQ(text, texts.size());
    DestroyMenu(menu);
}

struct WaveCase {
    const wchar_t* name;
    WORD channels;
    DWORD rate;
    double seconds;
};

TEST(Resources, BuiltInSoundsHaveTheirForms) {
    const WaveCase cases[] = {
        {L"IDW_UP", 1, 44100, 0.44},
        {L"IDW_DOWN", 1, 44100, 0.65},
        {L"IDW_COMPERROR", 1, 44100, 0.50},
        {L"IDW_VOLTEST", 2, 48000, 2.8},
    };
    for (const auto& c : cases) {
        HMODULE module = GetModuleHandleW(nullptr);
        HRSRC found = FindResourceW(module, c.name, L"WAVE");
        ASSERT_NE(found, nullptr) << c.name;
        const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
        DWORD size = SizeofResource(module, found);
        ASSERT_GE(size, 44u) << c.name;
        EXPECT_EQ(std::memcmp(data, "RIFF", 4), 0) << c.name;
        EXPECT_EQ(std::memcmp(data + 8, "WAVEfmt ", 8), 0) << c.name;
        WAVEFORMATEX format{};
        std::memcpy(&format, data + 20, 16);
        EXPECT_EQ(format.wFormatTag, WAVE_FORMAT_PCM) << c.name;
        EXPECT_EQ(format.nChannels, c.channels) << c.name;
        EXPECT_EQ(format.nSamplesPerSec, c.rate) << c.name;
        EXPECT_EQ(format.wBitsPerSample, 16) << c.name;
        ASSERT_EQ(std::memcmp(data + 36, "data", 4), 0) << c.name;
        DWORD dataBytes = 0;
        std::memcpy(&dataBytes, data + 40, 4);
        EXPECT_EQ(dataBytes + 44, size) << c.name;
        double seconds = double(dataBytes) / (c.rate * c.channels * 2);
        EXPECT_NEAR(seconds, c.seconds, 0.02) << c.name;
    }
}

}  // namespace
