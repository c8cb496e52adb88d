// The main configuration file: loading (limits, forms, defaults, which sections, what
// loading writes), saving a monitor's section, and applying and saving the options.
#include <gtest/gtest.h>

#include <objbase.h>
#include <iterator>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "app/MainDlg.h"
#include "model/GlobalSettings.h"
#include "model/MainConfig.h"
#include "model/SettingKeys.h"
#include "model/SharedSettings.h"
#include "support/ScopedAppData.h"

namespace {

// "key=value" lines of a section as they stand in the file, in file order.
std::vector<std::wstring> SectionLines(const std::wstring& path, const wchar_t* section) {
    std::vector<wchar_t> buffer(16384);
    DWORD n = GetPrivateProfileSectionW(section, buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
    std::vector<std::wstring> lines;
    for (DWORD i = 0; i < n && buffer[i]; i += static_cast<DWORD>(lines.back().size()) + 1)
        lines.emplace_back(&buffer[i]);
    return lines;
}

// The key names of a section, in file order.
std::vector<std::wstring> SectionKeys(const std::wstring& path, const wchar_t* section) {
    std::vector<std::wstring> keys;
    for (const std::wstring& line : SectionLines(path, section)) keys.push_back(line.substr(0, line.find(L'=')));
    return keys;
}

// A value for every key that differs from its default, survives the key's load limit
// and tests the quote rules: thresholds and other numbers at and above 65535 included.
template <class S>
void SetDistinctValues(const std::vector<SettingKey<S>>& table, S& s) {
    const wchar_t* frames[][2] = {{L"\"", L"\""}, {L" ", L" "}, {L"'", L"'"}, {L"", L""}};
    uint32_t i = 0;
    for (const auto& row : table) {
        ++i;
        if (auto* field = std::get_if<std::wstring S::*>(&row.field)) {
            s.**field = frames[i % 4][0] + std::wstring(row.key) + frames[i % 4][1];
            continue;
        }
        uint32_t value = 65535 + i;
        if (row.limit == KeyLimit::LowByte) value = i;
        if (row.limit == KeyLimit::Range) value = static_cast<uint32_t>(row.low + 1 + i % 5);
        std::visit(
            [&](auto member) {
                using F = std::decay_t<decltype(s.*member)>;
                if constexpr (!std::is_same_v<F, std::wstring>) s.*member = static_cast<F>(value);
            },
            row.field);
    }
}

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
    EXPECT_TRUE(WriteBytes(folder.File(L"MainConfAID1.ini"), text));
    return LoadFile(folder.File(L"MainConfAID1.ini"));
}

std::string Utf16File(const std::string& ascii) {
    std::string bytes = "\xFF\xFE";
    for (char c : ascii) bytes += std::string{c, '\0'};
    return bytes;
}

}  // namespace

