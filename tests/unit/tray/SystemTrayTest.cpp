#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/SystemTray.h"
#include "model/Messages.h"

namespace {

constexpr UINT kIconId = 134;

// A window that records the UM_TRAY_NOTIFY messages it receives.
class NotifyRecorder {
public:
    struct Notice {
        WPARAM wParam;
        LPARAM lParam;
    };

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
    std::vector<Notice> notices;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<NotifyRecorder*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self && message == UM_TRAY_NOTIFY) {
            self->notices.push_back({wParam, lParam});
            return 1;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    HWND m_hwnd = nullptr;
};

HICON TestIcon() { return LoadIconW(nullptr, IDI_APPLICATION); }

// Wine's tray takes two seconds to remove its last icon; an icon of our own kept for
// the whole run makes every removal in the tests a quick one.
class AnchorIcon : public ::testing::Environment {
public:
    void SetUp() override {
        m_tray.Create(nullptr, UM_TRAY_CALLBACK, L"anchor", TestIcon(), 1, FALSE, nullptr, nullptr, 0, 0);
    }
    void TearDown() override { m_tray.RemoveIcon(); }

private:
    CSystemTray m_tray;
};
const auto* const g_anchor = ::testing::AddGlobalTestEnvironment(new AnchorIcon);

BOOL CreateShown(CSystemTray& tray, const wchar_t* tip = L"Orvalen\nCarrowmede", UINT id = kIconId) {
    return tray.Create(nullptr, UM_TRAY_CALLBACK, tip, TestIcon(), id, FALSE, nullptr, nullptr, NIIF_INFO, 3);
}

TEST(SystemTray, CreateAddsTheIconWithItsRecord) {
    CSystemTray tray;
    EXPECT_TRUE(tray.IsHidden());
    EXPECT_TRUE(tray.IsRemoved());
    ASSERT_TRUE(CreateShown(tray));
    EXPECT_FALSE(tray.IsHidden());
    EXPECT_FALSE(tray.IsRemoved());
    const NOTIFYICONDATAW& nid = tray.IconData();
    EXPECT_EQ(nid.cbSize, 956u);
    EXPECT_EQ(nid.hWnd, tray.GetSafeHwnd());  // no parent: the tray window gets the callbacks
    EXPECT_EQ(nid.uID, kIconId);
    EXPECT_EQ(nid.uCallbackMessage, 0x800Au);
    EXPECT_EQ(nid.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_STREQ(nid.szTip, L"Orvalen\nCarrowmede");
    // The tray window exists but is never shown.
    EXPECT_TRUE(IsWindow(tray.GetSafeHwnd()));
    EXPECT_FALSE(IsWindowVisible(tray.GetSafeHwnd()));
    EXPECT_TRUE(tray.RemoveIcon());
}

TEST(SystemTray, LongTipIsCutTo127Characters) {
    CSystemTray tray;
    std::wstring tip(300, L'x');
    ASSERT_TRUE(CreateShown(tray, tip.c_str(), 135));
    EXPECT_EQ(std::wstring(tray.IconData().szTip), std::wstring(127, L'x'));
    tray.RemoveIcon();
}

TEST(SystemTray, ForwardsButtonEventsToTheNotifyWindow) {
    NotifyRecorder recorder;
    CSystemTray tray;
    tray.SetNotifyWnd(recorder.hwnd());
    ASSERT_TRUE(CreateShown(tray, L"tip", 136));
    HWND trayWnd = tray.GetSafeHwnd();

    for (LPARAM mouse : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK})
        EXPECT_EQ(SendMessageW(trayWnd, UM_TRAY_CALLBACK, 136, mouse), 1) << mouse;
    ASSERT_EQ(recorder.notices.size(), 3u);
    EXPECT_EQ(recorder.notices[0].wParam, 136u);
    EXPECT_EQ(recorder.notices[0].lParam, WM_LBUTTONDOWN);
    EXPECT_EQ(recorder.notices[1].lParam, WM_LBUTTONUP);
    EXPECT_EQ(recorder.notices[2].lParam, WM_LBUTTONDBLCLK);

    // Moves, the middle and the right button going down are not forwarded.
    for (LPARAM other : {WM_MOUSEMOVE, WM_RBUTTONDOWN, WM_MBUTTONUP})
        SendMessageW(trayWnd, UM_TRAY_CALLBACK, 136, other);
    EXPECT_EQ(recorder.notices.size(), 3u);

    // The right button's release carries the cursor position instead of the icon id.
    SetCursorPos(321, 123);
    POINT cursor = {};
    GetCursorPos(&cursor);
    EXPECT_EQ(SendMessageW(trayWnd, UM_TRAY_CALLBACK, 136, WM_RBUTTONUP), 1);
    ASSERT_EQ(recorder.notices.size(), 4u);
    EXPECT_EQ(recorder.notices[3].lParam, WM_RBUTTONUP);
    EXPECT_EQ(LOWORD(recorder.notices[3].wParam), cursor.x);
    EXPECT_EQ(HIWORD(recorder.notices[3].wParam), cursor.y);
    tray.RemoveIcon();
}

TEST(SystemTray, RemoveIconIsDoneOnce) {
    CSystemTray tray;
    ASSERT_TRUE(CreateShown(tray, L"tip", 137));
    EXPECT_TRUE(tray.RemoveIcon());
    EXPECT_TRUE(tray.IsRemoved());
    EXPECT_TRUE(tray.IsHidden());
    // The icon is gone: deleting it once more fails at the shell.
    NOTIFYICONDATAW nid = tray.IconData();
    EXPECT_FALSE(Shell_NotifyIconW(NIM_DELETE, &nid));
    EXPECT_TRUE(tray.RemoveIcon());
}

TEST(SystemTray, TaskbarCreatedAddsTheIconAgain) {
    CSystemTray tray;
    ASSERT_TRUE(CreateShown(tray, L"tip", 138));
    // A new taskbar does not know the icon.
    NOTIFYICONDATAW nid = tray.IconData();
    nid.uFlags = 0;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &nid));
    SendMessageW(tray.GetSafeHwnd(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_FALSE(tray.IsHidden());
    nid = tray.IconData();
    EXPECT_EQ(nid.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_TRUE(tray.RemoveIcon());
    EXPECT_TRUE(tray.IsRemoved());
}

TEST(SystemTray, RemovedIconIsNotAddedAgain) {
    CSystemTray tray;
    ASSERT_TRUE(CreateShown(tray, L"tip", 139));
    ASSERT_TRUE(tray.RemoveIcon());
    SendMessageW(tray.GetSafeHwnd(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    SendMessageW(tray.GetSafeHwnd(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    EXPECT_TRUE(tray.IsHidden());
    NOTIFYICONDATAW nid = tray.IconData();
    EXPECT_FALSE(Shell_NotifyIconW(NIM_DELETE, &nid));
}

TEST(SystemTray, BalloonTextIsNotKeptAfterShowing) {
    CSystemTray tray;
    ASSERT_TRUE(tray.Create(nullptr, UM_TRAY_CALLBACK, L"tip", TestIcon(), 140, FALSE, L"Hello", L"Title",
                            NIIF_INFO, 3));
    EXPECT_STREQ(tray.IconData().szInfo, L"");
    EXPECT_TRUE(tray.ShowBalloon(L"Background mode.", L"Orvalen Notify", NIIF_INFO, 10));
    EXPECT_STREQ(tray.IconData().szInfo, L"");
    EXPECT_STREQ(tray.IconData().szInfoTitle, L"Orvalen Notify");
    EXPECT_EQ(tray.IconData().uTimeout, 10000u);
    std::wstring longTitle(100, L't');
    tray.ShowBalloon(L"x", longTitle.c_str(), 0, 1);
    EXPECT_EQ(std::wstring(tray.IconData().szInfoTitle), std::wstring(63, L't'));
    tray.RemoveIcon();
}

TEST(SystemTray, DestructorRemovesTheIconAndItsWindow) {
    HWND trayWnd = nullptr;
    NOTIFYICONDATAW nid = {};
    {
        CSystemTray tray;
        ASSERT_TRUE(CreateShown(tray, L"tip", 141));
        trayWnd = tray.GetSafeHwnd();
        nid = tray.IconData();
    }
    EXPECT_FALSE(IsWindow(trayWnd));
    nid.uFlags = 0;
    nid.hWnd = trayWnd;
    EXPECT_FALSE(Shell_NotifyIconW(NIM_DELETE, &nid));
}

}  // namespace
