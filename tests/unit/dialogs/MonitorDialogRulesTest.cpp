// The monitor dialog's rules: the balloon texts, the address test with its messages,
// and what each check method shows (run on the real dialog, clicking its radios).
#include <gtest/gtest.h>

#include <functional>
#include <winsock2.h>

#include "dialogs/MonitorDialog.h"
#include "dialogs/MonitorDialogRules.h"
#include "model/MonitorTypes.h"
#include "resource.h"
#include "support/TempFiles.h"

namespace {

TEST(RepeatBalloonText, CountsAndTheTimeTheyTake) {
    const struct {
        RepeatKind kind;
        bool typed;
        UINT count, interval;
        const wchar_t* expected;
    } cases[] = {
        {RepeatKind::MsgBox, false, 10, 400, L"Show Message Box if IP change Status for 10 Checks = 1 hr 6 min 40 sec."},
        {RepeatKind::Sound, true, 3, 30, L"Play Sound if IP change Status for 3 Checks  = 0 hr 1 min 30 sec."},
        {RepeatKind::MsgBox, false, 999, 500, L"Show Message Box if IP change Status for 999 Checks = 138 hr 45 min 0 sec."},
    };
    for (const auto& c : cases) EXPECT_EQ(RepeatBalloonText(c.kind, c.typed, c.count, c.interval), c.expected);
    EXPECT_EQ(IntervalBalloonText(METHOD_PING), L"");
    EXPECT_NE(IntervalBalloonText(METHOD_TCP).find(L"monitored TCP Service."), std::wstring::npos);
    EXPECT_NE(IntervalBalloonText(METHOD_URL).find(L"monitored Web Service."), std::wstring::npos);
}

class AddressCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    void TearDown() override { WSACleanup(); }
};

TEST_F(AddressCheckTest, HostsAddressesAndUrlsForEachIpVersion) {
    const wchar_t* kV4 = L"The IP Address Edit Box does not contain a valid IPv4 Address or Host.";
    const wchar_t* kV6 = L"The IP Address Edit Box does not contain a valid IPv6 Address or Host.";
    const wchar_t* kUrl4 =
        L"The URL does not contain a valid IPv4 http service type.\nhttp://IPv4Host\nhttp://IPv4Addr\n"
        L"http://IPv4Addr:Port\nhttp://IPv4Addr:Port/index.html";
    const wchar_t* kUrl6 =
        L"The URL does not contain a valid IPv6 http service type.\nhttp://IPv6Host\nhttp://[IPv6 Addr.]\n"
        L"http://[IPv6 Addr.]:Port\nhttp://[IPv6 Addr.]:Port/index.html";
    const struct {
        UINT method, ipv;
        const wchar_t* address;
        bool ok;
        const wchar_t* message;  // when not ok
        const wchar_t* host;     // a URL's server, when ok
        UINT port;
    } cases[] = {
        {METHOD_PING, 0, L"127.0.0.1", true, L"", nullptr, 0},
        {METHOD_PING, 0, L"999.1.1.1", true, L"", nullptr, 0},  // a host name as the test defines it
        {METHOD_PING, 0, L"bad host", false, kV4, nullptr, 0},
        {METHOD_PING, 0, L"", false, kV4, nullptr, 0},
        {METHOD_TCP, 0, L"::1", false, kV4, nullptr, 0},
        {METHOD_TCP, 1, L"::1", true, L"", nullptr, 0},
        {METHOD_PING, 1, L"fe80::1", true, L"", nullptr, 0},
        {METHOD_PING, 1, L"host.example", true, L"", nullptr, 0},
        {METHOD_PING, 1, L"[::1]", false, kV6, nullptr, 0},
        {METHOD_PING, 2, L"127.0.0.1", false, L"", nullptr, 0},  // no IP version: no message
        {METHOD_URL, 0, L"http://127.0.0.1:8080/x.html", true, L"", L"127.0.0.1", 8080},
        {METHOD_URL, 0, L"HTTP://web.local", true, L"", L"web.local", 80},
        {METHOD_URL, 0, L"https://web.local", false, kUrl4, nullptr, 0},
        {METHOD_URL, 0, L"ftp://web.local", false, kUrl4, nullptr, 0},
        {METHOD_URL, 0, L"http://", false, kUrl4, nullptr, 0},
        {METHOD_URL, 0, L"http://host:70000/", false, kUrl4, nullptr, 0},
        {METHOD_URL, 1, L"http://[::1]:8081/", true, L"", L"::1", 8081},
        {METHOD_URL, 1, L"http://[fe80::1]", true, L"", L"fe80::1", 80},
        {METHOD_URL, 1, L"web.local", false, kUrl6, nullptr, 0},
        {METHOD_URL, 0, L"http://127.0.0.1:9/a --output C:\\x.exe", false, kUrl4, nullptr, 0},
        {METHOD_URL, 1, L"http://[::1]:9/a --output C:\\x.exe", false, kUrl6, nullptr, 0},
        {METHOD_URL, 3, L"http://web.local", false, L"", nullptr, 0},
        {7, 0, L"", true, L"", nullptr, 0},  // no method: nothing to test
    };
    for (const auto& c : cases) {
        AddressCheck check = CheckMonitorAddress(c.method, c.ipv, c.address, true);
        EXPECT_EQ(check.ok, c.ok) << c.address;
        if (!c.ok) {
            EXPECT_EQ(check.message, c.message) << c.address;
        }
        EXPECT_EQ(check.hasUrl, c.host != nullptr) << c.address;
        if (c.host) {
            EXPECT_EQ(check.urlHost, c.host) << c.address;
            EXPECT_EQ(check.urlPort, c.port) << c.address;
        }
    }
    // The File notification's wording, for the same IP version.
    for (UINT method : {METHOD_PING, METHOD_URL}) {
        const std::wstring file = CheckMonitorAddress(method, 1, L"a b", false).message;
        EXPECT_EQ(file.find(L"Access to File Settings the "), 0u) << file;
        EXPECT_NE(file.find(L"IPv6"), std::wstring::npos) << file;
    }
}

