// The main window object without its window: what its constructor builds from "APPDATA"
// and how it loads box pictures.
#include <gtest/gtest.h>

#include <string>
#include <windows.h>

#include "app/MainDlg.h"
#include "framework/GdiHandles.h"
#include "support/ScopedAppData.h"
#include "support/TempFiles.h"

namespace {

// A window object whose records can be freed without a window.
class TestMainDlg : public CMainDlg {
public:
    TestMainDlg() : CMainDlg(nullptr, 0) {}
    ~TestMainDlg() override { OnDestroy(); }
};

// An application-data folder of its own for each test, set as "APPDATA" while it runs.
class MainDlgTest : public ::testing::Test {
protected:
    CTempAppData m_temp;
    const std::wstring m_appData = m_temp.Path();
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
        const fw::CIcon icon(static_cast<HICON>(LoadImageW(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE)));
        ASSERT_TRUE(icon.Valid()) << name;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        const fw::CBitmap colour(info.hbmColor), mask(info.hbmMask);
        EXPECT_NE(info.hbmColor, nullptr) << name;
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
    ASSERT_EQ(dlg.Records().Count(), 2);

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

}  // namespace
