#include <gtest/gtest.h>

#include "model/IniFile.h"
#include "support/TempFiles.h"

// Number texts as both readers take them (decimal only, or the base from the text).
TEST(IniFile, NumbersFollowTheReadersRules) {
    const struct {
        const char* value;  // nullptr: the key is missing (default 110)
        int32_t asInt;
        uint32_t asULong;
    } cases[] = {
        {"", 0, 0u},  // present but empty reads 0, not the default
        {nullptr, 110, 110u},
        {"0x1F", 0, 31u},           {"0X1f", 0, 31u},        {"010", 10, 8u},      {"09", 9, 0u},
        {"-5", -5, 4294967291u},    {"+17", 17, 17u},        {"  42", 42, 42u},    {"12abc", 12, 12u},
        {"abc", 0, 0u},             {"-", 0, 0u},            {"0x", 0, 0u},
        {"2147483648", 2147483647, 2147483648u},             {"-99999999999", INT32_MIN, 4294967295u},
        {"4294967295", 2147483647, 4294967295u},             {"4294967296", 2147483647, 4294967295u},
        {"99999999999999999999", 2147483647, 4294967295u},  {"16699845", 16699845, 16699845u},
    };
    CTempFolder folder;
    CIniFile ini;
    ini.SetPath(folder.File(L"n.ini"));
    for (const auto& c : cases) {
        std::string text = "[main]\r\n";
        if (c.value) text += std::string("K=") + c.value + "\r\n";
        ASSERT_TRUE(WriteBytes(ini.GetPath(), text));
        EXPECT_EQ(ini.ReadInt(L"main", L"K", 110), c.asInt) << (c.value ? c.value : "(missing)");
        EXPECT_EQ(ini.ReadULong(L"main", L"K", 110), c.asULong) << (c.value ? c.value : "(missing)");
    }
    // A default passes through its unsigned text; written forms are "%d" and "%lu".
    EXPECT_EQ(ini.ReadInt(L"main", L"Missing", -1), 2147483647);
    ini.WriteInt(L"main", L"I", -1);
    ini.WriteULong(L"main", L"U", 4294967295u);
    EXPECT_EQ(ini.ReadString(L"main", L"I", L""), L"-1");
    EXPECT_EQ(ini.ReadString(L"main", L"U", L""), L"4294967295");
    // Reading a missing file gives the default and creates nothing.
    CIniFile missing;
    missing.SetPath(folder.File(L"missing.ini"));
    EXPECT_EQ(missing.ReadString(L"main", L"k", L"dflt"), L"dflt");
    EXPECT_FALSE(FileExists(missing.GetPath()));
}

// Every text reads back as written: quotes and white space the platform would strip get
// protective quotes, a line break can never make a second key or section, and texts
// are cut at 255 characters, never one short.
TEST(IniFile, TextsReadBackAsWrittenOrCutAt255) {
    const std::wstring l254(254, L'x'), l255(255, L'x');
    const struct {
        std::wstring written, read;
    } cases[] = {
        {L"\"C:\\My Files\\a.txt\"", L"\"C:\\My Files\\a.txt\""}, {L" leading", L" leading"},
        {L"trailing ", L"trailing "},  {L"\"", L"\""},             {L"\"\"", L"\"\""},
        {L"  ", L"  "},                {L"\"half", L"\"half"},     {L"'single'", L"'single'"},
        {L"''", L"''"},                {L"'mixed\"", L"'mixed\""}, {L"\vtab", L"\vtab"},
        {L"page\f", L"page\f"},        {L"\x1A", L"\x1A"},         {L"", L""},
        {L"%name is %status", L"%name is %status"},
        {L"\x017D\x0142\x00F3\x0107 \x65E5\x672C", L"\x017D\x0142\x00F3\x0107 \x65E5\x672C"},
        {L"a\r\nNew=1\r\n[Box 9]", L"a  New=1  [Box 9]"},
        {L"end\n", L"end "},
        {L" " + l254, L" " + l254},      {L"\"" + l254, L"\"" + l254},  {l255 + L"y", l255},
        {L" " + l255, L" " + l254},
    };
    CTempFolder folder;
    CIniFile ini;
    ini.SetPath(folder.File(L"t.ini"));
    for (const auto& c : cases) {
        EXPECT_TRUE(ini.WriteString(L"Box 0", L"Key", c.written));
        EXPECT_EQ(ini.ReadString(L"Box 0", L"Key", L"default"), c.read) << c.written.size();
    }
    wchar_t names[64] = {};
    EXPECT_EQ(GetPrivateProfileSectionNamesW(names, 64, ini.GetPath().c_str()), 6u) << "only Box 0";
    EXPECT_EQ(ini.ReadString(L"Box 0", L"New", L"none"), L"none");
    EXPECT_EQ(ini.ReadString(L"Box 0", L"Missing", std::wstring(300, L'd')), std::wstring(255, L'd'));
}

