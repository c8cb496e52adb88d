#include "app/SettingsDialogs.h"

SettingsDialogWindows SettingsDialogs::OpenWindows() const {
    return {monitor.GetSafeHwnd(), options.GetSafeHwnd(), about.GetSafeHwnd(), netMsg.GetSafeHwnd(),
            customMenu.GetSafeHwnd()};
}

bool SettingsDialogWindows::BlockingShown() const {
    for (HWND dialog : {monitor, options, customMenu, about})
        if (IsShown(dialog)) return true;
    return false;
}