// Limits, number forms and defaults: a row per key line; the value as saving would write it.
TEST(LoadMainConfig, KeysAreReadWithTheirLimitsFormsAndDefaults) {
    const struct {
        bool box;          // section "Box 0", else "main"
        std::string line;  // empty: the key is missing
        const wchar_t* key;
        std::wstring expected;
    } cases[] = {
        {false, "XBox=59", L"XBox", L"60"},          {false, "XBox=201", L"XBox", L"200"},
        {false, "XBox=0x80", L"XBox", L"60"},        {false, "", L"XBox", L"110"},  // signed: decimal only
        {false, "YBox=151", L"YBox", L"150"},        {false, "NumBox=-3", L"NumBox", L"1"},
        {false, "NumBox=500", L"NumBox", L"70"},     {false, "NumBox=69", L"NumBox", L"69"},
        {false, "TimeOut=0x10", L"TimeOut", L"16"},  {false, "TimeOut=3000x", L"TimeOut", L"3000"},
        {false, "ShowMethod=257", L"ShowMethod", L"1"}, {false, "PosX=-50", L"PosX", L"-50"},
        {false, "TextSpeechTextError=", L"TextSpeechTextError", L""},  // present but empty: no default
        // An empty logs folder would mean the current folder: the default stands in.
        {false, "LogDir=", L"LogDir", kLogs},        {false, "LogDir=D:\\l\\", L"LogDir", L"D:\\l\\"},
        {true, "CheckInterval=0", L"CheckInterval", L"1"}, {true, "", L"CheckInterval", L"3"},
        {true, "Sound=-1", L"Sound", L"255"},        {true, "Sound=0x3", L"Sound", L"0"},
        {true, "MsgBox=-1", L"MsgBox", L"4294967295"}, {true, "PicTypeUp=0x2", L"PicTypeUp", L"2"},
        {true, "Port=99999", L"Port", L"99999"},     {true, "", L"TextColorDown", L"16777215"},
        // Thresholds at and above the "notified" mark are read and kept.
        {true, "nMSGB=65535", L"nMSGB", L"65535"},   {true, "nPS=70000", L"nPS", L"70000"},
        {true, "", L"Name", L"LOCAL"},               {true, "", L"NetUserName", L"console"},
    };
    for (const auto& c : cases) {
        std::string text = std::string(kOwnHeader) + (c.box ? "[Box 0]\r\n" : "");
        if (!c.line.empty()) text += c.line + "\r\n";
        Loaded loaded = LoadText(text);
        ASSERT_FALSE(loaded.records.empty());
        std::wstring got = c.box ? SettingKeyText(*FindSettingKey(MonitorKeys(), c.key), loaded.records[0]->Settings())
                                 : SettingKeyText(*FindSettingKey(MainKeys(), c.key), loaded.settings);
        EXPECT_EQ(got, c.expected) << c.line << " " << c.key;
    }
}

// Sections 0..NumBox-1 in slot order (missing ones read as the default monitor), their
// picture paths (inside the pictures folder, whatever the name says), and the URL host and
// port of URL monitors only.
TEST(LoadMainConfig, ReadsTheFirstNumBoxSectionsIntoRecords) {
    Loaded loaded = LoadText(std::string(kOwnHeader) +
                             "NumBox=3\r\n[Box 3]\r\nName=beyond\r\n[Box 1]\r\nName=second\r\nCheckMethod=3\r\n"
                             "IPorURLAddress=http://server.lan:8080/x\r\nPicFileUp=up.ico\r\nPicFileDown=\r\n"
                             "[Box 0]\r\nCheckMethod=2\r\nIPorURLAddress=http://server.lan:8080/x\r\n"
                             "[Box 2]\r\nPicFileUp=..\\..\\x.ico\r\nPicFileDown=C:\\Windows\\NUL.ico\r\n");
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
    EXPECT_EQ(loaded.records[2]->m_strPicPathUp, std::wstring(kPictures) + L"x.ico");
    EXPECT_EQ(loaded.records[2]->m_strPicPathDown, kPictures);
    EXPECT_EQ(url.m_strUrlHost, L"server.lan");
    EXPECT_EQ(url.m_nUrlPort, 8080u);
    EXPECT_EQ(loaded.records[0]->m_strUrlHost, L"");  // a TCP monitor has no URL host
    EXPECT_EQ(loaded.records[0]->m_nUrlPort, 80u);
    EXPECT_EQ(LoadText("[main]\r\nNumBox=500\r\nFirstStart=0\r\n").records.size(), 70u);
}