// The real dialog, with a test body run once it is up.
class ProbeMonitorDialog : public CBoxPropertiesDlg {
public:
    std::function<void()> body;

protected:
    BOOL OnInitDialog() override {
        CBoxPropertiesDlg::OnInitDialog();
        body();
        EndDialog(IDCANCEL);
        return TRUE;
    }
};

std::wstring Text(HWND dlg, int id) {
    wchar_t text[128] = {};
    GetDlgItemTextW(dlg, id, text, 128);
    return text;
}

// What each method enables and its interval; the address label follows the IP version.
TEST(MethodLook, EachMethodRadioSetsItsStatesIntervalAndAddressLabel) {
    const struct {
        int radio;
        UINT interval;
        int lowest;
        bool port, phrase, closed;
        const wchar_t *addressV4, *addressV6;
    } cases[] = {
        {IDC_MON_TCP, 10, 3, true, false, true, L"IPv4, Host or Computer Na.", L"IPv6, Host or Computer Na."},
        {IDC_MON_URL, 30, 5, false, true, true, L"URL (http://IPv4)", L"URL (http://[IPv6])"},
        {IDC_MON_PING, 3, 1, false, false, false, L"IPv4, Host or Computer Na.", L"IPv6, Host or Computer Na."},
    };
    ProbeMonitorDialog dlg;
    MonitorSettings start;
    start.CheckMethod = METHOD_PING;
    start.CheckInterval = 77;
    start.Port = 80;
    dlg.LoadSettings(start);
    dlg.body = [&] {
        HWND h = dlg.m_hWnd;
        for (const auto& c : cases) {
            for (int pass = 0; pass < 2; ++pass) {  // the chosen method clicked again resets the interval
                SetDlgItemTextW(h, IDC_MON_INTERVAL, L"123");
                CheckDlgButton(h, IDC_MON_IPV4, BST_CHECKED);
                CheckDlgButton(h, IDC_MON_IPV6, BST_UNCHECKED);
                SendMessageW(h, WM_COMMAND, MAKEWPARAM(IDC_MON_IPV4, BN_CLICKED), 0);
                SendMessageW(GetDlgItem(h, c.radio), BM_CLICK, 0, 0);
                EXPECT_EQ(Text(h, IDC_MON_INTERVAL), std::to_wstring(c.interval)) << c.radio << pass;
            }
            int low = 0, high = 0;
            SendDlgItemMessageW(h, IDC_MON_INTERVAL_SPIN, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                                reinterpret_cast<LPARAM>(&high));
            EXPECT_TRUE(low == c.lowest && high == 500) << c.radio;
            EXPECT_EQ(IsWindowEnabled(GetDlgItem(h, IDC_MON_PORT)) != FALSE, c.port) << c.radio;
            EXPECT_EQ(IsWindowEnabled(GetDlgItem(h, IDC_MON_PHRASE)) != FALSE, c.phrase) << c.radio;
            for (int id : {IDC_MON_TEST_CLOSED, IDC_MON_SOUND_CLOSED, IDC_MON_MSGBOX_CLOSED})
                EXPECT_EQ(IsWindowEnabled(GetDlgItem(h, id)) != FALSE, c.closed) << c.radio << " " << id;
            EXPECT_EQ(Text(h, IDC_MON_ADDRESS_LABEL), c.addressV4) << c.radio;
            SendMessageW(GetDlgItem(h, IDC_MON_IPV6), BM_CLICK, 0, 0);
            EXPECT_EQ(Text(h, IDC_MON_ADDRESS_LABEL), c.addressV6) << c.radio;
        }
    };
    dlg.DoModal();
}

