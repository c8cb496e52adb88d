#pragma once
// The settings dialogs the strip owns, each one object from opening to opening (a
// second Add or Edit finds the monitor dialog open), what the monitor dialog's OK or
// Apply does, and which of them are open: the one list the tray, the box menu and the
// grip strip choose from.
#include <windows.h>

#include "dialogs/AboutDlg.h"
#include "dialogs/CustomMenu.h"
#include "dialogs/MonitorDialog.h"
#include "dialogs/PropertiesDlg.h"
#include "dialogs/SendNetMsgDlg.h"

// The windows of the dialogs, none for a dialog that is not open.
struct SettingsDialogWindows {
    HWND monitor, options, about, netMsg, customMenu;
    static bool IsShown(HWND window) { return window && IsWindowVisible(window); }
    // One that keeps the box menu and the grip's background zone away is shown (every
    // one but the net-message dialog).
    bool BlockingShown() const;
};

struct SettingsDialogs {
    CBoxPropertiesDlg monitor;
    CCustomMenu customMenu;
    CSendNetMsgDlg netMsg;
    CPropertiesDlg options;
    CAboutDlg about;

    // Add a monitor after the box menu's box, or edit that box. The first Apply of an Add
    // turns it into Edit of the new box.
    enum class MonitorMode { Add, Edit };
    MonitorMode monitorMode = MonitorMode::Edit;

    SettingsDialogWindows OpenWindows() const;
};
