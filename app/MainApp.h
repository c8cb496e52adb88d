#pragma once
// The application object: picks the instance, guards it, and runs the strip window.
#include <string>

#include "framework/WinApp.h"

class CMainApp : public fw::CWinApp {
public:
    BOOL InitInstance() override;
    BOOL OnCommand(WORD id) override;
    void OnHelp();

private:
    // Shows the strip of `instance` until its window is destroyed.
    void RunStrip(int instance);
};

extern CMainApp theApp;

// The help file beside the program: its folder (the text before the last backslash)
// followed by "\Orvalen.chm".
std::wstring HelpFilePathFor(const std::wstring& programPath);
