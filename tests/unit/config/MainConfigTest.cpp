// Loading the main configuration file: limits, forms and defaults of the keys, which
// sections are read, and that loading writes nothing but the identity and placement.
#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "ConfigTestSupport.h"
#include "model/MainConfig.h"
#include "model/SettingKeys.h"

namespace {

const char kOwnHeader[] = "[main]\r\nApp=Orvalen ID1\r\nFirstStart=0\r\n";
const wchar_t kPictures[] = L"C:\\data\\Pictures\\";
const wchar_t kLogs[] = L"C:\\data\\Logs\\";

struct Loaded {
    MainSettings settings;
    std::vector<std::unique_ptr<CMonitorRecord>> records;
};

Loaded LoadFile(const std::wstring& path) {
    CIniFile ini;
    ini.SetPath(path);
    Loaded loaded;
    loaded.records = LoadMainConfig(ini, ConfigFolders{kPictures, kLogs}, loaded.settings);
    return loaded;
}

Loaded LoadText(const std::string& text) {
    CTempFolder folder;
    std::wstring path = folder.File(L"MainConfAID1.ini");
    EXPECT_TRUE(WriteBytes(path, text));
    return LoadFile(path);
}

// A field's value as text: numbers in their own type's decimal form.
template <class S>
std::wstring ValueOf(const std::vector<SettingKey<S>>& table, const std::wstring& key, const S& s) {
    const SettingKey<S>* row = FindSettingKey(table, key);
    if (!row) return L"<no such key>";
    return std::visit(
        [&](auto member) -> std::wstring {
            using F = std::decay_t<decltype(s.*member)>;
            if constexpr (std::is_same_v<F, std::wstring>)
                return s.*member;
            else if constexpr (std::is_same_v<F, int>)
                return std::to_wstring(s.*member);
            else
                return std::to_wstring(static_cast<uint32_t>(s.*member));
        },
        row->field);
}

RECT WorkArea() {
    RECT area = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

std::string Utf16File(const std::string& ascii) {
    std::string bytes = "\xFF\xFE";
    for (char c : ascii) bytes += std::string{c, '\0'};
    return bytes;
}

}  // namespace

// Limits, number forms and defaults: a row per key line.
TEST(LoadMainConfig, KeysAreReadWithTheirLimitsFormsAndDefaults) {
    const std::string longValue(300, 'p');
    const struct {
        bool box;          // section "Box 0", else "main"
        std::string line;  // empty: the key is missing
        const wchar_t* key;
        std::wstring expected;
    } cases[] = {
        {false, "XBox=59", L"XBox", L"60"},         {false, "XBox=201", L"XBox", L"200"},
        {false, "XBox=", L"XBox", L"60"},           {false, "XBox=0x80", L"XBox", L"60"},  // signed: decimal only
        {false, "", L"XBox", L"110"},          {false, "XBox=-7", L"XBox", L"60"},
        {false, "XBox=199x", L"XBox", L"199"},      {false, "YBox=151", L"YBox", L"150"},
        {false, "YBox=59", L"YBox", L"60"},         {false, "NumBox=0", L"NumBox", L"1"},
        {false, "NumBox=-3", L"NumBox", L"1"},      {false, "NumBox=", L"NumBox", L"1"},
        {false, "NumBox=69", L"NumBox", L"69"},     {false, "NumBox=500", L"NumBox", L"70"},
        {false, "PosX=-50", L"PosX", L"-50"},       {false, "WinBeh=9", L"WinBeh", L"9"},
        {false, "WinPos=", L"WinPos", L"0"},        {false, "TimeOut=0x10", L"TimeOut", L"16"},
        {false, "TimeOut=010", L"TimeOut", L"8"},   {false, "TimeOut=", L"TimeOut", L"0"},
        {false, "", L"TimeOut", L"3000"},      {false, "TimeOut=-1", L"TimeOut", L"4294967295"},
        {false, "Volume=0x1F", L"Volume", L"31"},   {false, "ShowMethod=256", L"ShowMethod", L"0"},
        {false, "ShowMethod=257", L"ShowMethod", L"1"}, {false, "ShowStatus=", L"ShowStatus", L"0"},
        {false, "LogFileType=010", L"LogFileType", L"10"}, {false, "DCOBEFE=0x1", L"DCOBEFE", L"0"},
        {false, "TextSpeechTextError=", L"TextSpeechTextError", L""},  // present but empty: no default
        {false, "DCOBEFPath=" + longValue, L"DCOBEFPath", std::wstring(255, L'p')},
        // An empty logs folder would mean the current folder: the default stands in.
        {false, "LogDir=", L"LogDir", kLogs},       {false, "", L"LogDir", kLogs},
        {false, "LogDir=D:\\logs\\", L"LogDir", L"D:\\logs\\"},
        {true, "CheckInterval=0", L"CheckInterval", L"1"}, {true, "CheckInterval=", L"CheckInterval", L"1"},
        {true, "", L"CheckInterval", L"3"},    {true, "CheckInterval=0x10", L"CheckInterval", L"16"},
        {true, "Sound=257", L"Sound", L"1"},        {true, "Sound=0x3", L"Sound", L"0"},
        {true, "Sound=-1", L"Sound", L"255"},       {true, "MsgBox=010", L"MsgBox", L"10"},
        {true, "MsgBox=-1", L"MsgBox", L"4294967295"}, {true, "CustomSoundCheck=0x3F", L"CustomSoundCheck", L"0"},
        {true, "PicTypeUp=0x2", L"PicTypeUp", L"2"}, {true, "BoxColorUp=0xFF", L"BoxColorUp", L"255"},
        {true, "", L"TextColorDown", L"16777215"}, {true, "Port=010", L"Port", L"8"},
        {true, "Port=99999", L"Port", L"99999"},    {true, "", L"Port", L"80"},
        {true, "CheckMethod=7", L"CheckMethod", L"7"},
        // Thresholds at and above the "notified" mark are read and kept.
        {true, "nMSGB=65535", L"nMSGB", L"65535"},  {true, "nPS=70000", L"nPS", L"70000"},
        {true, "nEF=0x2", L"nEF", L"2"},            {true, "Disabled=1", L"Disabled", L"1"},
        {true, "", L"Name", L"LOCAL"},         {true, "Name=", L"Name", L""},
        {true, "", L"NetUserName", L"console"}, {true, "TextSpeechStringUp=", L"TextSpeechStringUp", L""},
    };
    for (const auto& c : cases) {
        std::string text = std::string(kOwnHeader) + (c.box ? "[Box 0]\r\n" : "");
        if (!c.line.empty()) text += c.line + "\r\n";
        Loaded loaded = LoadText(text);
        ASSERT_FALSE(loaded.records.empty());
        std::wstring got = c.box ? ValueOf(MonitorKeys(), c.key, loaded.records[0]->Settings())
                                 : ValueOf(MainKeys(), c.key, loaded.settings);
        EXPECT_EQ(got, c.expected) << c.line << " " << c.key;
    }
}

// Sections 0..NumBox-1 in slot order (missing ones read as the default monitor), their
// picture paths, and the URL host and port of URL monitors only.
TEST(LoadMainConfig, ReadsTheFirstNumBoxSectionsIntoRecords) {
    Loaded loaded = LoadText(std::string(kOwnHeader) +
                             "NumBox=3\r\n[Box 3]\r\nName=beyond\r\n[Box 1]\r\nName=second\r\nCheckMethod=3\r\n"
                             "IPorURLAddress=http://server.lan:8080/x\r\nPicFileUp=up.ico\r\nPicFileDown=\r\n"
                             "[Box 0]\r\nCheckMethod=2\r\nIPorURLAddress=http://server.lan:8080/x\r\n");
    ASSERT_EQ(loaded.records.size(), 3u);
    const wchar_t* names[] = {L"LOCAL", L"second", L"LOCAL"};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(loaded.records[i]->Name, names[i]);
        EXPECT_EQ(loaded.records[i]->m_nIndex, i);
        EXPECT_FALSE(loaded.records[i]->HasThread());
    }
    const CMonitorRecord& url = *loaded.records[1];
    EXPECT_EQ(url.m_strPicPathUp, std::wstring(kPictures) + L"up.ico");
    EXPECT_EQ(url.m_strPicPathDown, kPictures);
    EXPECT_EQ(url.m_strUrlHost, L"server.lan");
    EXPECT_EQ(url.m_nUrlPort, 8080u);
    EXPECT_EQ(loaded.records[0]->m_strUrlHost, L"");  // a TCP monitor has no URL host
    EXPECT_EQ(loaded.records[0]->m_nUrlPort, 80u);
    EXPECT_EQ(LoadText("[main]\r\nNumBox=500\r\nFirstStart=0\r\n").records.size(), 70u);
}

