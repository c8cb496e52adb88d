// Restoring and backing up the main configuration file: the identities a restore takes,
// the conversion of the earlier product's old keys, and the backup copy's edits.
#include <gtest/gtest.h>

#include <string>
#include <windows.h>

#include "model/ConfigFileRules.h"
#include "support/TempFiles.h"

namespace {

TEST(ClassifyRestoredFile, ThreeIdentitiesComparedWholeAndCaseSensitively) {
    const struct {
        const wchar_t* app;
        RestoredFileKind kind;
    } cases[] = {
        {L"Orvalen ID1", RestoredFileKind::Current},
        {L"Bramblecast ID1", RestoredFileKind::Current},
        {L"Bramblecast", RestoredFileKind::OldFormat},
        {L"orvalen id1", RestoredFileKind::NotValid},
        {L"BRAMBLECAST", RestoredFileKind::NotValid},
        {L"Orvalen ID1 ", RestoredFileKind::NotValid},
        {L"Orvalen", RestoredFileKind::NotValid},
        {L"", RestoredFileKind::NotValid},
    };
    for (const auto& c : cases) EXPECT_EQ(ClassifyRestoredFile(c.app), c.kind) << "case " << (&c - cases);
}

TEST(OldFormatSectionCount, NoneForZeroOrLessAtMostWhatTheLoaderReads) {
    const int cases[][2] = {{1, 1}, {3, 3}, {70, 70}, {71, 70}, {2147483647, 70}, {0, 0}, {-5, 0},
                            {-2147483647 - 1, 0}};
    for (const auto& c : cases) EXPECT_EQ(OldFormatSectionCount(c[0]), c[1]) << c[0];
}

class ConfigFileTest : public ::testing::Test {
protected:
    std::wstring Write(const std::string& text) {
        std::wstring path = m_folder.File(L"MainConf.ini");
        WriteBytes(path, text);
        return path;
    }
    static std::wstring Read(const std::wstring& path, const wchar_t* section, const wchar_t* key) {
        wchar_t buffer[256] = {};
        GetPrivateProfileStringW(section, key, L"<none>", buffer, 256, path.c_str());
        return buffer;
    }
    CTempFolder m_folder;
};

TEST_F(ConfigFileTest, OldKeysGiveTheCurrentOnesAndStay) {
    std::wstring path = Write(
        "[main]\r\nApp=Bramblecast\r\nNumBox=3\r\n"
        "[Box 0]\r\nText=Gateway\r\nVerifyMetod=3\r\nIPAdress=http://127.0.0.1/\r\nPort=8080\r\n"
        "[Box 1]\r\nText=Router\r\nVerifyMetod=2\r\nIPAdress=10.0.0.1\r\n"
        "[Box 2]\r\nPort=1\r\n"
        "[Box 3]\r\nText=Beyond NumBox\r\n");
    CIniFile ini;
    ini.SetPath(path);
    ConvertOldFormatKeys(ini);
    const struct {
        const wchar_t* section;
        const wchar_t* name;
        const wchar_t* method;
        const wchar_t* address;
    } expected[] = {
        {L"Box 0", L"Gateway", L"3", L"http://127.0.0.1/"},
        {L"Box 1", L"Router", L"2", L"10.0.0.1"},
        {L"Box 2", L"LOCAL", L"1", L"127.0.0.1"},
        {L"Box 3", L"<none>", L"<none>", L"<none>"},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(Read(path, e.section, L"Name"), e.name) << e.section;
        EXPECT_EQ(Read(path, e.section, L"CheckMethod"), e.method) << e.section;
        EXPECT_EQ(Read(path, e.section, L"IPorURLAddress"), e.address) << e.section;
    }
    EXPECT_EQ(Read(path, L"Box 1", L"Text"), L"Router");
    EXPECT_EQ(Read(path, L"Box 1", L"VerifyMetod"), L"2");
    EXPECT_EQ(Read(path, L"Box 0", L"Port"), L"8080");
}

TEST_F(ConfigFileTest, NumBoxDecidesHowManySectionsAreConverted) {
    const struct {
        const char* main;
        int converted;  // sections Box 0 .. Box n-1 get a Name
    } cases[] = {
        {"", 1}, {"NumBox=0\r\n", 0}, {"NumBox=-3\r\n", 0}, {"NumBox=2\r\n", 2}, {"NumBox=99999999\r\n", 70},
    };
    for (const auto& c : cases) {
        std::wstring path = Write(std::string("[main]\r\nApp=Bramblecast\r\n") + c.main);
        CIniFile ini;
        ini.SetPath(path);
        ConvertOldFormatKeys(ini);
        for (int i = 0; i < 72; ++i) {
            std::wstring section = L"Box " + std::to_wstring(i);
            EXPECT_EQ(Read(path, section.c_str(), L"Name") != L"<none>", i < c.converted) << c.main << i;
        }
    }
}

TEST_F(ConfigFileTest, BackupCopyLosesLogDirAndStartsAsFirstStart) {
    std::wstring path = Write("[main]\r\nApp=Orvalen ID1\r\nLogDir=C:\\logs\\\r\nFirstStart=0\r\nPosX=5\r\n"
                              "[Box 0]\r\nLogDir=kept\r\n");
    EditBackupCopy(path);
    EXPECT_EQ(Read(path, L"main", L"LogDir"), L"<none>");
    EXPECT_EQ(Read(path, L"main", L"FirstStart"), L"1");
    EXPECT_EQ(Read(path, L"main", L"PosX"), L"5");
    EXPECT_EQ(Read(path, L"Box 0", L"LogDir"), L"kept");
}

}  // namespace
