#pragma once
// The instance's icon in the taskbar's notification area. A hidden window of its own
// receives the shell's callbacks and forwards the mouse events on the icon to the
// notify window as UM_TRAY_NOTIFY; the icon is added again when the taskbar is
// re-created or the work area changes.
#include <windows.h>
#include <shellapi.h>

class CSystemTray {
public:
    CSystemTray();
    ~CSystemTray();

    CSystemTray(const CSystemTray&) = delete;
    CSystemTray& operator=(const CSystemTray&) = delete;

    // Creates the tray window and adds the icon. parent: the window that receives the
    // shell's callbacks instead of the tray window (none here). FALSE when tray icons
    // are not available or the icon could not be added.
    BOOL Create(HWND parent, UINT callbackMessage, const wchar_t* tip, HICON icon, UINT id, BOOL hidden,
                const wchar_t* balloonText, const wchar_t* balloonTitle, DWORD balloonIcon,
                UINT balloonSeconds);

    // Shows (or, with an empty text, takes down) a balloon on the icon.
    BOOL ShowBalloon(const wchar_t* text, const wchar_t* title, DWORD icon, UINT seconds);

    BOOL RemoveIcon();

    // After a Create that could not add the icon (the shell's taskbar is not there yet,
    // as when the program starts with Windows before the shell): waits up to timeoutMs
    // for the taskbar, pumping this thread's messages, and adds the icon. TRUE once
    // the icon is shown.
    BOOL WaitForTaskbar(DWORD timeoutMs);
    static constexpr DWORD kTaskbarWaitMs = 60000;

    // The window that receives UM_TRAY_NOTIFY.
    void SetNotifyWnd(HWND hwnd) { m_hNotifyWnd = hwnd; }

    HWND GetSafeHwnd() const { return m_hWnd; }
    BOOL IsHidden() const { return m_bHidden; }
    BOOL IsRemoved() const { return m_bRemoved; }
    const NOTIFYICONDATAW& IconData() const { return m_tnd; }

    // Longest tip the shell shows, with its terminating zero.
    static constexpr int kMaxTipLength = 128;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The one call to the shell with the icon record.
    virtual BOOL NotifyShell(DWORD message);
    LRESULT OnTaskbarCreated(WPARAM wParam, LPARAM lParam);
    void OnSettingChange(UINT flags, LPCWSTR section);

private:
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void AddIconAgain();

    HWND m_hWnd = nullptr;

    HWND m_hNotifyWnd = nullptr;
    NOTIFYICONDATAW m_tnd;
    BOOL m_bEnabled = FALSE;
    BOOL m_bHidden = TRUE;
    BOOL m_bRemoved = TRUE;
    BOOL m_bShowIconPending = FALSE;
    BOOL m_bBalloonSupported = FALSE;
    UINT m_uCreationFlags = 0;
    BOOL m_bTaskbarAnnounced = FALSE;  // "TaskbarCreated" arrived while waiting

    static constexpr DWORD kTaskbarRetryMs = 2000;
};
