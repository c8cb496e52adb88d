// Start-up: where the help file is looked for, and how the help command reaches the
// application.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/MainApp.h"
#include "framework/Dialog.h"
#include "resource.h"
#include "support/TempFiles.h"

// The help file is the product's, beside the program whatever the program is called.
TEST(HelpFile, BesideTheProgram) {
    EXPECT_EQ(HelpFilePathFor(L"Z:\\build\\bin\\Renamed.exe"), L"Z:\\build\\bin\\Orvalen.chm");
    EXPECT_EQ(HelpFilePathFor(L"\\\\server\\share\\Orvalen.exe"), L"\\\\server\\share\\Orvalen.chm");
}

namespace {

// An application that records the commands reaching it.
class CRecordingApp : public fw::CWinApp {
public:
    BOOL InitInstance() override { return FALSE; }
    BOOL OnCommand(WORD id) override {
        m_commands.push_back(id);
        return TRUE;
    }
    std::vector<WORD> m_commands;
};

// A window of the program that runs one action on itself once it is up, then ends.
class CProbeDialog : public fw::CDialog {
public:
    explicit CProbeDialog(std::function<void(HWND)> action) : CDialog(IDD_MAIN_DIALOG), m_action(std::move(action)) {
        RegisterDialogClass(L"OrvalenStrip");
    }

protected:
    BOOL OnInitDialog() override {
        PostMessageW(m_hWnd, WM_APP, 0, 0);
        return TRUE;
    }
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP) {
            m_action(m_hWnd);
            EndDialog(IDOK);
            return TRUE;
        }
        return CDialog::DialogProc(message, wParam, lParam);
    }

private:
    std::function<void(HWND)> m_action;
};

void SendHelp(HWND window) {
    HELPINFO info = {};
    info.cbSize = sizeof(info);
    info.iContextType = HELPINFO_WINDOW;
    info.hItemHandle = window;
    SendMessageW(window, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace

TEST(HelpCommand, HelpReachesTheApplicationOnceControlNotificationsStayInTheWindow) {
    CRecordingApp app;
    CProbeDialog dialog([](HWND window) {
        SendHelp(window);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(4321, BN_CLICKED), 0);  // a control's notification
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);  // the window's own
    });
    app.m_pMainWnd = &dialog;
    dialog.DoModal();
    EXPECT_EQ(app.m_commands, (std::vector<WORD>{ID_HELP, ID_HELP}));
}

TEST(HelpCommand, HelpInAnotherWindowGoesThroughTheMainWindow) {
    CRecordingApp app;
    CProbeDialog main([](HWND) {});
    CProbeDialog other(SendHelp);
    // The main window object without a window yet: nothing to ask, nothing sent.
    app.m_pMainWnd = &main;
    ASSERT_EQ(other.DoModal(), IDOK);
    EXPECT_TRUE(app.m_commands.empty());

    // With the main window up, the other window's help reaches the application.
    CProbeDialog outer([&](HWND) { other.DoModal(); });
    app.m_pMainWnd = &outer;
    ASSERT_EQ(outer.DoModal(), IDOK);
    EXPECT_EQ(app.m_commands, std::vector<WORD>{ID_HELP});
}

TEST(HelpCommand, TheProgramAnswersTheHelpCommandOnly) {
    CTempFolder folder;
    CMainApp app;
    // No such file: the help call shows nothing and the command is still taken.
    app.m_pszHelpFilePath = folder.File(L"Orvalen.chm");
    EXPECT_TRUE(app.OnCommand(ID_HELP));
    EXPECT_FALSE(app.OnCommand(4321));
}
