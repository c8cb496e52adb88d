// The folder chooser on the shell's real browser: OK gives the selected folder's path,
// Cancel gives nothing; the browser is known to the object only while it calls back.
#include <gtest/gtest.h>

#include <objbase.h>

#include <string>

#include "framework/FolderDialog.h"

namespace {

// Presses a button of the browser a moment after it has opened.
class AnsweringFolderDialog : public fw::CFolderDialog {
public:
    explicit AnsweringFolderDialog(int button) : CFolderDialog(nullptr, nullptr, nullptr, BIF_RETURNONLYFSDIRS) {
        s_button = button;
    }
    int initialised = 0;

protected:
    void OnInitialized() override {
        ++initialised;
        CFolderDialog::OnInitialized();
        SetTimer(m_hWndBrowse, 1, 300, &Press);
    }

private:
    static void CALLBACK Press(HWND browser, UINT, UINT_PTR id, DWORD) {
        KillTimer(browser, id);
        PostMessageW(browser, WM_COMMAND, MAKEWPARAM(s_button, BN_CLICKED), 0);
    }
    static int s_button;
};
int AnsweringFolderDialog::s_button = IDCANCEL;

TEST(FolderDialog, OkGivesTheSelectedFolderCancelNothing) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    for (int button : {IDOK, IDCANCEL}) {
        AnsweringFolderDialog dlg(button);
        EXPECT_EQ(dlg.DoModal(), button);
        const std::wstring path = dlg.GetFolderPath();
        // OK: the browser's first selection, a real folder.
        EXPECT_EQ(!path.empty() && (GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY) &&
                      GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES,
                  button == IDOK)
            << path;
        EXPECT_EQ(dlg.initialised, 1);
        EXPECT_EQ(dlg.m_hWndBrowse, nullptr);
    }
    CoUninitialize();
}

}  // namespace
