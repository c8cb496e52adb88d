#include <gtest/gtest.h>

#include <algorithm>

#include "model/SettingKeys.h"
#include "model/SkinFiles.h"
#include "support/TempFiles.h"

namespace {
bool SameLook(const SkinLook& a, const SkinLook& b) {
    return a.picFileUp == b.picFileUp && a.picFileDown == b.picFileDown && a.boxColorUp == b.boxColorUp &&
           a.boxColorDown == b.boxColorDown && a.textColorUp == b.textColorUp && a.textColorDown == b.textColorDown;
}
}  // namespace

// A skin file gives back the look written into it; each key it lacks reads as the
// fallback's; only ".ini" files are skins.
TEST(SkinFiles, LookRoundTripsMissingKeysFallBackAndOnlyIniFilesAreListed) {
    CTempFolder folder;
    const SkinLook written = {L"a.ico", L"b.ico", 0x010203, 0x040506, 0x070809, 0x0A0B0C};
    const SkinLook fallback = {L"up.ico", L"", 1, 2, 3, 4};
    CIniFile skin;
    skin.SetPath(SkinFilePath(folder.Path(), L"Night"));
    ASSERT_TRUE(WriteSkinLook(skin, written));
    EXPECT_TRUE(SameLook(ReadSkinLook(skin, fallback), written));
    EXPECT_EQ(SkinPredefined(skin), 0u);

    ASSERT_TRUE(WriteBytes(folder.File(L"Pre.ini"), "[skin]\r\nPredefined=1\r\nTextColorUp=255\r\n"));
    skin.SetPath(SkinFilePath(folder.Path(), L"Pre"));
    SkinLook expected = fallback;
    expected.textColorUp = 255;
    EXPECT_TRUE(SameLook(ReadSkinLook(skin, fallback), expected));
    EXPECT_EQ(SkinPredefined(skin), 1u);

    ASSERT_TRUE(WriteBytes(folder.File(L"notes.txt"), "x"));
    CreateDirectoryW(folder.File(L"Folder.ini").c_str(), nullptr);
    std::vector<std::wstring> names = ListSkinNames(folder.Path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Night", L"Pre"}));
}

// The settings that start from the defaults are what a file without the keys reads as.
TEST(SettingDefaults, AreWhatMissingKeysReadAs) {
    CTempFolder folder;
    CIniFile empty;
    empty.SetPath(folder.File(L"empty.ini"));
    MonitorSettings monitorRead;
    ReadSettingKeys(empty, L"Box 1", MonitorKeys(), monitorRead);
    const MonitorSettings monitorDefaults = DefaultMonitorSettings();
    for (const auto& row : MonitorKeys()) EXPECT_TRUE(SettingKeyEqual(row, monitorDefaults, monitorRead)) << row.key;
    MainSettings mainRead;
    mainRead.XBox = mainRead.Volume = 0;  // so that reading must set them
    ReadSettingKeys(empty, L"main", MainKeys(), mainRead);
    const MainSettings mainDefaults;
    for (const auto& row : MainKeys()) EXPECT_TRUE(SettingKeyEqual(row, mainDefaults, mainRead)) << row.key;
}
