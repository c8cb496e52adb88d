// The main window object without its window: what its constructor builds from
// "APPDATA" and how it loads box pictures.
#include <gtest/gtest.h>

#include <string>
#include <windows.h>

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
    void SetUp() override {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, temp);
        static int counter = 0;
        m_appData = std::wstring(temp) + L"OrvalenMainDlg-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                    std::to_wstring(++counter);
        CreateDirectoryW(m_appData.c_str(), nullptr);
        SetEnvironmentVariableW(L"APPDATA", m_appData.c_str());
    }
    void TearDown() override { RemoveTree(m_appData); }

    std::wstring Base() const { return m_appData + L"\\Carrowmede\\Orvalen"; }
    std::wstring Pictures() const { return Base() + L"\\Pictures\\"; }

    // Writes the main configuration file (UTF-16, as the program writes it).
    void WriteMainIni(const std::wstring& text) {
        CreateDirectoryW((m_appData + L"\\Carrowmede").c_str(), nullptr);
        CreateDirectoryW(Base().c_str(), nullptr);
        std::wstring withBom = L"\xFEFF" + text;
        WriteBytes(Base() + L"\\MainConfAID1.ini",
                   std::string(reinterpret_cast<const char*>(withBom.data()), withBom.size() * sizeof(wchar_t)));
    }

    std::wstring m_appData;
};

// A 32 x 32 icon file of one monochrome (1 bit) image.
std::string MonochromeIconFile() {
    std::string bytes;
    auto put16 = [&](unsigned v) { bytes += static_cast<char>(v & 0xFF); bytes += static_cast<char>(v >> 8); };
    auto put32 = [&](unsigned long v) { put16(v & 0xFFFF); put16(v >> 16); };
    const unsigned long imageSize = 40 + 8 + 32 * 4 + 32 * 4;
    put16(0); put16(1); put16(1);
    bytes += static_cast<char>(32); bytes += static_cast<char>(32); bytes += static_cast<char>(2); bytes += '\0';
    put16(1); put16(1); put32(imageSize); put32(22);
    put32(40); put32(32); put32(64); put16(1); put16(1); put32(0); put32(32 * 4 * 2);
    put32(0); put32(0); put32(2); put32(0);
    put32(0x000000); put32(0xFFFFFF);
    for (int row = 0; row < 32; ++row) put32(row % 2 ? 0xFFFFFFFF : 0x0F0F0F0F);  // picture
    for (int row = 0; row < 32; ++row) put32(0);                                    // mask: all opaque
    return bytes;
}

SIZE IconSize(HICON icon) {
    ICONINFO info = {};
    SIZE size = {0, 0};
    if (!GetIconInfo(icon, &info)) return size;
    BITMAP bm = {};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bm), &bm);
    size = {bm.bmWidth, info.hbmColor ? bm.bmHeight : bm.bmHeight / 2};
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return size;
}

TEST_F(MainDlgTest, FirstStartBuildsTheTreeAndWritesBothDefaultPictures) {
    TestMainDlg dlg;
    ASSERT_TRUE(dlg.HasDataFolder());
    EXPECT_EQ(dlg.m_strBaseFolder, Base());
    EXPECT_EQ(dlg.m_strMainIniPath, Base() + L"\\MainConfAID1.ini");
    EXPECT_EQ(dlg.m_strMenuIniPath, Base() + L"\\MenuConf.ini");
    EXPECT_EQ(dlg.m_strDefaultSkinPath, Base() + L"\\Skins\\Default.ini");
    EXPECT_EQ(dlg.m_strPicturesFolder, Pictures());
    EXPECT_EQ(dlg.m_strSkinsFolder, Base() + L"\\Skins\\");
    EXPECT_EQ(dlg.m_strLogsFolder, Base() + L"\\Logs\\");
    EXPECT_EQ(dlg.m_iniMenu.GetPath(), dlg.m_strMenuIniPath);
    EXPECT_EQ(dlg.m_iniDefaultSkin.GetPath(), dlg.m_strDefaultSkinPath);
    for (const wchar_t* folder : {L"\\Skins", L"\\Logs", L"\\Pictures"})
        EXPECT_TRUE(GetFileAttributesW((Base() + folder).c_str()) & FILE_ATTRIBUTE_DIRECTORY);

    for (const wchar_t* name : {L"1274607096_Desktop.ico", L"1274607096_Desktop_bw.ico"}) {
        std::wstring path = Pictures() + name;
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

TEST_F(MainDlgTest, ExistingPictureIsLeftAsItWas) {
    CreateDirectoryW((m_appData + L"\\Carrowmede").c_str(), nullptr);
    CreateDirectoryW(Base().c_str(), nullptr);
    CreateDirectoryW(Pictures().c_str(), nullptr);
    const std::string content = "not the picture the program would write";
    ASSERT_TRUE(WriteBytes(Pictures() + L"1274607096_Desktop.ico", content));
    TestMainDlg dlg;
    EXPECT_EQ(ReadBytes(Pictures() + L"1274607096_Desktop.ico"), content);
    EXPECT_TRUE(FileExists(Pictures() + L"1274607096_Desktop_bw.ico"));
}

TEST_F(MainDlgTest, EachInstanceHasItsOwnMainFile) {
    CMainDlg dlg(nullptr, 3);
    EXPECT_EQ(dlg.m_strMainIniPath, Base() + L"\\MainConfDID1.ini");
    EXPECT_EQ(dlg.m_strMenuIniPath, Base() + L"\\MenuConf.ini");
}

TEST_F(MainDlgTest, FontsComeFromTheMessageFont) {
    TestMainDlg dlg;
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0));
    struct FontCase {
        const char* name;
        HFONT font;
        LONG height, width, weight;
    } const cases[] = {
        {"info small", dlg.m_fontInfoSmall, 12, metrics.lfMessageFont.lfWidth, 400},
        {"info large", dlg.m_fontInfoLarge, 14, metrics.lfMessageFont.lfWidth, 400},
        {"name small", dlg.m_fontNameSmall, 14, 6, 600},
        {"name large", dlg.m_fontNameLarge, 17, 7, 600},
    };
    for (const auto& c : cases) {
        LOGFONTW font = {};
        ASSERT_TRUE(GetObjectW(c.font, sizeof(font), &font)) << c.name;
        EXPECT_EQ(font.lfHeight, c.height) << c.name;
        EXPECT_EQ(font.lfWidth, c.width) << c.name;
        EXPECT_EQ(font.lfWeight, c.weight) << c.name;
        EXPECT_STREQ(font.lfFaceName, metrics.lfMessageFont.lfFaceName) << c.name;
        EXPECT_EQ(font.lfCharSet, metrics.lfMessageFont.lfCharSet) << c.name;
    }
}

