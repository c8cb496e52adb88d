// The tray icon: what reaches the notify window, when the icon comes back after the
// taskbar restarts, and that it goes for good once removed.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "app/SystemTray.h"
#include "model/Messages.h"

namespace {

// A message-only window that records the UM_TRAY_NOTIFY messages it receives.
class NotifyRecorder {
public:
    NotifyRecorder() {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &NotifyRecorder::Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TrayTestRecorder";
        RegisterClassW(&wc);
        m_hwnd = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 wc.hInstance, nullptr);
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~NotifyRecorder() { DestroyWindow(m_hwnd); }
    HWND hwnd() const { return m_hwnd; }
    std::vector<std::pair<WPARAM, LPARAM>> notices;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<NotifyRecorder*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self && message == UM_TRAY_NOTIFY) {
            self->notices.emplace_back(wParam, lParam);
            return 1;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    HWND m_hwnd = nullptr;
};

BOOL CreateShown(CSystemTray& tray, UINT id, const wchar_t* tip = L"tip") {
    return tray.Create(nullptr, UM_TRAY_CALLBACK, tip, LoadIconW(nullptr, IDI_APPLICATION), id, FALSE, nullptr,
                       nullptr, NIIF_INFO, 3);
}

// True when the shell still has the icon (deleting it succeeds; the caller adds nothing back).
bool ShellHasIcon(NOTIFYICONDATAW nid) {
    nid.uFlags = 0;
    return Shell_NotifyIconW(NIM_DELETE, &nid) != FALSE;
}

// Wine's tray takes two seconds to remove its last icon; an icon of our own kept for
// the whole run makes every removal in the tests a quick one.
class AnchorIcon : public ::testing::Environment {
    void SetUp() override { CreateShown(m_tray, 1, L"anchor"); }
    void TearDown() override { m_tray.RemoveIcon(); }
    CSystemTray m_tray;
};
const auto* const g_anchor = ::testing::AddGlobalTestEnvironment(new AnchorIcon);

TEST(SystemTray, ForwardsTheButtonsAndTheRightClickPosition) {
    NotifyRecorder recorder;
    CSystemTray tray;
    tray.SetNotifyWnd(recorder.hwnd());
    ASSERT_TRUE(CreateShown(tray, 136, std::wstring(300, L'x').c_str()));
    EXPECT_EQ(std::wstring(tray.IconData().szTip), std::wstring(127, L'x'));  // cut, not overrun
    EXPECT_FALSE(IsWindowVisible(tray.GetSafeHwnd()));

    SetCursorPos(321, 123);
    POINT cursor = {};
    GetCursorPos(&cursor);
    // Moves, the middle button and the right button going down are not forwarded; the
    // right button's release carries the cursor position instead of the icon id.
    for (LPARAM mouse : {WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_MBUTTONUP,
                         WM_LBUTTONDBLCLK, WM_RBUTTONUP})
        SendMessageW(tray.GetSafeHwnd(), UM_TRAY_CALLBACK, 136, mouse);
    const std::vector<std::pair<WPARAM, LPARAM>> expected = {
        {136, WM_LBUTTONDOWN}, {136, WM_LBUTTONUP}, {136, WM_LBUTTONDBLCLK},
        {MAKEWPARAM(cursor.x, cursor.y), WM_RBUTTONUP}};
    EXPECT_EQ(recorder.notices, expected);
    tray.RemoveIcon();
}

TEST(SystemTray, ANewTaskbarGetsTheIconAgainUntilItIsRemoved) {
    CSystemTray tray;
    ASSERT_TRUE(CreateShown(tray, 138));
    const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    ASSERT_TRUE(ShellHasIcon(tray.IconData()));  // a new taskbar does not know it
    SendMessageW(tray.GetSafeHwnd(), taskbarCreated, 0, 0);
    EXPECT_TRUE(ShellHasIcon(tray.IconData()));
    SendMessageW(tray.GetSafeHwnd(), taskbarCreated, 0, 0);
    EXPECT_FALSE(tray.IsHidden());
    EXPECT_TRUE(tray.RemoveIcon());
    EXPECT_TRUE(tray.IsRemoved());
    EXPECT_TRUE(tray.RemoveIcon());  // once only, without error

    SendMessageW(tray.GetSafeHwnd(), taskbarCreated, 0, 0);
    SendMessageW(tray.GetSafeHwnd(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    EXPECT_TRUE(tray.IsHidden());
    EXPECT_FALSE(ShellHasIcon(tray.IconData()));
}

// A shell whose taskbar is not there until the test says so: every add fails before.
class LateTaskbarTray : public CSystemTray {
public:
    std::atomic<bool> taskbarReady{false};

protected:
    BOOL NotifyShell(DWORD message) override {
        if (message == NIM_ADD && !taskbarReady) return FALSE;
        return CSystemTray::NotifyShell(message);
    }
};

TEST(SystemTray, StartBeforeTheTaskbarWaitsForItsAnnouncement) {
    const struct {
        const char* name;
        DWORD readyAfterMs;  // 0: never
        DWORD waitMs;
        BOOL shown;
        DWORD atMostMs;
    } cases[] = {
        {"taskbar announced after 300 ms", 300, 60000, TRUE, 1500},
        {"no taskbar within the wait", 0, 700, FALSE, 3000},
    };
    for (const auto& c : cases) {
        LateTaskbarTray tray;
        EXPECT_FALSE(CreateShown(tray, 143)) << c.name;
        EXPECT_TRUE(tray.IsHidden()) << c.name;
        HWND trayWnd = tray.GetSafeHwnd();
        std::thread shell;
        if (c.readyAfterMs)
            shell = std::thread([&tray, trayWnd, &c] {
                Sleep(c.readyAfterMs);
                tray.taskbarReady = true;
                PostMessageW(trayWnd, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
            });
        const DWORD start = GetTickCount();
        EXPECT_EQ(tray.WaitForTaskbar(c.waitMs), c.shown) << c.name;
        const DWORD took = GetTickCount() - start;
        if (shell.joinable()) shell.join();
        EXPECT_LE(took, c.atMostMs) << c.name;
        EXPECT_GE(took + 50, c.readyAfterMs ? c.readyAfterMs : c.waitMs) << c.name;
        EXPECT_EQ(tray.IsHidden(), !c.shown) << c.name;
        tray.RemoveIcon();
    }
}

TEST(SystemTray, BalloonTextIsNotKeptAfterShowing) {
    CSystemTray tray;
    ASSERT_TRUE(tray.Create(nullptr, UM_TRAY_CALLBACK, L"tip", LoadIconW(nullptr, IDI_APPLICATION), 140, FALSE,
                            L"Hello", L"Title", NIIF_INFO, 3));
    EXPECT_STREQ(tray.IconData().szInfo, L"");
    EXPECT_TRUE(tray.ShowBalloon(L"Background mode.", std::wstring(100, L't').c_str(), NIIF_INFO, 10));
    EXPECT_STREQ(tray.IconData().szInfo, L"");
    EXPECT_EQ(std::wstring(tray.IconData().szInfoTitle), std::wstring(63, L't'));
    tray.RemoveIcon();
}

TEST(SystemTray, DestructorRemovesTheIconAndItsWindow) {
    NOTIFYICONDATAW nid = {};
    {
        CSystemTray tray;
        ASSERT_TRUE(CreateShown(tray, 141));
        nid = tray.IconData();
    }
    EXPECT_FALSE(IsWindow(nid.hWnd));
    EXPECT_FALSE(ShellHasIcon(nid));
}

}  // namespace