// Loading writes only the identity (when it differs, also in letter case) and, at a
// first start, the placement at the middle of the work area; every other byte stays.
TEST(LoadMainConfig, WritesOnlyIdentityAndFirstStartPlacement) {
    RECT area = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
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

// Saving writes the whole section in order and form, touches no other section, and every
// key (of "main" too) reads back as it was.
TEST(SaveMonitor, WritesTheWholeSectionInOrderAndFormAndEveryKeyRoundTrips) {
    CTempFolder folder;
    const std::wstring path = folder.File(L"MainConfAID1.ini");
    ASSERT_TRUE(WriteBytes(path, "[Box 1]\r\nName=kept\r\n"));
    CIniFile ini;
    ini.SetPath(path);

    CMonitorRecord r(nullptr, 0);
    SetDistinctValues(MonitorKeys(), r.Settings());
    const struct {
        const wchar_t* key;
        void (*set)(MonitorSettings&);
        const wchar_t* text;
    } forms[] = {
        {L"Sound", [](MonitorSettings& s) { s.Sound = 0x0F; }, L"15"},
        {L"Disabled", [](MonitorSettings& s) { s.Disabled = 1; }, L"1"},
        {L"PicTypeUp", [](MonitorSettings& s) { s.PicTypeUp = -2; }, L"-2"},
        {L"BoxColorDown", [](MonitorSettings& s) { s.BoxColorDown = 0x797979; }, L"7960953"},
        {L"TextColorDown", [](MonitorSettings& s) { s.TextColorDown = 0xFFFFFF; }, L"16777215"},
        {L"ExecFileStatusCheck", [](MonitorSettings& s) { s.ExecFileStatusCheck = 0xFFFFFFFF; }, L"4294967295"},
        {L"ExecFilePath", [](MonitorSettings& s) { s.ExecFilePath.clear(); }, L""},
    };
    for (const auto& f : forms) f.set(r.Settings());
    WriteMonitorSection(ini, 0, r);
    WriteMonitorSection(ini, 69, r);

    // The saving order of the file format.
    std::wistringstream order(
        L"Name PicTypeUp PicTypeDown BoxColorUp BoxColorDown TextColorUp TextColorDown PicFileUp PicFileDown "
        L"IPorURLAddress IPv Port CheckMethod Sound Logging MsgBox CustSoundPathUp CustSoundPathDown "
        L"CustSoundPathOpen CustSoundPathClose CustSoundTcpPathDown CustSoundPathSnF CustomSoundCheck "
        L"TextSpeechStringUp TextSpeechStringDown TextSpeechStringOpen TextSpeechStringClose TextSpeechStringTDown "
        L"TextSpeechStringSnF TextSpeechCheck ExecFilePath ExecFileParam ExecFileStatusCheck ExecFileCheck nMSGB "
        L"nPS nEF MsgBoxDesc Phrase CheckInterval Disabled NetUserName");
    const std::vector<std::wstring> keys{std::istream_iterator<std::wstring, wchar_t>(order), {}};
    ASSERT_EQ(keys.size(), 42u);
    EXPECT_EQ(SectionKeys(path, L"Box 0"), keys);
    EXPECT_EQ(SectionKeys(path, L"Box 69"), keys);
    EXPECT_EQ(SectionLines(path, L"Box 1"), std::vector<std::wstring>{L"Name=kept"});
    for (const auto& f : forms) EXPECT_EQ(ini.ReadString(L"Box 0", f.key, L"?"), f.text) << f.key;
    CMonitorRecord loaded(nullptr, 69);
    ReadMonitorSection(ini, 69, L"", loaded);
    for (const auto& row : MonitorKeys()) EXPECT_TRUE(SettingKeyEqual(row, r.Settings(), loaded.Settings())) << row.key;

    MainSettings main, mainLoaded;
    SetDistinctValues(MainKeys(), main);
    main.PosX = -5;
    WriteSettingKeys(ini, kMainSection, MainKeys(), main);
    ini.WriteInt(kMainSection, L"FirstStart", 0);
    ReadMainSettings(ini, L"C:\\logs\\", mainLoaded);
    for (const auto& row : MainKeys()) EXPECT_TRUE(SettingKeyEqual(row, main, mainLoaded)) << row.key;
}

namespace {
template <class S>
void ExpectEveryFieldFindsItsRow(const std::vector<SettingKey<S>>& table) {
    for (const auto& row : table)
        std::visit([&](auto field) { EXPECT_EQ(FindSettingKey(table, field), &row) << row.key; }, row.field);
}
}  // namespace

// A single key is written by naming its field: each field has exactly its own row, and
// the write touches that key alone, in the row's form.
TEST(SettingKeys, ASingleKeyIsWrittenByItsField) {
    ExpectEveryFieldFindsItsRow(MonitorKeys());
    ExpectEveryFieldFindsItsRow(MainKeys());

    CTempFolder folder;
    CIniFile ini;
    ini.SetPath(folder.File(L"MainConfAID1.ini"));
    MonitorSettings monitor;
    monitor.Sound = 0xFFFFFFFF;  // unsigned form
    MainSettings main;
    main.PosX = -7;  // signed form
    EXPECT_TRUE(WriteSettingField(ini, L"Box 3", MonitorKeys(), monitor, &MonitorSettings::Sound));
    EXPECT_TRUE(WriteSettingField(ini, kMainSection, MainKeys(), main, &MainSettings::PosX));
    EXPECT_EQ(SectionLines(ini.GetPath(), L"Box 3"), std::vector<std::wstring>{L"Sound=4294967295"});
    EXPECT_EQ(SectionLines(ini.GetPath(), L"main"), std::vector<std::wstring>{L"PosX=-7"});
}

namespace {

// A window object on a plain window of its own, with its own application-data folder.
class OptionsWindow : public CMainDlg {
public:
    OptionsWindow() : CMainDlg(nullptr, 0) {
        m_hWnd = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"strip", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                 nullptr, nullptr, nullptr);
        SetWindowSubclass();
    }
    ~OptionsWindow() override {
        OnDestroy();
        DestroyWindow(m_hWnd);
    }
    static int s_shows;  // WM_SHOWWINDOW seen by the strip

private:
    void SetWindowSubclass() {
        s_previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc)));
    }
    static LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_SHOWWINDOW) ++s_shows;
        return CallWindowProcW(s_previous, hwnd, msg, wp, lp);
    }
    static WNDPROC s_previous;
};
int OptionsWindow::s_shows = 0;
WNDPROC OptionsWindow::s_previous = nullptr;

}  // namespace

