#include "framework/WinApp.h"

#include "framework/Dialog.h"

namespace fw {

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() { g_app = this; }
CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

CWinApp* AfxGetApp() { return g_app; }

HWND CWinApp::GetMainWndHandle() const { return m_pMainWnd ? m_pMainWnd->GetSafeHwnd() : nullptr; }

int RunApplication(HINSTANCE instance, const wchar_t* commandLine) {
    if (!g_app) return 1;
    g_app->m_hInstance = instance;
    g_app->m_lpCmdLine = commandLine ? commandLine : L"";
    g_app->InitInstance();
    return 0;
}

}  // namespace fw
