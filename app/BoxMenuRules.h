#pragma once
// The box menu's rules, apart from the window: which commands a box offers, the texts
// that depend on the layout and the box, and the user commands' items.
#include <string>
#include <windows.h>

#include "model/UserMenuFile.h"

constexpr int kUserCommandCount = kCustomMenuItems;

// What the menu depends on: the box it was opened on (counted from 1, 0 = grip strip),
// the number of boxes, whether that box's monitor is disabled, and the layout.
struct BoxMenuContext {
    int box = 0;
    int numBox = 0;
    bool boxDisabled = false;
    bool row = true;
};

// False for a command the menu shows disabled on this box.
bool BoxMenuCommandEnabled(UINT command, const BoxMenuContext& context);

// The text of an item whose text depends on the layout or the box ("Move Left " or
// "Move Up", "Disable" or "Enable"); empty for any other command.
std::wstring BoxMenuItemText(UINT command, const BoxMenuContext& context);

// The menu command of user command i (0..6), and the number (0..6) of a user
// command's menu command, or -1.
UINT UserCommandId(int index);
int UserCommandIndex(UINT command);

// What Status Info tells of a box's last result. `icmpForm`: the last ICMP status stands
// for the result (a Ping monitor not Up, without an error code, where the system has
// texts for ICMP statuses).
struct StatusInfoFacts {
    std::wstring name;
    std::wstring word;
    bool icmpForm = false;
    unsigned long ipStatus = 0;
    std::wstring icmpText;
    unsigned long error = 0;
    std::wstring errorText;
};

// Status Info's text; 11050 (a general failure) has no text of its own.
std::wstring StatusInfoText(const StatusInfoFacts& facts);
