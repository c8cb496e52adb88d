// What a settings dialog answers to messages whose result the system reads from the
// dialog procedure's return value rather than from DWLP_MSGRESULT.
#include <gtest/gtest.h>

#include "framework/SettingsDialog.h"
#include "resource.h"

namespace {

class DragIconProbe : public fw::CSettingsDialog {
public:
    DragIconProbe() : CSettingsDialog(IDD_SKIN_NAME, nullptr) {}
    LRESULT answer = 0;

protected:
    BOOL OnInitDialog() override {
        CSettingsDialog::OnInitDialog();
        answer = SendMessageW(m_hWnd, WM_QUERYDRAGICON, 0, 0);
        EndDialog(IDOK);
        return TRUE;
    }
};

TEST(DialogResult, DragIconIsTheProgramIcon) {
    DragIconProbe dialog;
    ASSERT_EQ(dialog.DoModal(), IDOK);
    ASSERT_NE(dialog.m_hIcon, nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(dialog.answer), dialog.m_hIcon);
}

}  // namespace
