#include <gtest/gtest.h>

#include <string>
#include <windows.h>

#include "app/DataFolders.h"
#include "support/TempFiles.h"

namespace {

TEST(MainConfigFileName, OneLetterPerInstance) {
    EXPECT_EQ(MainConfigFileName(0), L"MainConfAID1.ini");
    EXPECT_EQ(MainConfigFileName(1), L"MainConfBID1.ini");
    EXPECT_EQ(MainConfigFileName(2), L"MainConfCID1.ini");
    EXPECT_EQ(MainConfigFileName(3), L"MainConfDID1.ini");
    EXPECT_EQ(MainConfigFileName(4), L"MainConfEID1.ini");
    EXPECT_EQ(MainConfigFileName(5), L"MainConfAID1.ini");
    EXPECT_EQ(MainConfigFileName(-1), L"MainConfAID1.ini");
}

TEST(MakeDataFolders, BuildsTheTreeUnderAppData) {
    DataFolders f = MakeDataFolders(L"C:\\users\\u\\AppData\\Roaming", 3);
    const std::wstring base = L"C:\\users\\u\\AppData\\Roaming\\Carrowmede\\Orvalen";
    EXPECT_EQ(f.company, L"C:\\users\\u\\AppData\\Roaming\\Carrowmede");
    EXPECT_EQ(f.base, base);
    EXPECT_EQ(f.mainIni, base + L"\\MainConfDID1.ini");
    EXPECT_EQ(f.menuIni, base + L"\\MenuConf.ini");
    EXPECT_EQ(f.defaultSkin, base + L"\\Skins\\Default.ini");
    EXPECT_EQ(f.pictures, base + L"\\Pictures\\");
    EXPECT_EQ(f.skins, base + L"\\Skins\\");
    EXPECT_EQ(f.logs, base + L"\\Logs\\");
}

TEST(MakeDataFolders, InstancesShareAllButTheirMainFile) {
    DataFolders a = MakeDataFolders(L"D:\\x", 0);
    DataFolders e = MakeDataFolders(L"D:\\x", 4);
    EXPECT_NE(a.mainIni, e.mainIni);
    EXPECT_EQ(a.menuIni, e.menuIni);
    EXPECT_EQ(a.pictures, e.pictures);
    EXPECT_EQ(a.skins, e.skins);
    EXPECT_EQ(a.logs, e.logs);
}

TEST(CheckAppDataFolder, RefusesMissingAndTooLongRoots) {
    EXPECT_EQ(CheckAppDataFolder(L""), AppDataResult::Missing);
    EXPECT_EQ(CheckAppDataFolder(L"C:\\users\\u\\AppData\\Roaming"), AppDataResult::Ok);
    // The longest file of the tree is a default picture: root + 60 characters.
    const size_t longestTail = std::wstring(L"\\Carrowmede\\Orvalen\\Pictures\\1274607096_Desktop_bw.ico").size();
    std::wstring fits = L"C:\\" + std::wstring(MAX_PATH - 1 - longestTail - 3, L'a');
    EXPECT_EQ(CheckAppDataFolder(fits), AppDataResult::Ok);
    EXPECT_EQ(CheckAppDataFolder(fits + L"a"), AppDataResult::TooLong);
    EXPECT_EQ(CheckAppDataFolder(std::wstring(300, L'a')), AppDataResult::TooLong);
}

// Sets "APPDATA" for one test and puts the old value back.
class ScopedAppData {
public:
    explicit ScopedAppData(const wchar_t* value) {
        wchar_t buffer[32768];
        DWORD n = GetEnvironmentVariableW(L"APPDATA", buffer, 32768);
        m_had = n > 0 && n < 32768;
        if (m_had) m_old.assign(buffer, n);
        SetEnvironmentVariableW(L"APPDATA", value);
    }
    ~ScopedAppData() { SetEnvironmentVariableW(L"APPDATA", m_had ? m_old.c_str() : nullptr); }

private:
    bool m_had = false;
    std::wstring m_old;
};

TEST(ReadAppDataFolder, ReadsTheVariable) {
    std::wstring value;
    {
        ScopedAppData set(L"C:\\data");
        EXPECT_EQ(ReadAppDataFolder(value), AppDataResult::Ok);
        EXPECT_EQ(value, L"C:\\data");
    }
    {
        ScopedAppData unset(nullptr);
        EXPECT_EQ(ReadAppDataFolder(value), AppDataResult::Missing);
        EXPECT_TRUE(value.empty());
    }
    {
        ScopedAppData empty(L"");
        EXPECT_EQ(ReadAppDataFolder(value), AppDataResult::Missing);
    }
    {
        std::wstring longValue = L"C:\\" + std::wstring(257, L'a');  // 260 characters
        ScopedAppData tooLong(longValue.c_str());
        EXPECT_EQ(ReadAppDataFolder(value), AppDataResult::TooLong);
        EXPECT_TRUE(value.empty());
    }
}

TEST(CreateDataFolderTree, CreatesEveryFolderAndKeepsWhatIsThere) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring root = std::wstring(temp) + L"orvalen-folders-" + std::to_wstring(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryW(root.c_str(), nullptr));
    DataFolders f = MakeDataFolders(root, 0);
    CreateDataFolderTree(f);
    for (const std::wstring& folder : {f.company, f.base, f.pictures, f.skins, f.logs}) {
        DWORD attributes = GetFileAttributesW(folder.c_str());
        EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES) << folder.c_str();
        EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << folder.c_str();
    }
    // A file already in the tree survives a second creation.
    std::wstring kept = f.pictures + L"kept.ico";
    HANDLE h = CreateFileW(kept.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);
    CreateDataFolderTree(f);
    EXPECT_NE(GetFileAttributesW(kept.c_str()), INVALID_FILE_ATTRIBUTES);

    RemoveTree(root);
}

}  // namespace