TEST(MonitorDialog, DefaultGivesTheNewMonitorLookAndWritesMissingPictures) {
    CTempFolder data;
    CreateDirectoryW(data.File(L"Pictures").c_str(), nullptr);
    WriteBytes(data.File(L"Pictures\\1274607096_Desktop.ico"), "mine");  // an existing picture stays
    ProbeMonitorDialog dlg;
    MonitorSettings start;
    start.CheckMethod = METHOD_URL;
    start.IPv = IPVER_6;
    start.CheckInterval = 60;
    start.Port = 8080;
    start.nMSGB = 4;
    start.Name = L"kept";
    start.BoxColorUp = 0x123456;
    dlg.LoadSettings(start);
    std::wstring dataFolder = data.Path();
    while (!dataFolder.empty() && dataFolder.back() == L'\\') dataFolder.pop_back();
    dlg.m_strDataFolder = dataFolder;
    dlg.body = [&] {
        HWND h = dlg.m_hWnd;
        SendMessageW(GetDlgItem(h, IDC_DEFAULT), BM_CLICK, 0, 0);
        EXPECT_TRUE(IsDlgButtonChecked(h, IDC_MON_PING) && !IsDlgButtonChecked(h, IDC_MON_URL));
        EXPECT_TRUE(IsDlgButtonChecked(h, IDC_MON_IPV4) && !IsDlgButtonChecked(h, IDC_MON_IPV6));
        for (auto [id, text] : {std::pair<int, const wchar_t*>{IDC_MON_INTERVAL, L"3"}, {IDC_MON_PORT, L"80"},
                                {IDC_MON_PHRASE, L"String Here"}, {IDC_MON_MSGBOX_COUNT, L"0"},
                                {IDC_MON_NAME, L"kept"}, {IDC_MON_SKIN, L"Default"}})
            EXPECT_EQ(Text(h, id), text) << id;
    };
    dlg.DoModal();
    MonitorSettings out;
    dlg.StoreSettings(out);
    EXPECT_EQ(out.BoxColorUp, 0xFED1C5u);
    EXPECT_EQ(out.TextColorDown, 0xFFFFFFu);
    EXPECT_EQ(out.MsgBoxDesc, L"%name is %status");
    EXPECT_EQ(out.PicFileDown, L"1274607096_Desktop_bw.ico");
    EXPECT_EQ(ReadBytes(data.File(L"Pictures\\1274607096_Desktop.ico")), "mine");
    EXPECT_GT(ReadBytes(data.File(L"Pictures\\1274607096_Desktop_bw.ico")).size(), 100u);
}

}  // namespace
