#include "app/SystemTray.h"

#include "model/Messages.h"

namespace {

// The shell broadcasts this when its taskbar starts again; registered once per process.
const UINT g_uTaskbarCreatedMessage = RegisterWindowMessageW(L"TaskbarCreated");

const wchar_t kTrayWindowClass[] = L"OrvalenTrayWindow";

// The record with balloon fields, a GUID and a balloon icon.
static_assert(sizeof(NOTIFYICONDATAW) == 956, "the shell is given the full icon record");

constexpr size_t kMaxBalloonText = 255;
constexpr size_t kMaxBalloonTitle = 63;

// Copies at most `limit` characters and always terminates (the buffer holds limit + 1).
template <size_t N>
void CopyCut(wchar_t (&target)[N], const wchar_t* source, size_t limit) {
    static_assert(N > 0, "buffer");
    if (limit > N - 1) limit = N - 1;
    size_t n = 0;
    if (source)
        while (n < limit && source[n]) {
            target[n] = source[n];
            ++n;
        }
    target[n] = L'\0';
}

// No cursor, background or icon: the window is never shown.
bool RegisterTrayWindowClass(WNDPROC proc) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kTrayWindowClass;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

BOOL BalloonsSupported() {
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof(info);  // 276
    if (!GetVersionExW(&info)) return FALSE;
    return info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion >= 5;
}

}  // namespace

CSystemTray::CSystemTray() {
    ZeroMemory(&m_tnd, sizeof(m_tnd));
    m_bBalloonSupported = BalloonsSupported();
}

CSystemTray::~CSystemTray() {
    RemoveIcon();
    if (m_hWnd) {
        SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
    }
}

