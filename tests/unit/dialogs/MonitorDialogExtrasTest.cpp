// The monitor dialog's pictures, preview, skins, notification check boxes, tests and
// notification settings, on the real dialog: the user's clicks arrive as on screen, and
// a helper thread answers the file chooser, the sub-dialogs and the message boxes as a
// user would, reading what they show.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>
#include <vector>

#include "dialogs/MonitorDialog.h"
#include "engine/SoundThread.h"
#include "framework/GdiHandles.h"
#include "framework/StringUtil.h"
#include "model/IconFile.h"
#include "model/MonitorTypes.h"
#include "resource.h"
#include "support/CommonDialogIds.h"
#include "support/TempFiles.h"
#include "support/WaitUntil.h"

namespace {

// Runs `body` once the dialog is up and painted, then closes it.
class ShownMonitorDialog : public CBoxPropertiesDlg {
public:
    std::function<void()> body;

protected:
    BOOL OnInitDialog() override {
        CBoxPropertiesDlg::OnInitDialog();
        PostMessageW(m_hWnd, WM_APP + 7, 0, 0);
        return TRUE;
    }
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_APP + 7) return CBoxPropertiesDlg::DialogProc(message, wParam, lParam);
        ShowWindow(m_hWnd, SW_SHOWNORMAL);
        UpdateWindow(m_hWnd);
        body();
        EndDialog(IDCANCEL);
        return TRUE;
    }
};

// This process's visible window with that title (a message box's title is the program's).
HWND WaitWindow(const std::wstring& title, int ms = 5000) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
                DWORD pid = 0;
                GetWindowThreadProcessId(w, &pid);
                if (pid == GetCurrentProcessId() && IsWindowVisible(w) && fw::GetWindowTextString(w) == title) found = w;
            }
            return found != nullptr;
        },
        ms);
    return found;
}

