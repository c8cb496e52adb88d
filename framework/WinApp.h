#pragma once
// The application object: the program entry calls InitInstance of the one instance.
#include <string>
#include <windows.h>

namespace fw {

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();

    // The program's whole run; its result is the process exit code's source
    // (FALSE: the process ends normally).
    virtual BOOL InitInstance() = 0;

    HINSTANCE m_hInstance = nullptr;
    std::wstring m_lpCmdLine;          // the command line after the program name
    std::wstring m_pszHelpFilePath;    // help file opened by the help commands
    HWND m_hMainWnd = nullptr;
};

CWinApp* AfxGetApp();

// Runs the application object; called by the program's wWinMain.
int RunApplication(HINSTANCE instance, const wchar_t* commandLine);

}  // namespace fw
