// Saving: one monitor's whole section, and the options applied and written by the window.
#include <gtest/gtest.h>

#include <objbase.h>
#include <string>
#include <type_traits>
#include <vector>

#include "app/MainDlg.h"
#include "app/StripGeometry.h"
#include "ConfigTestSupport.h"
#include "model/GlobalSettings.h"
#include "model/SettingKeys.h"
#include "model/SharedSettings.h"

namespace {

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

}  // namespace

TEST(SettingKeys, EveryKeyRoundTripsThroughTheFile) {
    CTempFolder folder;
    CIniFile ini;
    ini.SetPath(folder.File(L"MainConfAID1.ini"));

    MonitorSettings box;
    SetDistinctValues(MonitorKeys(), box);
    WriteMonitorSection(ini, 3, box);
    CMonitorRecord loaded(nullptr, 3);
    ReadMonitorSection(ini, 3, L"", loaded);
    for (const auto& row : MonitorKeys()) EXPECT_TRUE(SettingKeyEqual(row, box, loaded.Settings())) << row.key;

    MainSettings main;
    SetDistinctValues(MainKeys(), main);
    WriteSettingKeys(ini, kMainSection, MainKeys(), main);
    MainSettings mainLoaded;
    ReadMainSettings(ini, L"C:\\logs\\", mainLoaded);
    for (const auto& row : MainKeys())
        if (std::wstring(row.key) != L"PosX" && std::wstring(row.key) != L"PosY")  // first start places the window
            EXPECT_TRUE(SettingKeyEqual(row, main, mainLoaded)) << row.key;
}

TEST(SaveMonitor, WritesTheWholeSectionInOrderAndFormAndNoOther) {
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
        {L"MsgBox", [](MonitorSettings& s) { s.MsgBox = 0xFFFFFFFF; }, L"4294967295"},
        {L"ExecFilePath", [](MonitorSettings& s) { s.ExecFilePath.clear(); }, L""},
    };
    for (const auto& f : forms) f.set(r.Settings());
    WriteMonitorSection(ini, 0, r);
    WriteMonitorSection(ini, 69, r);

    std::vector<std::wstring> keys;
    for (const auto& row : MonitorKeys()) keys.push_back(row.key);
    ASSERT_EQ(keys.size(), 42u);
    EXPECT_EQ(SectionKeys(path, L"Box 0"), keys);
    EXPECT_EQ(SectionKeys(path, L"Box 69"), keys);
    EXPECT_EQ(SectionLines(path, L"Box 1"), std::vector<std::wstring>{L"Name=kept"});
    for (const auto& f : forms) EXPECT_EQ(ReadKey(path, L"Box 0", f.key), f.text) << f.key;
    // An empty text is a present, empty key.
    EXPECT_EQ(ReadKey(path, L"Box 0", L"ExecFilePath"), L"");
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

TEST(OnOptionsApplied, TakesTheValuesIntoForceAndWritesTheTwentyKeysInOrder) {
    CoInitialize(nullptr);
    CTempFolder appData;
    SetEnvironmentVariableW(L"APPDATA", appData.Path().c_str());
    OptionsWindow strip;
    ASSERT_TRUE(strip.HasDataFolder());
    const std::vector<std::wstring> before = SectionKeys(strip.m_strMainIniPath, L"main");

    MainSettings values = strip.Settings();
    SetDistinctValues(MainKeys(), values);
    values.HideTaskBarButton = 0;  // switched from the default 1
    values.LogFileType = 1;
    HWND dialog = CreateWindowExW(0, L"STATIC", L"options", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, nullptr, nullptr,
                                  nullptr, nullptr);
    OptionsWindow::s_shows = 0;
    EXPECT_EQ(strip.OnOptionsApplied(values, dialog), 0);

    // Written: the 20 option keys, in order, after what loading wrote; no other key.
    std::vector<std::wstring> expected = before;
    for (const auto& row : MainKeys()) {
        if (!row.In(kOptionKeys)) continue;
        expected.push_back(row.key);
        EXPECT_EQ(ReadKey(strip.m_strMainIniPath, L"main", row.key), SettingKeyText(row, values)) << row.key;
    }
    ASSERT_EQ(expected.size(), before.size() + 20);
    EXPECT_EQ(SectionKeys(strip.m_strMainIniPath, L"main"), expected);
    // In force for the window and for the running threads.
    EXPECT_EQ(strip.XBox, values.XBox);
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
    // Window kept (fitted to the new box size), taskbar button switched: hidden, shown again.
    RECT rect = {};
    GetWindowRect(strip.m_hWnd, &rect);
    SIZE size = StripWindowSize({strip.NumBox, strip.WinPos != 0, values.XBox, values.YBox});
    EXPECT_EQ(rect.right - rect.left, size.cx);
    EXPECT_EQ(rect.bottom - rect.top, size.cy);
    EXPECT_EQ(OptionsWindow::s_shows, 2);
    EXPECT_TRUE(IsWindowVisible(strip.m_hWnd));
    EXPECT_EQ(strip.HideTaskBarButton, 0);
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
