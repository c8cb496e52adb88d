#pragma once
// The application object: picks the instance, guards it, and runs the strip window.
#include "framework/WinApp.h"

class CMainApp : public fw::CWinApp {
public:
    BOOL InitInstance() override;
    void OnHelp();
};

extern CMainApp theApp;
