// The Default buttons of the Options and monitor dialogs, on the real dialogs with every
// field of theirs away from its default: what each button puts back is what the key
// table gives a missing key, read from the table; what it keeps stays as typed.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <type_traits>
#include <variant>

#include "dialogs/MonitorDialog.h"
#include "dialogs/PropertiesDlg.h"
#include "framework/StringUtil.h"
#include "model/MonitorTypes.h"
#include "model/SettingKeys.h"
#include "resource.h"
#include "support/TempFiles.h"

namespace {

// The dialog, running `body` once it is up and ending with Cancel (nothing is written).
template <class Dialog>
class Probe : public Dialog {
public:
    std::function<void(HWND)> body;

protected:
    BOOL OnInitDialog() override {
        Dialog::OnInitDialog();
        body(this->m_hWnd);
        this->EndDialog(IDCANCEL);
        return TRUE;
    }
};

// A key's field away from its default: a text gains a letter, a number is one less (a
// switch flips; a value of 0 becomes 1).
template <class S>
void MoveAway(const SettingKey<S>& row, S& s) {
    std::visit(
        [&](auto member) {
            using F = std::decay_t<decltype(s.*member)>;
            if constexpr (std::is_same_v<F, std::wstring>)
                s.*member = std::wstring(row.textDefault) + L"x";
            else
                s.*member = static_cast<F>(row.numberDefault == 0 ? 1u : row.numberDefault - 1);
        },
        row.field);
}

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
LRESULT Ask(HWND dialog, int id, UINT message) { return SendDlgItemMessageW(dialog, id, message, 0, 0); }
void Press(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

TEST(DefaultButtons, OptionsGiveTheTablesDefaultsButKeepTheDoubleClickProgram) {
    Probe<CPropertiesDlg> dlg;
    MainSettings typed;
    for (const auto& row : MainKeys())
        if (row.In(kOptionKeys)) MoveAway(row, typed);
    CopySettingKeys(MainKeys(), typed, dlg.Settings(), kOptionKeys);
    dlg.m_nInstance = 4;
    dlg.m_strDefaultLogDir = L"C:\\data\\Logs\\";

    MainSettings expected;  // as every key reads when missing
    expected.DCOBEFPath = typed.DCOBEFPath;
    expected.DCOBEFParameters = typed.DCOBEFParameters;
    expected.LogDir = dlg.m_strDefaultLogDir;  // what the table's empty folder stands for
    dlg.body = [&](HWND d) {
        Press(d, IDC_DEFAULT);
        // What the exchange does not carry, as the controls show it.
        EXPECT_EQ(Ask(d, IDC_OPT_LOG_MODE, CB_GETCURSEL), expected.LogEveryCheck);
        EXPECT_EQ(static_cast<UINT>(Ask(d, IDC_OPT_VOLUME, TBM_GETPOS)), expected.Volume);
        EXPECT_EQ(LOWORD(Ask(d, IDC_OPT_WIDTH_SPIN, UDM_GETPOS)), expected.XBox);
        EXPECT_EQ(LOWORD(Ask(d, IDC_OPT_HEIGHT_SPIN, UDM_GETPOS)), expected.YBox);
        EXPECT_EQ(LOWORD(Ask(d, IDC_OPT_TIMEOUT_SPIN, UDM_GETPOS)), expected.TimeOut);
        EXPECT_EQ(Enabled(d, IDC_OPT_DBLCLICK_PATH), expected.DCOBEFE != 0);
        EXPECT_EQ(Enabled(d, IDC_OPT_CUSTOM_SOUND_PATH), expected.CustomSoundError != 0);
        EXPECT_EQ(Enabled(d, IDC_OPT_SPEECH_TEXT), expected.TextSpeechSoundError != 0);
        EXPECT_TRUE(Checked(d, IDC_OPT_RUN_AT_STARTUP));
        ASSERT_TRUE(dlg.UpdateData(true));  // every other field from its control
    };
    dlg.DoModal();
    for (const auto& row : MainKeys()) {
        if (!row.In(kOptionKeys)) continue;
        EXPECT_TRUE(SettingKeyEqual(row, expected, dlg.Settings())) << fw::ToNarrow(row.key);
    }
}

TEST(DefaultButtons, MonitorDialogGivesTheTablesDefaultsButKeepsNameAddressSoundsAndProgram) {
    CTempFolder data;
    CreateDirectoryW(data.File(L"Pictures").c_str(), nullptr);
    Probe<CBoxPropertiesDlg> dlg;
    MonitorSettings typed;
    for (const auto& row : MonitorKeys())
        if (row.In(kMonitorDialogKeys)) MoveAway(row, typed);
    dlg.LoadSettings(typed);
    dlg.m_strDataFolder = data.Path().substr(0, data.Path().size() - 1);

    const MonitorSettings d = DefaultMonitorSettings();
    const auto kept = [](const std::wstring& key) {
        return key == L"Name" || key == L"IPorURLAddress" || key.rfind(L"CustSound", 0) == 0 ||
               key.rfind(L"TextSpeechString", 0) == 0 || key == L"ExecFilePath" || key == L"ExecFileParam" ||
               key == L"ExecFileStatusCheck" || key == L"nEF";
    };
    dlg.body = [&](HWND h) {
        Press(h, IDC_DEFAULT);
        const struct {
            int id;
            bool checked;
        } shown[] = {
            {IDC_MON_PING, d.CheckMethod == METHOD_PING}, {IDC_MON_TCP, d.CheckMethod == METHOD_TCP},
            {IDC_MON_URL, d.CheckMethod == METHOD_URL},   {IDC_MON_IPV4, d.IPv == IPVER_4},
            {IDC_MON_IPV6, d.IPv == IPVER_6},             {IDC_MON_SOUND_UP, (d.Sound & 0x01) != 0},
            {IDC_MON_SOUND_ERROR, (d.Sound & 0x08) != 0}, {IDC_MON_MSGBOX_DOWN, (d.MsgBox & 0x02) != 0},
        };
        for (const auto& c : shown) EXPECT_EQ(Checked(h, c.id), c.checked) << c.id;
        EXPECT_EQ(LOWORD(Ask(h, IDC_MON_INTERVAL_SPIN, UDM_GETPOS)), d.CheckInterval);
        EXPECT_EQ(LOWORD(Ask(h, IDC_MON_MSGBOX_SPIN, UDM_GETPOS)), d.nMSGB);
        EXPECT_EQ(LOWORD(Ask(h, IDC_MON_SOUND_SPIN, UDM_GETPOS)), d.nPS);
        EXPECT_EQ(fw::GetWindowTextString(GetDlgItem(h, IDC_MON_SOUND_COUNT)), std::to_wstring(d.nPS));
        ASSERT_TRUE(dlg.UpdateData(true));
    };
    dlg.DoModal();
    MonitorSettings out;
    dlg.StoreSettings(out);
    for (const auto& row : MonitorKeys()) {
        if (!row.In(kMonitorDialogKeys)) continue;
        EXPECT_TRUE(SettingKeyEqual(row, kept(row.key) ? typed : d, out))
            << fw::ToNarrow(row.key) << (kept(row.key) ? " kept" : " default");
    }
}

}  // namespace
