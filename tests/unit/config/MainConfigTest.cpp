#include <gtest/gtest.h>

#include <string>

#include "support/TempFiles.h"
#include "model/GlobalSettings.h"
#include "model/MainConfig.h"
#include "model/SharedSettings.h"

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

RECT WorkArea() {
    RECT area = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

std::wstring ReadKey(const std::wstring& path, const wchar_t* section, const wchar_t* key) {
    wchar_t buffer[256] = {};
    GetPrivateProfileStringW(section, key, L"<missing>", buffer, 256, path.c_str());
    return buffer;
}

// The strings of a list that the platform ends with an empty string.
std::vector<std::wstring> SplitZeroList(const std::vector<wchar_t>& buffer, DWORD length) {
    std::vector<std::wstring> items;
    for (DWORD i = 0; i < length && buffer[i];) {
        items.emplace_back(&buffer[i]);
        i += static_cast<DWORD>(items.back().size()) + 1;
    }
    return items;
}

// "key=value" lines of a section, as the platform lists them.
std::vector<std::wstring> SectionLines(const std::wstring& path, const wchar_t* section) {
    std::vector<wchar_t> buffer(8192);
    DWORD n = GetPrivateProfileSectionW(section, buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
    return SplitZeroList(buffer, n);
}

std::vector<std::wstring> SectionNames(const std::wstring& path) {
    std::vector<wchar_t> buffer(8192);
    DWORD n = GetPrivateProfileSectionNamesW(buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
    return SplitZeroList(buffer, n);
}

}  // namespace

TEST(LoadMainConfig, MissingFileGivesDefaultsAndWritesOnlyIdentityAndPlacement) {
    CTempFolder folder;
    std::wstring path = folder.File(L"MainConfAID1.ini");
    ASSERT_FALSE(FileExists(path));

    Loaded loaded = LoadFile(path);
    const MainSettings& s = loaded.settings;
    RECT area = WorkArea();
    EXPECT_EQ(s.PosX, area.right / 2);
    EXPECT_EQ(s.PosY, area.bottom / 2);
    EXPECT_EQ(s.XBox, 110);
    EXPECT_EQ(s.YBox, 90);
    EXPECT_EQ(s.NumBox, 1);
    EXPECT_EQ(s.WinPos, 1);
    EXPECT_EQ(s.WinBeh, 1);
    EXPECT_EQ(s.TimeOut, 3000u);
    EXPECT_EQ(s.DCOBEFE, 0);
    EXPECT_EQ(s.DCOBEFPath, L"");
    EXPECT_EQ(s.DCOBEFParameters, L"");
    EXPECT_EQ(s.CustomSoundError, 0);
    EXPECT_EQ(s.CustomSoundPathError, L"");
    EXPECT_EQ(s.HideTaskBarButton, 1);
    EXPECT_EQ(s.EnableLog, 1);
    EXPECT_EQ(s.ShowReplyTime, 1);
    EXPECT_EQ(s.ShowIPAddress, 1);
    EXPECT_EQ(s.ShowMethod, 1);
    EXPECT_EQ(s.ShowStatus, 1);
    EXPECT_EQ(s.TextSpeechSoundError, 0);
    EXPECT_EQ(s.TextSpeechTextError, L"%name is Error");
    EXPECT_EQ(s.LogEveryCheck, 0);
    EXPECT_EQ(s.Volume, 65535u);
    EXPECT_EQ(s.LogFileType, 0);
    EXPECT_EQ(s.LogDir, kLogs);

    ASSERT_EQ(loaded.records.size(), 1u);
    const CMonitorRecord& r = *loaded.records[0];
    EXPECT_EQ(r.m_nIndex, 0u);
    EXPECT_EQ(r.m_hOwner, nullptr);
    EXPECT_FALSE(r.HasThread());
    EXPECT_EQ(r.Link(), nullptr);
    EXPECT_EQ(r.Name, L"LOCAL");
    EXPECT_EQ(r.IPorURLAddress, L"127.0.0.1");
    EXPECT_EQ(r.CheckMethod, 1u);
    EXPECT_EQ(r.IPv, 0u);
    EXPECT_EQ(r.Port, 80u);
    EXPECT_EQ(r.CheckInterval, 3u);
    EXPECT_EQ(r.BoxColorUp, 0xFED1C5u);
    EXPECT_EQ(r.BoxColorDown, 0x797979u);
    EXPECT_EQ(r.TextColorUp, 0u);
    EXPECT_EQ(r.TextColorDown, 0xFFFFFFu);
    EXPECT_EQ(r.PicTypeUp, 1);
    EXPECT_EQ(r.PicTypeDown, 1);
    EXPECT_EQ(r.PicFileUp, L"1274607096_Desktop.ico");
    EXPECT_EQ(r.PicFileDown, L"1274607096_Desktop_bw.ico");
    EXPECT_EQ(r.m_strPicPathUp, std::wstring(kPictures) + L"1274607096_Desktop.ico");
    EXPECT_EQ(r.m_strPicPathDown, std::wstring(kPictures) + L"1274607096_Desktop_bw.ico");
    EXPECT_EQ(r.m_hIconUp, nullptr);
    EXPECT_EQ(static_cast<uint32_t>(r.Sound), 0u);
    EXPECT_EQ(static_cast<uint32_t>(r.MsgBox), 0u);
    EXPECT_EQ(static_cast<uint32_t>(r.ExecFileCheck), 0u);
    EXPECT_EQ(r.Logging, 0u);
    EXPECT_EQ(r.Disabled, 0u);
    EXPECT_EQ(r.CustomSoundCheck, 0u);
    EXPECT_EQ(r.TextSpeechCheck, 0u);
    EXPECT_EQ(r.ExecFileStatusCheck, 0u);
    EXPECT_EQ(r.nMSGB, 0u);
    EXPECT_EQ(r.nPS, 0u);
    EXPECT_EQ(r.nEF, 0u);
    EXPECT_EQ(r.CustSoundPathUp, L"");
    EXPECT_EQ(r.CustSoundPathSnF, L"");
    EXPECT_EQ(r.TextSpeechStringUp, L"%name is Up");
    EXPECT_EQ(r.TextSpeechStringDown, L"%name is Down");
    EXPECT_EQ(r.TextSpeechStringOpen, L"%name is Open");
    EXPECT_EQ(r.TextSpeechStringClose, L"%name is Closed");
    EXPECT_EQ(r.TextSpeechStringTDown, L"%name is Down");
    EXPECT_EQ(r.TextSpeechStringSnF, L"%name is SnF");
    EXPECT_EQ(r.ExecFilePath, L"");
    EXPECT_EQ(r.ExecFileParam, L"");
    EXPECT_EQ(r.MsgBoxDesc, L"%name is %status");
    EXPECT_EQ(r.Phrase, L"String Here");
    EXPECT_EQ(r.NetUserName, L"console");
    EXPECT_EQ(r.m_strUrlHost, L"");
    EXPECT_EQ(r.m_nUrlPort, 80u);

    // Only the identity and the placement were written, and nothing else.
    ASSERT_TRUE(FileExists(path));
    EXPECT_EQ(SectionNames(path), std::vector<std::wstring>{L"main"});
    std::vector<std::wstring> expected = {L"App=Orvalen ID1", L"PosX=" + std::to_wstring(area.right / 2),
                                          L"PosY=" + std::to_wstring(area.bottom / 2), L"FirstStart=0"};
    EXPECT_EQ(SectionLines(path, L"main"), expected);
}

namespace {

struct MainKeyCase {
    const char* line;  // "key=value" put into section main; nullptr: the key is missing
    long long (*get)(const MainSettings&);
    long long expected;
};

long long GetXBox(const MainSettings& s) { return s.XBox; }
long long GetYBox(const MainSettings& s) { return s.YBox; }
long long GetNumBox(const MainSettings& s) { return s.NumBox; }
long long GetPosX(const MainSettings& s) { return s.PosX; }
long long GetWinBeh(const MainSettings& s) { return s.WinBeh; }
long long GetWinPos(const MainSettings& s) { return s.WinPos; }
long long GetTimeOut(const MainSettings& s) { return s.TimeOut; }
long long GetVolume(const MainSettings& s) { return s.Volume; }
long long GetShowMethod(const MainSettings& s) { return s.ShowMethod; }
long long GetShowIPAddress(const MainSettings& s) { return s.ShowIPAddress; }
long long GetShowStatus(const MainSettings& s) { return s.ShowStatus; }
long long GetShowReplyTime(const MainSettings& s) { return s.ShowReplyTime; }
long long GetEnableLog(const MainSettings& s) { return s.EnableLog; }
long long GetHideTaskBarButton(const MainSettings& s) { return s.HideTaskBarButton; }
long long GetLogFileType(const MainSettings& s) { return s.LogFileType; }
long long GetLogEveryCheck(const MainSettings& s) { return s.LogEveryCheck; }
long long GetDCOBEFE(const MainSettings& s) { return s.DCOBEFE; }

}  // namespace

TEST(LoadMainConfig, MainKeysClampsDefaultsAndNumberForms) {
    const MainKeyCase cases[] = {
        {"XBox=59", GetXBox, 60},        {"XBox=201", GetXBox, 200},     {"XBox=", GetXBox, 60},
        {"XBox=150", GetXBox, 150},      {"XBox=0x80", GetXBox, 60},     {nullptr, GetXBox, 110},
        {"XBox=-7", GetXBox, 60},        {"XBox=12abc", GetXBox, 60},    {"XBox=199x", GetXBox, 199},
        {"YBox=151", GetYBox, 150},      {"YBox=59", GetYBox, 60},       {"YBox=", GetYBox, 60},
        {nullptr, GetYBox, 90},          {"NumBox=0", GetNumBox, 1},     {"NumBox=-3", GetNumBox, 1},
        {"NumBox=", GetNumBox, 1},       {"NumBox=70", GetNumBox, 70},   {"NumBox=500", GetNumBox, 70},
        {"NumBox=69", GetNumBox, 69},    {nullptr, GetNumBox, 1},        {"PosX=-50", GetPosX, -50},
        {"WinBeh=9", GetWinBeh, 9},      {"WinBeh=0x2", GetWinBeh, 0},   {"WinPos=0", GetWinPos, 0},
        {"WinPos=", GetWinPos, 0},       {nullptr, GetWinPos, 1},
        // Unsigned keys also take hexadecimal and octal.
        {"TimeOut=0x10", GetTimeOut, 16}, {"TimeOut=010", GetTimeOut, 8}, {"TimeOut=0", GetTimeOut, 0},
        {"TimeOut=", GetTimeOut, 0},     {nullptr, GetTimeOut, 3000},    {"TimeOut=-1", GetTimeOut, 4294967295LL},
        {"Volume=0x1F", GetVolume, 31},  {"Volume=", GetVolume, 0},      {nullptr, GetVolume, 65535},
        // Only the low 8 bits of the three line switches count.
        {"ShowMethod=256", GetShowMethod, 0}, {"ShowMethod=257", GetShowMethod, 1},
        {"ShowIPAddress=", GetShowIPAddress, 0}, {"ShowStatus=0", GetShowStatus, 0},
        {nullptr, GetShowStatus, 1},     {"ShowReplyTime=", GetShowReplyTime, 0},
        {nullptr, GetShowReplyTime, 1},  {"EnableLog=", GetEnableLog, 0}, {nullptr, GetEnableLog, 1},
        {"HideTaskBarButton=0", GetHideTaskBarButton, 0}, {nullptr, GetHideTaskBarButton, 1},
        {"LogFileType=2", GetLogFileType, 2}, {"LogFileType=010", GetLogFileType, 10},
        {"LogEveryCheck=1", GetLogEveryCheck, 1}, {"DCOBEFE=0x1", GetDCOBEFE, 0},
    };
    for (const auto& c : cases) {
        std::string text = kOwnHeader;
        if (c.line) text += std::string(c.line) + "\r\n";
        Loaded loaded = LoadText(text);
        EXPECT_EQ(c.get(loaded.settings), c.expected) << (c.line ? c.line : "(missing)");
    }
}

TEST(LoadMainConfig, MainTextKeys) {
    Loaded given = LoadText(std::string(kOwnHeader) +
                            "DCOBEFPath=C:\\tools\\run.exe\r\nDCOBEFParameters=%ip %name\r\n"
                            "CustomSoundPathError=C:\\snd\\err.wav\r\nTextSpeechTextError=\r\n"
                            "LogDir=D:\\mylogs\\\r\n");
    EXPECT_EQ(given.settings.DCOBEFPath, L"C:\\tools\\run.exe");
    EXPECT_EQ(given.settings.DCOBEFParameters, L"%ip %name");
    EXPECT_EQ(given.settings.CustomSoundPathError, L"C:\\snd\\err.wav");
    EXPECT_EQ(given.settings.TextSpeechTextError, L"");  // present but empty: no default
    EXPECT_EQ(given.settings.LogDir, L"D:\\mylogs\\");

    // An empty logs folder would mean the current folder: the default stands in.
    EXPECT_EQ(LoadText(std::string(kOwnHeader) + "LogDir=\r\n").settings.LogDir, kLogs);
    EXPECT_EQ(LoadText(kOwnHeader).settings.LogDir, kLogs);

    std::string longValue(300, 'p');
    EXPECT_EQ(LoadText(std::string(kOwnHeader) + "DCOBEFPath=" + longValue + "\r\n").settings.DCOBEFPath,
              std::wstring(255, L'p'));
}

namespace {

struct BoxKeyCase {
    const char* line;  // "key=value" put into section Box 0; nullptr: the key is missing
    long long (*get)(const CMonitorRecord&);
    long long expected;
};

long long GetCheckInterval(const CMonitorRecord& r) { return r.CheckInterval; }
long long GetSound(const CMonitorRecord& r) { return static_cast<uint32_t>(r.Sound); }
long long GetMsgBox(const CMonitorRecord& r) { return static_cast<uint32_t>(r.MsgBox); }
long long GetPicTypeUp(const CMonitorRecord& r) { return r.PicTypeUp; }
long long GetBoxColorUp(const CMonitorRecord& r) { return r.BoxColorUp; }
long long GetTextColorDown(const CMonitorRecord& r) { return r.TextColorDown; }
long long GetPort(const CMonitorRecord& r) { return r.Port; }
long long GetIPv(const CMonitorRecord& r) { return r.IPv; }
long long GetMethod(const CMonitorRecord& r) { return r.CheckMethod; }
long long GetCustomSoundCheck(const CMonitorRecord& r) { return r.CustomSoundCheck; }
long long GetTextSpeechCheck(const CMonitorRecord& r) { return r.TextSpeechCheck; }
long long GetExecFileStatusCheck(const CMonitorRecord& r) { return r.ExecFileStatusCheck; }
long long GetExecFileCheck(const CMonitorRecord& r) { return static_cast<uint32_t>(r.ExecFileCheck); }
long long GetNMSGB(const CMonitorRecord& r) { return r.nMSGB; }
long long GetNPS(const CMonitorRecord& r) { return r.nPS; }
long long GetNEF(const CMonitorRecord& r) { return r.nEF; }
long long GetDisabled(const CMonitorRecord& r) { return r.Disabled; }
long long GetLogging(const CMonitorRecord& r) { return r.Logging; }

}  // namespace

TEST(LoadMainConfig, BoxKeysClampsDefaultsAndNumberForms) {
    const BoxKeyCase cases[] = {
        {"CheckInterval=0", GetCheckInterval, 1},    {"CheckInterval=", GetCheckInterval, 1},
        {nullptr, GetCheckInterval, 3},              {"CheckInterval=0x10", GetCheckInterval, 16},
        {"CheckInterval=60", GetCheckInterval, 60},
        {"Sound=257", GetSound, 1},                  {"Sound=0x3", GetSound, 0},   // signed: decimal only
        {"Sound=-1", GetSound, 255},                 {"Sound=", GetSound, 0},
        {"MsgBox=010", GetMsgBox, 10},               {"MsgBox=-1", GetMsgBox, 4294967295LL},
        {"Logging=7", GetLogging, 7},
        {"CustomSoundCheck=0x3F", GetCustomSoundCheck, 0}, {"TextSpeechCheck=63", GetTextSpeechCheck, 63},
        {"PicTypeUp=0x2", GetPicTypeUp, 2},          {"PicTypeUp=", GetPicTypeUp, 0},
        {"BoxColorUp=0xFF", GetBoxColorUp, 255},     {"BoxColorUp=16699845", GetBoxColorUp, 16699845},
        {"TextColorDown=", GetTextColorDown, 0},     {nullptr, GetTextColorDown, 0xFFFFFF},
        {"Port=010", GetPort, 8},                    {"Port=0x1F90", GetPort, 8080},
        {"Port=99999", GetPort, 99999},              {nullptr, GetPort, 80},
        {"IPv=", GetIPv, 0},                         {"IPv=1", GetIPv, 1},
        {"CheckMethod=7", GetMethod, 7},             {"CheckMethod=", GetMethod, 0},
        {"ExecFileStatusCheck=0x7", GetExecFileStatusCheck, 7}, {"ExecFileCheck=1", GetExecFileCheck, 1},
        {"nMSGB=010", GetNMSGB, 8},                  {"nPS=3", GetNPS, 3},         {"nEF=0x2", GetNEF, 2},
        {"Disabled=1", GetDisabled, 1},              {"Disabled=", GetDisabled, 0},
    };
    for (const auto& c : cases) {
        std::string text = std::string(kOwnHeader) + "[Box 0]\r\n";
        if (c.line) text += std::string(c.line) + "\r\n";
        Loaded loaded = LoadText(text);
        ASSERT_EQ(loaded.records.size(), 1u);
        EXPECT_EQ(c.get(*loaded.records[0]), c.expected) << (c.line ? c.line : "(missing)");
    }
}

TEST(LoadMainConfig, BoxTextKeysAndPicturePaths) {
    Loaded loaded = LoadText(std::string(kOwnHeader) +
                             "[Box 0]\r\nName=Router\r\nPicFileUp=up.ico\r\nPicFileDown=\r\n"
                             "IPorURLAddress=192.0.2.1\r\nTextSpeechStringUp=\r\nPhrase=Welcome\r\n"
                             "NetUserName=admin\r\nMsgBoxDesc=%name went %status\r\n");
    ASSERT_EQ(loaded.records.size(), 1u);
    const CMonitorRecord& r = *loaded.records[0];
    EXPECT_EQ(r.Name, L"Router");
    EXPECT_EQ(r.PicFileUp, L"up.ico");
    EXPECT_EQ(r.m_strPicPathUp, std::wstring(kPictures) + L"up.ico");
    EXPECT_EQ(r.PicFileDown, L"");
    EXPECT_EQ(r.m_strPicPathDown, kPictures);
    EXPECT_EQ(r.IPorURLAddress, L"192.0.2.1");
    EXPECT_EQ(r.TextSpeechStringUp, L"");
    EXPECT_EQ(r.TextSpeechStringDown, L"%name is Down");
    EXPECT_EQ(r.Phrase, L"Welcome");
    EXPECT_EQ(r.NetUserName, L"admin");
    EXPECT_EQ(r.MsgBoxDesc, L"%name went %status");
}

TEST(LoadMainConfig, ReadsOnlyTheFirstNumBoxSectionsInSlotOrder) {
    Loaded loaded = LoadText(
        "[main]\r\nApp=Orvalen ID1\r\nFirstStart=0\r\nNumBox=2\r\n"
        "[Box 2]\r\nName=third\r\n[Box 1]\r\nName=second\r\n[Box 0]\r\nName=first\r\n");
    ASSERT_EQ(loaded.records.size(), 2u);
    EXPECT_EQ(loaded.records[0]->Name, L"first");
    EXPECT_EQ(loaded.records[1]->Name, L"second");
    for (size_t i = 0; i < loaded.records.size(); ++i) {
        EXPECT_EQ(loaded.records[i]->m_nIndex, i);
        EXPECT_FALSE(loaded.records[i]->HasThread());
        EXPECT_EQ(loaded.records[i]->Link(), nullptr);
    }

    // Sections that are missing read as the default monitor.
    Loaded many = LoadText("[main]\r\nApp=Orvalen ID1\r\nFirstStart=0\r\nNumBox=500\r\n[Box 69]\r\nName=last\r\n");
    ASSERT_EQ(many.records.size(), 70u);
    EXPECT_EQ(many.records[68]->Name, L"LOCAL");
    EXPECT_EQ(many.records[69]->Name, L"last");
    EXPECT_EQ(many.records[69]->m_nIndex, 69u);
}

TEST(LoadMainConfig, UrlMonitorsGetHostAndPort) {
    const struct {
        const char* method;
        const char* ipv;
        const char* address;
        const wchar_t* host;
        UINT port;
    } cases[] = {
        {"2", "0", "http://server.lan:8080/x", L"", 80},        // TCP: no URL host
        {"1", "1", "http://[::1]:8080/", L"", 80},               // Ping
        {"3", "0", "http://server.lan:8080/status", L"server.lan", 8080},
        {"3", "0", "http://server.lan/status", L"server.lan", 80},
        {"3", "0", "HTTP://Server.Lan:81", L"Server.Lan", 81},
        {"3", "0", "https://secure.lan/", L"secure.lan", 443},
        {"3", "0", "server.lan", L"", 80},                       // not a URL
        {"3", "0", "http://server.lan:99999/", L"", 80},         // port out of range
        {"3", "0", "http://[::1]:x", L"", 80},
        {"3", "1", "http://[::1]:8080/status", L"::1", 8080},
        {"3", "1", "http://[::1]/status", L"::1", 80},
        {"3", "1", "http://[fe80::1%4]", L"fe80::1%4", 80},
        {"3", "1", "http://[::1]:x", L"::1", 80},                // taken by the IPv6 parser
        {"3", "1", "http://[::1]:70000", L"", 80},
        {"3", "1", "http://v6host.lan:8081/", L"v6host.lan", 8081},
        {"3", "1", "https://v6host.lan:8443/", L"", 80},        // IPv6 monitors take http only
        {"3", "1", "https://[::1]/", L"", 80},
        {"3", "1", "HTTP://[::1]:8080/", L"::1", 8080},
        {"3", "2", "http://server.lan:8080/", L"", 80},          // IP version out of range
    };
    for (const auto& c : cases) {
        Loaded loaded = LoadText(std::string(kOwnHeader) + "[Box 0]\r\nCheckMethod=" + c.method + "\r\nIPv=" + c.ipv +
                                 "\r\nIPorURLAddress=" + c.address + "\r\n");
        ASSERT_EQ(loaded.records.size(), 1u);
        EXPECT_EQ(loaded.records[0]->m_strUrlHost, c.host) << c.address << " IPv " << c.ipv;
        EXPECT_EQ(loaded.records[0]->m_nUrlPort, c.port) << c.address << " IPv " << c.ipv;
    }
}

namespace {

// A file of our own with values out of range, comments, odd spacing and a section
// beyond NumBox: loading must leave every byte of it as it was.
const char kOwnFile[] =
    "; kept as written\r\n"
    "[main]\r\n"
    "App=Orvalen ID1\r\n"
    "FirstStart=0\r\n"
    "XBox=500\r\n"
    "YBox=\r\n"
    "NumBox=2\r\n"
    "TimeOut = 0x10\r\n"
    "ShowMethod=256\r\n"
    "LogDir=\r\n"
    "\r\n"
    "[Box 0]\r\n"
    "Name=One\r\n"
    "CheckInterval=0\r\n"
    "CheckMethod=3\r\n"
    "IPv=1\r\n"
    "IPorURLAddress=http://[::1]:8080/\r\n"
    "[Box 1]\r\n"
    "Name=Two\r\n"
    "[Box 5]\r\n"
    "Name=Stale\r\n";

std::string Utf16File(const std::string& ascii) {
    std::string bytes = "\xFF\xFE";
    for (char c : ascii) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

// The same file after the platform itself wrote the given keys into section main.
std::string AfterWrites(const CTempFolder& folder, const std::string& original,
                        const std::vector<std::pair<std::wstring, std::wstring>>& writes) {
    std::wstring path = folder.File(L"expected.ini");
    EXPECT_TRUE(WriteBytes(path, original));
    for (const auto& w : writes) WritePrivateProfileStringW(L"main", w.first.c_str(), w.second.c_str(), path.c_str());
    return ReadBytes(path);
}

}  // namespace

TEST(LoadMainConfig, OwnFileIsLeftByteForByte) {
    for (const std::string& original : {std::string(kOwnFile), Utf16File(kOwnFile)}) {
        CTempFolder folder;
        std::wstring path = folder.File(L"MainConfAID1.ini");
        ASSERT_TRUE(WriteBytes(path, original));
        Loaded loaded = LoadFile(path);
        EXPECT_EQ(loaded.settings.XBox, 200);
        EXPECT_EQ(loaded.settings.TimeOut, 16u);
        ASSERT_EQ(loaded.records.size(), 2u);
        EXPECT_EQ(loaded.records[0]->CheckInterval, 1u);
        EXPECT_EQ(loaded.records[0]->m_strUrlHost, L"::1");
        EXPECT_EQ(ReadBytes(path), original);
    }
}

TEST(LoadMainConfig, ForeignOrFirstStartFileGainsOnlyIdentityAndPlacement) {
    RECT area = WorkArea();
    std::wstring posX = std::to_wstring(area.right / 2), posY = std::to_wstring(area.bottom / 2);
    const struct {
        const char* name;
        std::string original;
        std::vector<std::pair<std::wstring, std::wstring>> writes;
    } cases[] = {
        {"identity in another letter case",
         "[main]\r\nApp=orvalen id1\r\nFirstStart=0\r\nXBox=5\r\n[Box 0]\r\nName=x\r\n",
         {{L"App", L"Orvalen ID1"}}},
        {"earlier product's identity",
         "[main]\r\nApp=Bramblecast\r\nFirstStart=0\r\n[Box 0]\r\nCheckInterval=0\r\n",
         {{L"App", L"Orvalen ID1"}}},
        {"no identity, no first-start key",
         "[main]\r\nNumBox=1\r\nPosX=10\r\n[Box 0]\r\nName=x\r\n",
         {{L"App", L"Orvalen ID1"}, {L"PosX", posX}, {L"PosY", posY}, {L"FirstStart", L"0"}}},
        {"first start of our own file",
         "[Box 0]\r\nName=x\r\n[main]\r\nApp=Orvalen ID1\r\nFirstStart=1\r\nYBox=900\r\n",
         {{L"PosX", posX}, {L"PosY", posY}, {L"FirstStart", L"0"}}},
        {"empty first-start key is no first start",
         "[main]\r\nApp=Orvalen ID1\r\nFirstStart=\r\n",
         {}},
    };
    for (const auto& c : cases) {
        for (bool unicode : {false, true}) {
            CTempFolder folder;
            std::string original = unicode ? Utf16File(c.original) : c.original;
            std::wstring path = folder.File(L"MainConfAID1.ini");
            ASSERT_TRUE(WriteBytes(path, original));
            Loaded loaded = LoadFile(path);
            EXPECT_EQ(ReadBytes(path), AfterWrites(folder, original, c.writes))
                << c.name << (unicode ? " (UTF-16)" : " (ANSI)");
            EXPECT_EQ(ReadKey(path, L"main", L"App"), L"Orvalen ID1") << c.name;
        }
    }
}

TEST(LoadMainConfig, FirstStartPlacesAtTheMiddleOfTheWorkArea) {
    Loaded loaded = LoadText("[main]\r\nApp=Orvalen ID1\r\nFirstStart=5\r\nPosX=1\r\nPosY=2\r\n");
    RECT area = WorkArea();
    EXPECT_EQ(loaded.settings.PosX, area.right / 2);
    EXPECT_EQ(loaded.settings.PosY, area.bottom / 2);

    Loaded later = LoadText("[main]\r\nApp=Orvalen ID1\r\nFirstStart=0\r\nPosX=1\r\nPosY=2\r\n");
    EXPECT_EQ(later.settings.PosX, 1);
    EXPECT_EQ(later.settings.PosY, 2);
}

TEST(PublishThreadSettings, HandsEachSettingToTheThreads) {
    MainSettings s;
    s.TimeOut = 1234;
    s.LogFileType = 1;
    s.EnableLog = 0;
    s.LogEveryCheck = 1;
    s.CustomSoundError = 2;
    s.TextSpeechSoundError = 3;
    s.LogDir = L"E:\\logs\\";
    s.CustomSoundPathError = L"E:\\err.wav";
    s.TextSpeechTextError = L"%name failed";
    PublishThreadSettings(s);

    const CSharedSettings& shared = CSharedSettings::Get();
    EXPECT_EQ(g_dwTimeOut.load(), 1234u);
    EXPECT_EQ(g_nLogFileType.load(), 1);
    EXPECT_EQ(shared.EnableLog.load(), 0);
    EXPECT_EQ(shared.LogEveryCheck.load(), 1);
    EXPECT_EQ(shared.CustomSoundError.load(), 2);
    EXPECT_EQ(shared.TextSpeechSoundError.load(), 3);
    EXPECT_EQ(shared.LogDir(), L"E:\\logs\\");
    EXPECT_EQ(shared.CustomSoundPathError(), L"E:\\err.wav");
    EXPECT_EQ(shared.TextSpeechTextError(), L"%name failed");
}
