// The data folders and the main window object without its window: what its constructor
// builds from "APPDATA" and how it loads box pictures.
#include <gtest/gtest.h>

#include <string>
#include <windows.h>

#include "ui/DataFolders.h"
#include "app/MainDlg.h"
#include "support/TempFiles.h"

namespace {

// A window object whose records can be freed without a window.
class TestMainDlg : public CMainDlg {
public:
    TestMainDlg() : CMainDlg(nullptr, 0) {}
    ~TestMainDlg() override { OnDestroy(); }
};

// An application-data folder of its own for each test, set as "APPDATA".
class MainDlgTest : public ::testing::Test {
protected:
    void SetUp() override { SetEnvironmentVariableW(L"APPDATA", m_appData.c_str()); }

    CTempFolder m_temp;
    const std::wstring m_appData = m_temp.Path().substr(0, m_temp.Path().size() - 1);
    const std::wstring Base = m_appData + L"\\Carrowmede\\Orvalen", Pictures = Base + L"\\Pictures\\";
};

TEST_F(MainDlgTest, FirstStartWritesBothDefaultPicturesAsColourIcons) {
    TestMainDlg dlg;
    ASSERT_TRUE(dlg.HasDataFolder());
    EXPECT_EQ(dlg.MainIniPath(), Base + L"\\MainConfAID1.ini");
    for (const wchar_t* name : {L"1274607096_Desktop.ico", L"1274607096_Desktop_bw.ico"}) {
        std::wstring path = Pictures + name;
        ASSERT_TRUE(FileExists(path)) << name;
        // The file is a loadable colour icon.
        HICON icon = static_cast<HICON>(LoadImageW(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
        ASSERT_NE(icon, nullptr) << name;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        EXPECT_NE(info.hbmColor, nullptr) << name;
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

TEST_F(MainDlgTest, BoxPicturesAreOwnedAndOnlyIcoFilesLoad) {
    for (const std::wstring& folder : {m_appData + L"\\Carrowmede", Base, Pictures})
        CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring ini = L"\xFEFF[main]\r\nNumBox=2\r\nFirstStart=0\r\n"
                             L"[Box 0]\r\nPicFileUp=1274607096_Desktop.ico\r\nPicFileDown=1274607096_Desktop.ico\r\n"
                             L"[Box 1]\r\nPicFileUp=picture.png\r\nPicFileDown=missing.ico\r\n";
    WriteBytes(Base + L"\\MainConfAID1.ini", std::string(reinterpret_cast<const char*>(ini.data()), ini.size() * 2));
    TestMainDlg dlg;
    ASSERT_EQ(dlg.Settings().NumBox, 2);

    // The same file for Up and Down gives two icons of the record's own.
    CMonitorRecord& same = *dlg.Records()[0];
    ASSERT_NE(same.m_hIconUp, nullptr);
    EXPECT_NE(same.m_hIconUp, same.m_hIconDown);
    EXPECT_EQ(same.m_bmUp.bmWidth, 64);
    EXPECT_EQ(same.m_bmUp.bmHeight, 64);
    EXPECT_EQ(dlg.Records()[1]->m_hIconUp, nullptr);    // not ".ico"
    EXPECT_EQ(dlg.Records()[1]->m_hIconDown, nullptr);  // no such file

    // Reloading replaces the pictures and destroys the old ones.
    HICON oldUp = same.m_hIconUp;
    dlg.LoadBoxPictures(0);
    EXPECT_NE(same.m_hIconUp, nullptr);
    ICONINFO info = {};
    EXPECT_FALSE(GetIconInfo(oldUp, &info)) << "the replaced icon is destroyed";
    for (int outside : {-1, 2, 69}) dlg.LoadBoxPictures(outside);  // does nothing
}

TEST(DataFolders, InstancesShareTheTreeButNotTheirMainFile) {
    DataFolders f = MakeDataFolders(L"D:\\x", 3);
    EXPECT_EQ(f.mainIni, L"D:\\x\\Carrowmede\\Orvalen\\MainConfDID1.ini");
    EXPECT_EQ(f.logs, L"D:\\x\\Carrowmede\\Orvalen\\Logs\\");
    const wchar_t* names[] = {L"MainConfAID1.ini", L"MainConfBID1.ini", L"MainConfCID1.ini", L"MainConfDID1.ini",
                              L"MainConfEID1.ini", L"MainConfAID1.ini", L"MainConfAID1.ini"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(MainConfigFileName(i < 6 ? i : -1), names[i]) << i;
}

// Sets "APPDATA" for one check (nullptr: unset) and puts the old value back.
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
        ScopedAppData set(c.value);
        std::wstring value = L"old";
        EXPECT_EQ(ReadAppDataFolder(value), c.result) << (c.value ? c.value : L"(unset)");
        if (c.result == AppDataResult::Ok) {
            EXPECT_EQ(value, c.value);
        }
    }
}

}  // namespace
