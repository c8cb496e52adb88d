// The exchange between a settings dialog's controls and its fields, run on a real
// dialog (the monitor dialog's template) as the user leaves the controls.
#include <gtest/gtest.h>

#include <functional>

#include "framework/SettingsDialog.h"
#include "resource.h"
#include "support/MessageBoxWatcher.h"

namespace {

// Runs `body` inside OnInitDialog of a dialog whose exchange is `exchange`.
class ProbeDialog : public fw::CSettingsDialog {
public:
    ProbeDialog() : CSettingsDialog(IDD_MONITOR_DIALOG, nullptr) {}
    std::function<void(fw::CDataExchange&)> exchange;
    std::function<void()> body;
    int editChanges = 0;  // EN_CHANGE notifications that reached the dialog

protected:
    BOOL OnCommand(WORD id, WORD code, HWND control) override {
        if (code == EN_CHANGE) ++editChanges;
        return CSettingsDialog::OnCommand(id, code, control);
    }
    void DoDataExchange(fw::CDataExchange& dx) override { exchange(dx); }
    BOOL OnInitDialog() override {
        CSettingsDialog::OnInitDialog();
        body();
        EndDialog(IDOK);
        return TRUE;
    }
};

constexpr wchar_t kNotANumber[] = L"Enter a positive integer.";

TEST(ParseUnsignedField, DigitsBetweenBlanksThatFitIn32Bits) {
    const struct {
        const wchar_t* text;
        bool ok;
        UINT value;
    } cases[] = {
        {L"80", true, 80},          {L"0", true, 0},          {L"  42 ", true, 42},
        {L"4294967295", true, 4294967295u},                   {L"4294967296", false, 0},
        {L"", false, 0},            {L"   ", false, 0},       {L"-1", false, 0},
        {L"+5", false, 0},          {L"12ab", false, 0},      {L"1 2", false, 0},
        {L"99999999999999999999", false, 0},
    };
    for (const auto& c : cases) {
        UINT value = 7;
        EXPECT_EQ(fw::ParseUnsignedField(c.text, value), c.ok) << c.text;
        EXPECT_EQ(value, c.ok ? c.value : 7u) << c.text;
    }
}

TEST(DataExchange, UnsignedFieldsKeepTheirValueAndTellTheUserOnce) {
    CMessageBoxWatcher boxes;
    ProbeDialog dlg;
    UINT port = 80, interval = 3;
    dlg.exchange = [&](fw::CDataExchange& dx) {
        dx.Unsigned(IDC_MON_PORT, port);
        dx.Unsigned(IDC_MON_INTERVAL, interval);
    };
    const struct {
        const wchar_t* portText;
        const wchar_t* intervalText;
        UINT port, interval;
        bool ok;
    } cases[] = {
        {L"8080", L"10", 8080, 10, true},
        {L"", L"30", 8080, 30, false},     // the bad field keeps its value, the next is still taken
        {L"x", L"", 8080, 30, false},      // two bad fields: one message
        {L"70000", L" 5 ", 70000, 5, true},
    };
    dlg.body = [&] {
        for (const auto& c : cases) {
            SetDlgItemTextW(dlg.m_hWnd, IDC_MON_PORT, c.portText);
            SetDlgItemTextW(dlg.m_hWnd, IDC_MON_INTERVAL, c.intervalText);
            EXPECT_EQ(dlg.UpdateData(true), c.ok) << c.portText;
            EXPECT_EQ(port, c.port) << c.portText;
            EXPECT_EQ(interval, c.interval) << c.portText;
            auto shown = boxes.Take();
            EXPECT_EQ(shown, c.ok ? std::vector<std::wstring>{} : std::vector<std::wstring>{kNotANumber}) << c.portText;
        }
        // Giving the fields back writes them in decimal, without telling the dialog that
        // its edits changed; the user's typing still does.
        port = 65535;
        dlg.editChanges = 0;
        dlg.UpdateData(false);
        wchar_t text[16] = {};
        GetDlgItemTextW(dlg.m_hWnd, IDC_MON_PORT, text, 16);
        EXPECT_STREQ(text, L"65535");
        EXPECT_EQ(dlg.editChanges, 0);
        SetDlgItemTextW(dlg.m_hWnd, IDC_MON_PORT, L"1");
        EXPECT_EQ(dlg.editChanges, 1);
    };
    ASSERT_EQ(dlg.DoModal(), IDOK);
}

TEST(DataExchange, TextsChecksRadiosAndComboTextsGoBothWays) {
    ProbeDialog dlg;
    std::wstring name, skin;
    int sound = 0, method = 0;
    dlg.exchange = [&](fw::CDataExchange& dx) {
        dx.Text(IDC_MON_NAME, name);
        dx.Check(IDC_MON_SOUND_UP, sound);
        dx.Radio(IDC_MON_PING, method);  // Ping, URL, TCP in template order
        dx.ComboText(IDC_MON_SKIN, skin);
    };
    const struct {
        const wchar_t* name;
        int sound, method;
        const wchar_t* skin;
    } cases[] = {
        {L"web & mail", BST_CHECKED, 2, L"Default"},
        {L"", BST_UNCHECKED, 0, L""},
        {L"x", BST_CHECKED, 1, L"Custom"},
    };
    dlg.body = [&] {
        for (const auto& c : cases) {
            name = c.name, sound = c.sound, method = c.method, skin = c.skin;
            dlg.UpdateData(false);
            // Exactly the chosen radio of the group is checked.
            const int radios[] = {IDC_MON_PING, IDC_MON_URL, IDC_MON_TCP};
            for (int i = 0; i < 3; ++i)
                EXPECT_EQ(IsDlgButtonChecked(dlg.m_hWnd, radios[i]), i == c.method ? 1u : 0u) << c.name << i;
            name.clear(), skin.clear(), sound = -5, method = -5;
            EXPECT_TRUE(dlg.UpdateData(true));
            EXPECT_EQ(name, c.name);
            EXPECT_EQ(sound, c.sound) << c.name;
            EXPECT_EQ(method, c.method) << c.name;
            EXPECT_EQ(skin, c.skin);
        }
        // No radio checked reads as -1; the IP-version radios are a group of their own.
        CheckDlgButton(dlg.m_hWnd, IDC_MON_IPV4, BST_CHECKED);
        for (int id : {IDC_MON_PING, IDC_MON_URL, IDC_MON_TCP}) CheckDlgButton(dlg.m_hWnd, id, BST_UNCHECKED);
        dlg.UpdateData(true);
        EXPECT_EQ(method, -1);
    };
    ASSERT_EQ(dlg.DoModal(), IDOK);
}

}  // namespace
