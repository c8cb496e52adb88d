// A modal dialog whose window is destroyed without EndDialog, as the strip does on a
// WM_CLOSE sent from outside, returns from DoModal at once, not at its thread's next
// message.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "framework/Dialog.h"
#include "resource.h"

namespace {

class DestroyedOnClose : public fw::CDialog {
public:
    DestroyedOnClose() : CDialog(IDD_SKIN_NAME, nullptr) {}
    std::atomic<HWND> shown{nullptr};

protected:
    BOOL OnInitDialog() override {
        shown = m_hWnd;
        return TRUE;
    }
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_CLOSE) return CDialog::DialogProc(message, wParam, lParam);
        DestroyWindow(m_hWnd);
        return TRUE;
    }
};

TEST(ModalLoop, EndsAtOnceWhenItsWindowIsDestroyed) {
    DestroyedOnClose dialog;
    const DWORD uiThread = GetCurrentThreadId();
    std::promise<void> returned;
    std::atomic<DWORD> closedAt{0};
    std::thread closer([&, done = returned.get_future()] {
        while (!dialog.shown.load()) Sleep(10);
        closedAt = GetTickCount();
        SendMessageW(dialog.shown.load(), WM_CLOSE, 0, 0);
        // The next message, had the loop waited for one: the test ends either way.
        if (done.wait_for(std::chrono::seconds(3)) != std::future_status::ready)
            PostThreadMessageW(uiThread, WM_NULL, 0, 0);
    });
    dialog.DoModal();
    const DWORD returnedAt = GetTickCount();
    returned.set_value();
    closer.join();
    EXPECT_LT(returnedAt - closedAt.load(), 1000u);
}

}  // namespace
