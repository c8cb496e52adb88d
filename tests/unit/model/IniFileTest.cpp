#include <gtest/gtest.h>

#include "model/IniFile.h"
#include "support/TempFiles.h"

namespace {

// A file with the given ANSI text, bound to a CIniFile.
class IniFileTest : public ::testing::Test {
protected:
    void Use(const std::string& text) {
        ASSERT_TRUE(WriteBytes(m_path, text));
        m_ini.SetPath(m_path);
    }
    CTempFolder m_folder;
    std::wstring m_path = m_folder.File(L"test.ini");
    CIniFile m_ini;
};

TEST_F(IniFileTest, NumbersFollowTheReadersRules) {
    Use("[main]\r\nXBox=\r\nHex=0x10\r\nOct=010\r\nNeg=-5\r\nTail=12abc\r\nWord=abc\r\nBig=4294967295\r\n");
    struct Case {
        const wchar_t* key;
        int32_t asInt;
        uint32_t asULong;
    };
    const Case cases[] = {
        {L"XBox", 0, 0u},                 // present but empty reads 0, not the default
        {L"Hex", 0, 16u},                 // only the unsigned reader knows hexadecimal
        {L"Oct", 10, 8u},                 // and octal
        {L"Neg", -5, 4294967291u},
        {L"Tail", 12, 12u},
        {L"Word", 0, 0u},
        {L"Big", 2147483647, 4294967295u},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(m_ini.ReadInt(L"main", c.key, 110), c.asInt) << c.key;
        EXPECT_EQ(m_ini.ReadULong(L"main", c.key, 110), c.asULong) << c.key;
    }
}

TEST_F(IniFileTest, MissingKeysGiveTheDefaultThroughItsUnsignedText) {
    Use("[main]\r\n");
    EXPECT_EQ(m_ini.ReadInt(L"main", L"XBox", 110), 110);
    EXPECT_EQ(m_ini.ReadInt(L"main", L"XBox", -1), 2147483647);  // "4294967295" read back signed
    EXPECT_EQ(m_ini.ReadULong(L"main", L"XBox", 4294967295u), 4294967295u);
    EXPECT_EQ(m_ini.ReadInt(L"nosection", L"k", 7), 7);
    CIniFile missing;
    missing.SetPath(m_folder.File(L"missing.ini"));
    EXPECT_EQ(missing.ReadInt(L"main", L"k", 42), 42);
    EXPECT_EQ(missing.ReadString(L"main", L"k", L"dflt"), L"dflt");
    EXPECT_FALSE(FileExists(m_folder.File(L"missing.ini")));  // reading creates nothing
}

TEST_F(IniFileTest, TextsAreCutAt255AndEmptyIsNotTheDefault) {
    std::string longValue(300, 'v');
    Use("[Box 0]\r\nName=\r\nLong=" + longValue + "\r\n");
    EXPECT_EQ(m_ini.ReadString(L"Box 0", L"Name", L"LOCAL"), L"");
    EXPECT_EQ(m_ini.ReadString(L"Box 0", L"Missing", L"LOCAL"), L"LOCAL");
    EXPECT_EQ(m_ini.ReadString(L"Box 0", L"Long", L""), std::wstring(255, L'v'));
    EXPECT_EQ(m_ini.ReadString(L"Box 0", L"Missing", std::wstring(300, L'd')), std::wstring(255, L'd'));
}

TEST_F(IniFileTest, WrittenNumbersUseTheirOwnFormats) {
    m_ini.SetPath(m_path);
    EXPECT_TRUE(m_ini.WriteInt(L"main", L"I", -1));
    EXPECT_TRUE(m_ini.WriteULong(L"main", L"U", 4294967295u));
    EXPECT_EQ(m_ini.ReadString(L"main", L"I", L""), L"-1");
    EXPECT_EQ(m_ini.ReadString(L"main", L"U", L""), L"4294967295");
    EXPECT_EQ(m_ini.ReadInt(L"main", L"U", 0), 2147483647);
    EXPECT_EQ(m_ini.ReadULong(L"main", L"U", 0), 4294967295u);
    EXPECT_EQ(m_ini.ReadULong(L"main", L"I", 0), 4294967295u);
}

TEST_F(IniFileTest, EveryTextReadsBackExactlyAsWritten) {
    m_ini.SetPath(m_path);
    const wchar_t* values[] = {
        L"\"C:\\My Files\\a.txt\"",  // outer quotes: the platform would strip them
        L" leading blank",
        L"trailing blank ",
        L"\"",
        L"\"\"",
        L"  ",
        L"\"half quoted",
        L"'single quoted'",          // single quotes are stripped as well
        L"''",
        L"'",
        L"'mixed\"",
        L"\"'both'\"",
        L"\vvertical tab",           // other white space at either end is stripped too
        L"page\f",
        L"\x1A",
        L"plain",
        L"",
        L"%name is %status",
        L"\x017D\x0142\x00F3\x0107 \x65E5\x672C \x0416",  // outside the ANSI code page
    };
    for (const wchar_t* value : values) {
        EXPECT_TRUE(m_ini.WriteString(L"Box 0", L"Key", value));
        EXPECT_EQ(m_ini.ReadString(L"Box 0", L"Key", L"default"), value);
    }
}

TEST_F(IniFileTest, NewFilesStartWithAUnicodeMarkAndOldFilesKeepTheirEncoding) {
    m_ini.SetPath(m_path);
    m_ini.WriteString(L"main", L"App", L"Orvalen ID1");
    std::string bytes = ReadBytes(m_path);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xFE);

    std::wstring ansiPath = m_folder.File(L"ansi.ini");
    ASSERT_TRUE(WriteBytes(ansiPath, "[main]\r\nA=1\r\n"));
    CIniFile ansi;
    ansi.SetPath(ansiPath);
    ansi.WriteInt(L"main", L"B", 2);
    std::string ansiBytes = ReadBytes(ansiPath);
    EXPECT_EQ(ansiBytes.substr(0, 6), "[main]");
    EXPECT_NE(ansiBytes.find("B=2"), std::string::npos);
}

TEST_F(IniFileTest, OldFilesWithQuotedValuesReadAsBefore) {
    Use("[Box 0]\r\nExecFileParam=\"quoted\"\r\nName=  padded  \r\n");
    EXPECT_EQ(m_ini.ReadString(L"Box 0", L"ExecFileParam", L""), L"quoted");
    EXPECT_EQ(m_ini.ReadString(L"Box 0", L"Name", L""), L"padded");
}

TEST_F(IniFileTest, AWriteIntoAMissingFolderFailsAndCreatesNothing) {
    CIniFile ini;
    std::wstring path = m_folder.File(L"no\\such\\folder.ini");
    ini.SetPath(path);
    EXPECT_FALSE(ini.WriteString(L"main", L"k", L"v"));
    EXPECT_FALSE(FileExists(path));
}

}  // namespace
