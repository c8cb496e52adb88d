// The program's message boxes: the icon a box gets when its caller names none.
#include <gtest/gtest.h>

#include "framework/AppMessage.h"

TEST(WithDefaultIcon, OkBoxesWarnYesNoBoxesAskOthersStayPlain) {
    const struct {
        const char* what;
        UINT type;
        UINT expected;
    } cases[] = {
        {"OK", MB_OK, MB_OK | MB_ICONEXCLAMATION},
        {"OK/Cancel", MB_OKCANCEL, MB_OKCANCEL | MB_ICONEXCLAMATION},
        {"Yes/No", MB_YESNO, MB_YESNO | MB_ICONQUESTION},
        {"Yes/No/Cancel", MB_YESNOCANCEL, MB_YESNOCANCEL | MB_ICONQUESTION},
        {"Abort/Retry/Ignore", MB_ABORTRETRYIGNORE, MB_ABORTRETRYIGNORE},
        {"Retry/Cancel", MB_RETRYCANCEL, MB_RETRYCANCEL},
        {"own icon kept", MB_OK | MB_ICONERROR, MB_OK | MB_ICONERROR},
        {"own information icon", MB_OK | MB_ICONINFORMATION, MB_OK | MB_ICONINFORMATION},
        {"Yes/No with warning", MB_YESNO | MB_ICONWARNING, MB_YESNO | MB_ICONWARNING},
        {"other flags kept", MB_OK | MB_TOPMOST | MB_DEFBUTTON2, MB_OK | MB_TOPMOST | MB_DEFBUTTON2 | MB_ICONEXCLAMATION},
    };
    for (const auto& c : cases) EXPECT_EQ(fw::WithDefaultIcon(c.type), c.expected) << c.what;
}