TEST_F(MainDlgTest, StripIconsAreLoadedAtTheirSizes) {
    TestMainDlg dlg;
    const SIZE system = {GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
    for (HICON icon : {dlg.m_hErrorIcon.Get(), dlg.m_hCheckingIcon.Get(), dlg.m_hDisabledIcon.Get()}) {
        SIZE size = IconSize(icon);
        EXPECT_EQ(size.cx, system.cx);
        EXPECT_EQ(size.cy, system.cy);
    }
    EXPECT_EQ(dlg.m_sizeErrorIcon.cx, system.cx);
    EXPECT_EQ(dlg.m_sizeStateIcon.cy, system.cy);
    SIZE row = IconSize(dlg.m_hGripIconRow);
    SIZE column = IconSize(dlg.m_hGripIconColumn);
    EXPECT_EQ(row.cx, 7);
    EXPECT_EQ(row.cy, 256);
    EXPECT_EQ(column.cx, 256);
    EXPECT_EQ(column.cy, 7);
    EXPECT_NE(dlg.m_hIcon, nullptr);
}

TEST_F(MainDlgTest, BoxPicturesAreOwnedAndMonochromeOnesKeepTheirShape) {
    CreateDirectoryW((m_appData + L"\\Carrowmede").c_str(), nullptr);
    CreateDirectoryW(Base().c_str(), nullptr);
    CreateDirectoryW(Pictures().c_str(), nullptr);
    ASSERT_TRUE(WriteBytes(Pictures() + L"mono.ICO", MonochromeIconFile()));
    WriteMainIni(L"[main]\r\nNumBox=3\r\nFirstStart=0\r\n"
                 L"[Box 0]\r\nPicFileUp=1274607096_Desktop.ico\r\nPicFileDown=1274607096_Desktop.ico\r\n"
                 L"[Box 1]\r\nPicFileUp=mono.ICO\r\nPicFileDown=missing.ico\r\n"
                 L"[Box 2]\r\nPicFileUp=picture.png\r\nPicFileDown=1274607096_Desktop_bw.ico\r\n");
    TestMainDlg dlg;
    ASSERT_EQ(dlg.NumBox, 3);

    // The same file for Up and Down gives two icons of the record's own.
    CMonitorRecord& same = *dlg.m_apRecords[0];
    ASSERT_NE(same.m_hIconUp, nullptr);
    ASSERT_NE(same.m_hIconDown, nullptr);
    EXPECT_NE(same.m_hIconUp, same.m_hIconDown);
    EXPECT_EQ(same.m_bmUp.bmWidth, 64);
    EXPECT_EQ(same.m_bmUp.bmHeight, 64);

    // A monochrome picture is fitted by its real height, not its mask's.
    CMonitorRecord& mono = *dlg.m_apRecords[1];
    ASSERT_NE(mono.m_hIconUp, nullptr);
    EXPECT_EQ(mono.m_bmUp.bmWidth, 64);
    EXPECT_EQ(mono.m_bmUp.bmHeight, 64);
    EXPECT_EQ(mono.m_hIconDown, nullptr);  // missing file
    EXPECT_EQ(mono.PicTypeUp, 1);
    EXPECT_EQ(mono.PicTypeDown, 1);

    // Only ".ico" names are loaded.
    CMonitorRecord& other = *dlg.m_apRecords[2];
    EXPECT_EQ(other.m_hIconUp, nullptr);
    EXPECT_NE(other.m_hIconDown, nullptr);

    // Reloading replaces the pictures and destroys the old ones.
    HICON oldUp = same.m_hIconUp;
    dlg.LoadBoxPictures(0);
    EXPECT_NE(same.m_hIconUp, nullptr);
    ICONINFO info = {};
    EXPECT_FALSE(GetIconInfo(oldUp, &info)) << "the replaced icon is destroyed";

    // Indexes outside the records do nothing.
    dlg.LoadBoxPictures(-1);
    dlg.LoadBoxPictures(3);
    dlg.LoadBoxPictures(69);
}

}  // namespace