std::wstring Text(HWND dialog, int id) { return fw::GetWindowTextString(GetDlgItem(dialog, id)); }
void Type(HWND dialog, int id, const wchar_t* text) {
    SendMessageW(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}
void Press(HWND dialog, int id) {  // from the helper thread: the dialog runs it when it gets there
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
void Click(HWND dialog, int id) {  // on the dialog's own thread, like a mouse click
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}
bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// What the user answers in the next window of that title, on a thread of its own.
class Answer {
public:
    Answer(std::wstring title, std::function<void(HWND)> act)
        : m_thread([title, act] {
              if (HWND w = WaitWindow(title)) act(w);
              else ADD_FAILURE() << "no window " << fw::ToNarrow(title);
          }) {}
    ~Answer() { m_thread.join(); }

private:
    std::thread m_thread;
};

const std::wstring kBoxTitle = L"test_dialogs";  // message boxes carry the program's name
std::wstring MessageText(HWND box) { return Text(box, kMessageBoxText); }

// A 64x64 colour icon of one colour (0xRRGGBB), opaque.
fw::CIcon SolidIcon(uint32_t rgb) {
    BITMAPINFO info = fw::TopDown32BitInfo(64, 64);
    void* bits = nullptr;
    fw::CBitmap colour(CreateDIBSection(fw::CClientDC(nullptr), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    for (int i = 0; i < 64 * 64; ++i) static_cast<uint32_t*>(bits)[i] = 0xFF000000u | rgb;
    std::vector<BYTE> maskBits(64 * 64 / 8, 0);
    const fw::CBitmap mask(CreateBitmap(64, 64, 1, 1, maskBits.data()));
    ICONINFO ii = {TRUE, 0, 0, mask, colour};
    // The icon holds copies of the bitmaps: these go when the function returns.
    return fw::CIcon(CreateIconIndirect(&ii));
}

// What the screen shows at a point of the dialog's client area.
COLORREF PixelAt(HWND dialog, int x, int y) {
    POINT at = {x, y};
    ClientToScreen(dialog, &at);
    return GetPixel(fw::CClientDC(nullptr), at.x, at.y);
}

std::string IniLines(const std::wstring& path) {
    std::string text = ReadBytes(path), out;
    // The file is UTF-16 or 8-bit; keep the ASCII characters of its lines.
    for (char c : text)
        if (c && c != '\r' && static_cast<unsigned char>(c) < 0x80) out.push_back(c);
    return out;
}

std::vector<SoundPlan> g_plans;
void RecordPlan(const SoundPlan& plan) { g_plans.push_back(plan); }

// A TCP monitor "web" in a data folder with Pictures and Skins (a predefined skin "Pre"),
// an icon to choose elsewhere, and a program that records its command line.
class MonitorDialogExtras : public ::testing::Test {
protected:
    void SetUp() override {
        CreateDirectoryW(data.File(L"Pictures").c_str(), nullptr);
        CreateDirectoryW(data.File(L"Skins").c_str(), nullptr);
        const fw::CIcon red = SolidIcon(0xE01010);
        const HICON handles[] = {red};
        ASSERT_TRUE(SaveIconFile(source.File(L"abc.ico").c_str(), handles, 1));
        WriteBytes(data.File(L"Skins\\Pre.ini"), "[skin]\r\nPredefined=1\r\nBoxColorUp=255\r\n");
        standIn = data.File(L"stand-in.exe");
        CopyFileW((fw::ProgramPath().substr(0, fw::ProgramPath().rfind(L'\\') + 1) + L"argrecorder.exe").c_str(),
                  standIn.c_str(), FALSE);
        s.Name = L"web";
        s.IPorURLAddress = L"127.0.0.1";
        s.CheckMethod = METHOD_TCP;
        s.Port = 8080;
        s.CheckInterval = 10;
        s.Sound = 0x05;
        s.MsgBox = 0x0A;
        s.CustomSoundCheck = 0x04;  // Open: both switches stored
        s.TextSpeechCheck = 0x04;
        s.TextSpeechStringOpen = L"%name is Open";
        s.MsgBoxDesc = L"%name is %status";
        s.BoxColorUp = 0x00FF00;
        s.BoxColorDown = 0x0000FF;
    }

    // The dialog on `s`, running `body` with its window.
    void Run(const std::function<void(HWND)>& body) {
        dlg.LoadSettings(s);
        dlg.m_strDataFolder = data.Path().substr(0, data.Path().size() - 1);
        dlg.m_bDefaultSkin = FALSE;
        dlg.body = [&] { body(dlg.m_hWnd); };
        dlg.DoModal();
    }

    CTempFolder data, source;
    std::wstring standIn;
    MonitorSettings s;
    ShownMonitorDialog dlg;
};

TEST_F(MonitorDialogExtras, CheckBoxesMirrorTheMasksAndAClickSetsOnlyItsBit) {
    Run([&](HWND d) {
        const int checks[] = {IDC_MON_SOUND_UP,  IDC_MON_SOUND_DOWN,  IDC_MON_SOUND_CLOSED,  IDC_MON_SOUND_ERROR,
                              IDC_MON_MSGBOX_UP, IDC_MON_MSGBOX_DOWN, IDC_MON_MSGBOX_CLOSED, IDC_MON_MSGBOX_ERROR};
        std::string shown;
        for (int id : checks) shown += Checked(d, id) ? '1' : '0';
        EXPECT_EQ(shown, "10100101");
        Click(d, IDC_MON_SOUND_DOWN);
        Click(d, IDC_MON_MSGBOX_ERROR);
        EXPECT_EQ(static_cast<UINT>(dlg.Sound), 0x07u);
        EXPECT_EQ(static_cast<UINT>(dlg.MsgBox), 0x02u);
        // The Up preview: background and the method line's box.
        EXPECT_EQ(PixelAt(d, 21, 57), 0x00FF00u) << "Up box background";
    });
}

TEST_F(MonitorDialogExtras, AChosenIconIsCopiedAndShownAndItsGreyCopyBecomesDown) {
    Run([&](HWND d) {
        {
            Answer open(L"Open", [&](HWND w) {
                Type(w, kFileNameBox, source.File(L"abc.ico").c_str());
                Press(w, IDOK);
            });
            Click(d, IDC_MON_ICON_UP);
        }
        EXPECT_TRUE(FileExists(data.File(L"Pictures\\abc.ico")));
        EXPECT_EQ(dlg.PicFileUp, L"abc.ico");
        EXPECT_EQ(Text(d, IDC_MON_SKIN), L"Custom");
        EXPECT_EQ(PixelAt(d, 59, 67), RGB(0xE0, 0x10, 0x10)) << "the picture, fitted 25x25 in the middle";
        EXPECT_EQ(PixelAt(d, 44, 67), 0x00FF00u) << "beside the fitted picture";

        // "-Gs->": the grey copy is written and becomes the Down picture.
        Click(d, IDC_MON_GRAY_COPY);
        EXPECT_EQ(dlg.PicFileDown, L"abc_GSC.ico");
        EXPECT_TRUE(FileExists(data.File(L"Pictures\\abc_GSC.ico")));
        const COLORREF grey = PixelAt(d, 149, 67);
        EXPECT_TRUE(GetRValue(grey) == GetGValue(grey) && GetGValue(grey) == GetBValue(grey) && GetRValue(grey) > 0)
            << std::hex << grey;
    });
}

TEST_F(MonitorDialogExtras, SkinsAreAddedChosenAndDeleted) {
    s.PicFileUp = L"abc.ico";
    s.PicFileDown = L"abc_GSC.ico";
    Run([&](HWND d) {
        // Add Skin "Night": the name loses what a file name cannot hold; six keys in order.
        dlg.m_btnTextColorUp.SetColor(0x123456);
        {
            Answer ask(L"Add Skin", [&](HWND w) {
                Type(w, IDC_SKIN_NAME, L"Custom");
                EXPECT_FALSE(Enabled(w, IDOK)) << "Custom";
                Type(w, IDC_SKIN_NAME, L"COM3");
                EXPECT_FALSE(Enabled(w, IDOK)) << "a device name";
                Type(w, IDC_SKIN_NAME, L"Ni/g:ht");
                EXPECT_EQ(Text(w, IDC_SKIN_NAME), L"Night");
                EXPECT_TRUE(Enabled(w, IDOK));
                Press(w, IDOK);
            });
            Click(d, IDC_MON_ADD_SKIN);
        }
        EXPECT_EQ(IniLines(data.File(L"Skins\\Night.ini")),
                  "[skin]\nPicFileUp=abc.ico\nPicFileDown=abc_GSC.ico\nBoxColorUp=65280\nBoxColorDown=255\n"
                  "TextColorUp=1193046\nTextColorDown=0\n");
        EXPECT_EQ(Text(d, IDC_MON_SKIN), L"Night");
        EXPECT_TRUE(Enabled(d, IDC_MON_DELETE_SKIN));

        // The list is read at each drop-down; choosing a skin sets its colours at once.
        dlg.m_btnBoxColorUp.SetColor(0x000001);
        HWND combo = GetDlgItem(d, IDC_MON_SKIN);
        auto choose = [&](const wchar_t* name) {
            SendMessageW(d, WM_COMMAND, MAKEWPARAM(IDC_MON_SKIN, CBN_DROPDOWN), reinterpret_cast<LPARAM>(combo));
            SendMessageW(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
            SendMessageW(d, WM_COMMAND, MAKEWPARAM(IDC_MON_SKIN, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        };
        choose(L"Pre");
        EXPECT_EQ(dlg.m_btnBoxColorUp.GetColor(), 255u);
        EXPECT_FALSE(Enabled(d, IDC_MON_DELETE_SKIN)) << "Predefined=1";
        EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
        choose(L"Night");
        EXPECT_EQ(dlg.m_btnBoxColorUp.GetColor(), 0x00FF00u);
        EXPECT_EQ(dlg.m_btnTextColorUp.GetColor(), 0x123456u);
        EXPECT_TRUE(Enabled(d, IDC_MON_DELETE_SKIN));

        // Delete asks, removes the file and shows "Custom".
        {
            Answer sure(kBoxTitle, [&](HWND box) {
                EXPECT_EQ(MessageText(box), L"Do you want to delete Skin: Night?");
                PostMessageW(box, WM_COMMAND, IDYES, 0);
            });
            Click(d, IDC_MON_DELETE_SKIN);
        }
        EXPECT_FALSE(FileExists(data.File(L"Skins\\Night.ini")));
        EXPECT_EQ(Text(d, IDC_MON_SKIN), L"Custom");
        EXPECT_FALSE(Enabled(d, IDC_MON_DELETE_SKIN));
    });
}

TEST_F(MonitorDialogExtras, SoundSettingsOfATcpMonitorAndItsSoundTest) {
    Run([&](HWND d) {
        // Ping/URL rows disabled; speech wins the slot.
        {
            Answer sound(L"Play Sound Notification Settings", [&](HWND w) {
                for (int id : {IDC_SND_UP_CUSTOM, IDC_SND_DOWN_SPEAK, IDC_SND_SNF_CUSTOM, IDC_SND_UP_TEXT})
                    EXPECT_FALSE(Enabled(w, id)) << id;
                for (int id : {IDC_SND_OPEN_CUSTOM, IDC_SND_CLOSED_SPEAK, IDC_SND_TDOWN_CUSTOM, IDC_SND_OPEN_TEXT})
                    EXPECT_TRUE(Enabled(w, id)) << id;
                EXPECT_FALSE(Checked(w, IDC_SND_OPEN_CUSTOM));
                EXPECT_TRUE(Checked(w, IDC_SND_OPEN_SPEAK));
                EXPECT_FALSE(Enabled(w, IDC_SND_OPEN_WAV));
                Press(w, IDOK);
            });
            Click(d, IDC_MON_SOUND_SETTINGS);
        }
        EXPECT_EQ(dlg.CustomSoundCheck, 0u);
        EXPECT_EQ(dlg.TextSpeechCheck, 0x04u);

        // The Open test speaks the slot's text; a sound request per test.
        g_plans.clear();
        SetSoundObserver(RecordPlan);
        Click(d, IDC_MON_TEST_UP);
        WaitUntil([] { return !g_plans.empty(); }, 3000);
        SetSoundObserver(nullptr);
        ASSERT_EQ(g_plans.size(), 1u);
        EXPECT_EQ(g_plans[0].kind, SoundPlan::Speak);
    });
}

TEST_F(MonitorDialogExtras, MessageBoxTestAndSettings) {
    Run([&](HWND d) {
        // The message-box test shows the TCP sample.
        {
            Answer shown(kBoxTitle, [&](HWND box) {
                EXPECT_EQ(MessageText(box).substr(0, 58), L"Description: web is STATUS\nStatus: Open,Closed,Down,ERROR\n");
                PostMessageW(box, WM_COMMAND, IDOK, 0);
            });
            Click(d, IDC_MON_MSGBOX_TEST);
        }

        // Message-box settings: its test and OK give the description back.
        {
            Answer settings(L"Message Box Notification Settings ", [&](HWND w) {
                Type(w, IDC_MSGS_DESCRIPTION, L"%status of %name");
                Press(w, IDC_MSGS_TEST);
                HWND box = WaitWindow(kBoxTitle);
                EXPECT_EQ(MessageText(box).substr(0, 29), L"Description: STATUS of web\nSt");
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                WaitUntil([&] { return !IsWindow(box); }, 10000);
                Press(w, IDOK);
            });
            Click(d, IDC_MON_MSGBOX_SETTINGS);
        }
        EXPECT_EQ(dlg.MsgBoxDesc, L"%status of %name");
    });
}

TEST_F(MonitorDialogExtras, FileSettingsShowTheMethodsLabelsAndTestRunsTheProgram) {
    Run([&](HWND d) {
        Answer file(L"File Notification Settings", [&](HWND w) {
            EXPECT_EQ(Text(w, IDC_EXEC_UP) + L"|" + Text(w, IDC_EXEC_ADDR_ERROR), L"Open|IP ERROR");
            Type(w, IDC_EXEC_PROGRAM, standIn.c_str());
            Type(w, IDC_EXEC_PARAMETERS, L"%name %port %url %status");
            Click(w, IDC_EXEC_UP);
            Type(w, IDC_EXEC_COUNT, L"3");
            Press(w, IDC_EXEC_TEST);  // run before OK: posted in this order
            Press(w, IDOK);
        });
        Click(d, IDC_MON_EXEC_SETTINGS);
    });
    EXPECT_EQ(dlg.ExecFileStatusCheck, 0x01u);
    EXPECT_EQ(dlg.nEF, 3u);
    EXPECT_EQ(dlg.ExecFilePath, standIn);
    std::string recorded;
    WaitUntil([&] { return !(recorded = ReadBytes(standIn + L".log")).empty(); }, 5000, 50);
    EXPECT_EQ(recorded, "web 8080 N/A STATUS\n");
}

}  // namespace
