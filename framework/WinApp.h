#pragma once
// The application object: the program entry calls InitInstance of the one instance.
#include <string>
#include <windows.h>

// The help command: F1 in any of the program's windows, routed to the application.
#ifndef ID_HELP
#define ID_HELP 0xE146
#endif

namespace fw {

class CDialog;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();

    // The program's whole run; its result is the process exit code's source
    // (FALSE: the process ends normally).
    virtual BOOL InitInstance() = 0;

    // A command that no window handled comes here last. TRUE when handled.
    virtual BOOL OnCommand(WORD id) { return FALSE; }

    // The main window's handle, or none while it has no window.
    HWND GetMainWndHandle() const;

    HINSTANCE m_hInstance = nullptr;
    std::wstring m_lpCmdLine;          // the command line after the program name
    std::wstring m_pszHelpFilePath;    // help file opened by the help commands
    CDialog* m_pMainWnd = nullptr;     // the main window object while it runs
};

CWinApp* AfxGetApp();

// Runs the application object; called by the program's wWinMain.
int RunApplication(HINSTANCE instance, const wchar_t* commandLine);

}  // namespace fw