// Loading writes only the identity (when it differs, also in letter case) and, at a
// first start, the placement at the middle of the work area; every other byte stays.
TEST(LoadMainConfig, WritesOnlyIdentityAndFirstStartPlacement) {
    RECT area = WorkArea();
    const std::wstring posX = std::to_wstring(area.right / 2), posY = std::to_wstring(area.bottom / 2);
    using Writes = std::vector<std::pair<std::wstring, std::wstring>>;
    const Writes identity = {{L"App", L"Orvalen ID1"}};
    const Writes placement = {{L"PosX", posX}, {L"PosY", posY}, {L"FirstStart", L"0"}};
    const Writes both = {identity[0], placement[0], placement[1], placement[2]};
    const struct {
        std::string original;
        Writes writes;
    } cases[] = {
        {"; kept\r\n[main]\r\nApp=Orvalen ID1\r\nFirstStart=0\r\nXBox=500\r\nYBox=\r\nNumBox=2\r\n"
         "TimeOut = 0x10\r\nLogDir=\r\n\r\n[Box 0]\r\nCheckInterval=0\r\n[Box 5]\r\nName=Stale\r\n",
         {}},
        {"[main]\r\nApp=orvalen id1\r\nFirstStart=0\r\nXBox=5\r\n", identity},
        {"[main]\r\nApp=Bramblecast\r\nFirstStart=\r\n[Box 0]\r\nCheckInterval=0\r\n", identity},
        {"[Box 0]\r\nName=x\r\n[main]\r\nApp=Orvalen ID1\r\nFirstStart=5\r\nPosX=1\r\n", placement},
        {"[main]\r\nNumBox=1\r\nPosX=10\r\n", both},
    };
    for (const auto& c : cases) {
        for (bool unicode : {false, true}) {
            CTempFolder folder;
            const std::string original = unicode ? Utf16File(c.original) : c.original;
            const std::wstring path = folder.File(L"MainConfAID1.ini"), expected = folder.File(L"expected.ini");
            ASSERT_TRUE(WriteBytes(path, original));
            ASSERT_TRUE(WriteBytes(expected, original));
            for (const auto& w : c.writes)
                WritePrivateProfileStringW(L"main", w.first.c_str(), w.second.c_str(), expected.c_str());
            Loaded loaded = LoadFile(path);
            EXPECT_EQ(ReadBytes(path), ReadBytes(expected)) << c.original << (unicode ? " (UTF-16)" : "");
            if (c.writes.size() > 1) EXPECT_EQ(loaded.settings.PosX, area.right / 2);
        }
    }
    // No file at all: it is created with exactly these four keys.
    CTempFolder folder;
    const std::wstring path = folder.File(L"MainConfAID1.ini");
    EXPECT_EQ(LoadFile(path).records.size(), 1u);
    wchar_t names[64] = {};
    EXPECT_EQ(GetPrivateProfileSectionNamesW(names, 64, path.c_str()), 5u) << "only main";
    EXPECT_EQ(SectionLines(path, L"main"),
              (std::vector<std::wstring>{L"App=Orvalen ID1", L"PosX=" + posX, L"PosY=" + posY, L"FirstStart=0"}));
}
