// The data folder tree: its paths for each instance, and the "APPDATA" it is built from.
#include <gtest/gtest.h>

#include <string>
#include <windows.h>

#include "model/DataFolders.h"
#include "support/ScopedAppData.h"

namespace {

TEST(DataFolders, InstancesShareTheTreeButNotTheirMainFile) {
    DataFolders f = MakeDataFolders(L"D:\\x", 3);
    EXPECT_EQ(f.mainIni, L"D:\\x\\Carrowmede\\Orvalen\\MainConfDID1.ini");
    EXPECT_EQ(f.logs, L"D:\\x\\Carrowmede\\Orvalen\\Logs\\");
    const wchar_t* names[] = {L"MainConfAID1.ini", L"MainConfBID1.ini", L"MainConfCID1.ini", L"MainConfDID1.ini",
                              L"MainConfEID1.ini", L"MainConfAID1.ini", L"MainConfAID1.ini"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(MainConfigFileName(i < 6 ? i : -1), names[i]) << i;
}

TEST(DataFolders, AppDataMustBeSetAndLeaveRoomForTheLongestFile) {
    // The longest file of the tree is a default picture: root + 60 characters.
    const size_t longestTail = std::wstring(L"\\Carrowmede\\Orvalen\\Pictures\\1274607096_Desktop_bw.ico").size();
    const std::wstring fits = L"C:\\" + std::wstring(MAX_PATH - 1 - longestTail - 3, L'a'), tooLong = fits + L"a",
                       over260 = L"C:\\" + std::wstring(257, L'a');
    const struct {
        const wchar_t* value;
        AppDataResult result;
    } cases[] = {
        {L"C:\\data", AppDataResult::Ok},
        {nullptr, AppDataResult::Missing},
        {L"", AppDataResult::Missing},
        {fits.c_str(), AppDataResult::Ok},
        {tooLong.c_str(), AppDataResult::TooLong},
        {over260.c_str(), AppDataResult::TooLong},  // 260 characters
    };
    for (const auto& c : cases) {
        CScopedAppData set(c.value);
        std::wstring value = L"old";
        EXPECT_EQ(ReadAppDataFolder(value), c.result) << (c.value ? c.value : L"(unset)");
        if (c.result == AppDataResult::Ok) {
            EXPECT_EQ(value, c.value);
        }
    }
}

}  // namespace