TEST(IniFile, NewFilesAreUnicodeOldOnesKeepTheirEncodingAndQuotes) {
    CTempFolder folder;
    CIniFile fresh;
    fresh.SetPath(folder.File(L"new.ini"));
    fresh.WriteString(L"main", L"App", L"Orvalen ID1");
    EXPECT_EQ(ReadBytes(fresh.GetPath()).substr(0, 2), "\xFF\xFE");

    CIniFile old;
    old.SetPath(folder.File(L"old.ini"));
    ASSERT_TRUE(WriteBytes(old.GetPath(), "[Box 0]\r\nExecFileParam=\"quoted\"\r\nName=  padded  \r\n"));
    EXPECT_EQ(old.ReadString(L"Box 0", L"ExecFileParam", L""), L"quoted");
    EXPECT_EQ(old.ReadString(L"Box 0", L"Name", L""), L"padded");
    old.WriteInt(L"Box 0", L"B", 2);
    EXPECT_EQ(ReadBytes(old.GetPath()).substr(0, 7), "[Box 0]");

    CIniFile nowhere;
    nowhere.SetPath(folder.File(L"no\\such\\folder.ini"));
    EXPECT_FALSE(nowhere.WriteString(L"main", L"k", L"v"));
    EXPECT_FALSE(FileExists(nowhere.GetPath()));
}

// Keys written together read back as single writes leave them: each in the place of its
// first line, the section's other lines (quotes included) and other sections untouched,
// missing keys added at the end, a new file in Unicode.
TEST(IniFile, KeysWrittenTogetherReadBackAsSingleWritesLeaveThem) {
    CTempFolder folder;
    CIniFile ini;
    ini.SetPath(folder.File(L"k.ini"));
    ASSERT_TRUE(WriteBytes(ini.GetPath(), "[Box 0]\r\nOther=\"  quoted  \"\r\nname =old\r\nKeep=1\r\nName=second\r\n"
                                          "[Box 1]\r\nName=untouched\r\n"));
    EXPECT_TRUE(ini.WriteKeys(L"Box 0", {{L"Name", L" padded"}, {L"Port", L"80"}, {L"Phrase", L"a\r\nB=1"}}));
    const struct {
        const wchar_t *section, *key, *read;
    } cases[] = {
        {L"Box 0", L"Name", L" padded"}, {L"Box 0", L"Port", L"80"},   {L"Box 0", L"Phrase", L"a  B=1"},
        {L"Box 0", L"B", L"<none>"},     {L"Box 0", L"Other", L"  quoted  "}, {L"Box 0", L"Keep", L"1"},
        {L"Box 1", L"Name", L"untouched"},
    };
    for (const auto& c : cases) EXPECT_EQ(ini.ReadString(c.section, c.key, L"<none>"), c.read) << c.key;
    wchar_t lines[512] = {};
    const DWORD n = GetPrivateProfileSectionW(L"Box 0", lines, 512, ini.GetPath().c_str());
    std::wstring order(lines, n);
    for (wchar_t& c : order) c = c ? c : L'|';
    EXPECT_EQ(order, L"Other=\"  quoted  \"|Name=\" padded\"|Keep=1|Name=second|Port=80|Phrase=a  B=1|");

    CIniFile fresh;
    fresh.SetPath(folder.File(L"new.ini"));
    EXPECT_TRUE(fresh.WriteKeys(L"main", {{L"Name", L"\x65E5\x672C"}}));
    EXPECT_EQ(fresh.ReadString(L"main", L"Name", L""), L"\x65E5\x672C");
}