TEST(OnOptionsApplied, TakesTheValuesIntoForceAndWritesThem) {
    CoInitialize(nullptr);
    CTempAppData appData;
    OptionsWindow strip;
    ASSERT_TRUE(strip.HasDataFolder());

    MainSettings values = strip.Settings();
    SetDistinctValues(MainKeys(), values);
    values.HideTaskBarButton = 0;  // switched from the default 1
    values.LogFileType = 1;
    HWND dialog = CreateWindowExW(0, L"STATIC", L"options", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, nullptr, nullptr,
                                  nullptr, nullptr);
    OptionsWindow::s_shows = 0;
    EXPECT_EQ(strip.OnOptionsApplied(values, dialog), 0);

    // Every option value is written (their order and the window's new size: the Options
    // end-to-end test).
    MainSettings written;
    CIniFile file;
    file.SetPath(strip.MainIniPath());
    ReadMainSettings(file, L"", written);
    for (const auto& row : MainKeys())
        if (row.In(kOptionKeys)) EXPECT_TRUE(SettingKeyEqual(row, values, written)) << row.key;
    // In force for the window and for the running threads.
    EXPECT_EQ(strip.Settings().XBox, values.XBox);
    EXPECT_EQ(g_dwTimeOut.load(), values.TimeOut);
    EXPECT_EQ(g_nLogFileType.load(), 1);
    const CSharedSettings& shared = CSharedSettings::Get();
    EXPECT_EQ(shared.LogDir(), values.LogDir);
    EXPECT_EQ(shared.CustomSoundPathError(), values.CustomSoundPathError);
    EXPECT_EQ(shared.TextSpeechTextError(), values.TextSpeechTextError);
    EXPECT_EQ(shared.EnableLog.load(), values.EnableLog);
    EXPECT_EQ(shared.LogEveryCheck.load(), values.LogEveryCheck);
    EXPECT_EQ(shared.CustomSoundError.load(), values.CustomSoundError);
    EXPECT_EQ(shared.TextSpeechSoundError.load(), values.TextSpeechSoundError);
    // Window kept, taskbar button switched: hidden, shown again.
    EXPECT_EQ(OptionsWindow::s_shows, 2);
    EXPECT_TRUE(IsWindowVisible(strip.m_hWnd));
    EXPECT_TRUE(GetWindowLongW(strip.m_hWnd, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_EQ(strip.Settings().HideTaskBarButton, 0);
    EXPECT_EQ(GetFocus(), dialog);

    // The same switch again: the window is neither hidden nor shown; a hidden dialog
    // gets no focus.
    SetFocus(strip.m_hWnd);
    ShowWindow(dialog, SW_HIDE);
    OptionsWindow::s_shows = 0;
    strip.OnOptionsApplied(values, dialog);
    EXPECT_EQ(OptionsWindow::s_shows, 0);
    EXPECT_NE(GetFocus(), dialog);
    DestroyWindow(dialog);
    CoUninitialize();
}