BOOL CSystemTray::Create(HWND parent, UINT callbackMessage, const wchar_t* tip, HICON icon, UINT id,
                         BOOL hidden, const wchar_t* balloonText, const wchar_t* balloonTitle,
                         DWORD balloonIcon, UINT balloonSeconds) {
    if (LOBYTE(LOWORD(GetVersion())) < 4) {
        m_bEnabled = FALSE;
        return FALSE;
    }
    m_bEnabled = TRUE;

    if (!m_hWnd) {
        if (!RegisterTrayWindowClass(&CSystemTray::StaticWindowProc)) return FALSE;
        m_hWnd = CreateWindowExW(0, kTrayWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        if (!m_hWnd) return FALSE;
        SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }

    m_tnd.cbSize = sizeof(NOTIFYICONDATAW);
    m_tnd.hWnd = (parent && IsWindow(parent)) ? parent : m_hWnd;
    m_tnd.uID = id;
    m_tnd.hIcon = icon;
    m_tnd.uCallbackMessage = callbackMessage;
    m_tnd.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    CopyCut(m_tnd.szTip, tip, kMaxTipLength - 1);

    const bool balloon = m_bBalloonSupported && balloonText && *balloonText;
    if (balloon) {
        m_tnd.uFlags |= NIF_INFO;
        CopyCut(m_tnd.szInfo, balloonText, kMaxBalloonText);
        CopyCut(m_tnd.szInfoTitle, balloonTitle, kMaxBalloonTitle);
        m_tnd.uTimeout = balloonSeconds * 1000;
        m_tnd.dwInfoFlags = balloonIcon;
    }

    m_bHidden = hidden;
    if (m_bBalloonSupported && hidden) {
        m_tnd.uFlags = NIF_STATE;
        m_tnd.dwState = NIS_HIDDEN;
        m_tnd.dwStateMask = NIS_HIDDEN;
    }
    m_uCreationFlags = m_tnd.uFlags;

    BOOL result = TRUE;
    if (!hidden || m_bBalloonSupported) {
        result = NotifyShell(NIM_ADD);
        m_bHidden = m_bRemoved = m_bShowIconPending = !result;
    }
    if (balloon) m_tnd.szInfo[0] = L'\0';  // later changes must not show it again
    return result;
}

BOOL CSystemTray::ShowBalloon(const wchar_t* text, const wchar_t* title, DWORD icon, UINT seconds) {
    if (!m_bBalloonSupported) return FALSE;
    m_tnd.uFlags = NIF_INFO;
    CopyCut(m_tnd.szInfo, text, kMaxBalloonText);
    CopyCut(m_tnd.szInfoTitle, title, kMaxBalloonTitle);
    m_tnd.dwInfoFlags = icon;
    m_tnd.uTimeout = seconds * 1000;
    BOOL result = Shell_NotifyIconW(NIM_MODIFY, &m_tnd);
    m_tnd.szInfo[0] = L'\0';
    return result;
}

BOOL CSystemTray::RemoveIcon() {
    m_bShowIconPending = FALSE;
    if (!m_bEnabled || m_bRemoved) return TRUE;
    m_tnd.uFlags = 0;
    if (Shell_NotifyIconW(NIM_DELETE, &m_tnd)) m_bRemoved = m_bHidden = TRUE;
    return m_bRemoved;
}

void CSystemTray::AddIconAgain() {
    m_tnd.uFlags = m_uCreationFlags;
    BOOL added = NotifyShell(NIM_ADD);
    // The shell may still hold the icon (the work area changed, or a taskbar that kept
    // its icons): an add then fails, and the icon is brought up to date instead of being
    // given up for the rest of the run.
    if (!added) added = NotifyShell(NIM_MODIFY);
    m_bHidden = m_bShowIconPending = !added;
}

BOOL CSystemTray::NotifyShell(DWORD message) { return Shell_NotifyIconW(message, &m_tnd); }

BOOL CSystemTray::WaitForTaskbar(DWORD timeoutMs) {
    if (!m_bEnabled || !m_hWnd) return FALSE;
    if (!m_bHidden) return TRUE;
    const DWORD start = GetTickCount();
    for (;;) {
        // The taskbar announces itself with "TaskbarCreated"; an add is also tried now
        // and then, in case the announcement came before this window was listening.
        m_tnd.uFlags = m_uCreationFlags;
        if (NotifyShell(NIM_ADD)) {
            m_bHidden = m_bRemoved = m_bShowIconPending = FALSE;
            return TRUE;
        }
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) return FALSE;
        DWORD wait = timeoutMs - elapsed;
        if (wait > kTaskbarRetryMs) wait = kTaskbarRetryMs;
        m_bTaskbarAnnounced = FALSE;
        const DWORD until = GetTickCount() + wait;
        while (!m_bTaskbarAnnounced) {
            const DWORD now = GetTickCount();
            if (static_cast<LONG>(until - now) <= 0) break;
            if (MsgWaitForMultipleObjects(0, nullptr, FALSE, until - now, QS_ALLINPUT) != WAIT_OBJECT_0) break;
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (msg.message == WM_QUIT) {
                    PostQuitMessage(static_cast<int>(msg.wParam));
                    return FALSE;
                }
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
    }
}

LRESULT CSystemTray::OnTaskbarCreated(WPARAM, LPARAM) {
    m_bTaskbarAnnounced = TRUE;
    m_bShowIconPending = TRUE;
    if (!m_bHidden) AddIconAgain();
    return 0;
}

void CSystemTray::OnSettingChange(UINT flags, LPCWSTR) {
    if (flags != SPI_SETWORKAREA) return;
    m_bShowIconPending = !m_bHidden;
    if (!m_bHidden) AddIconAgain();
}

LRESULT CSystemTray::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == m_tnd.uCallbackMessage && m_tnd.uCallbackMessage != 0) {
        switch (lParam) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
            SendMessageW(m_hNotifyWnd, UM_TRAY_NOTIFY, wParam, lParam);
            return 1;
        case WM_RBUTTONUP: {
            POINT cursor = {};
            GetCursorPos(&cursor);
            WPARAM position = MAKEWPARAM(static_cast<WORD>(cursor.x), static_cast<WORD>(cursor.y));
            SendMessageW(m_hNotifyWnd, UM_TRAY_NOTIFY, position, WM_RBUTTONUP);
            return 1;
        }
        default: break;
        }
    } else if (message == g_uTaskbarCreatedMessage && g_uTaskbarCreatedMessage != 0) {
        return OnTaskbarCreated(wParam, lParam);
    } else if (message == WM_SETTINGCHANGE) {
        LRESULT result = DefWindowProcW(m_hWnd, message, wParam, lParam);
        OnSettingChange(static_cast<UINT>(wParam), reinterpret_cast<LPCWSTR>(lParam));
        return result;
    }
    return DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CSystemTray::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // Until Create binds the object (and after the destructor unbinds it) the window
    // has only the default behaviour.
    auto* self = reinterpret_cast<CSystemTray*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->WindowProc(message, wParam, lParam);
}
