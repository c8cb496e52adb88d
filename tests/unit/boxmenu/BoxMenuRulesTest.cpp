// The box menu's enabling rules and its texts that depend on the layout and the box.
#include <gtest/gtest.h>

#include "app/BoxMenuRules.h"
#include "resource.h"

namespace {

struct EnableCase {
    const char* name;
    BoxMenuContext context;  // box, numBox, boxDisabled, row
    UINT command;
    bool enabled;
};

TEST(BoxMenu, CommandsEnabledPerBox) {
    const EnableCase cases[] = {
        {"grip: add", {0, 5, false, true}, ID_BOX_ADD_MONITOR, true},
        {"grip: edit", {0, 5, false, true}, ID_BOX_EDIT_MONITOR, false},
        {"grip: delete", {0, 5, false, true}, ID_BOX_DELETE_MONITOR, false},
        {"grip: duplicate", {0, 5, false, true}, ID_BOX_DUPLICATE, false},
        {"grip: ping", {0, 5, false, true}, ID_BOX_PING, false},
        {"grip: web", {0, 5, false, true}, ID_BOX_WEB, false},
        {"grip: ftp", {0, 5, false, true}, ID_BOX_FTP, false},
        {"grip: trace route", {0, 5, false, true}, ID_BOX_TRACE_ROUTE, false},
        {"grip: shares", {0, 5, false, true}, ID_BOX_SHARES, false},
        {"grip: remote desktop", {0, 5, false, true}, ID_BOX_REMOTE_DESKTOP, false},
        {"grip: net message", {0, 5, false, true}, ID_BOX_SEND_NET_MESSAGE, false},
        {"grip: status info", {0, 5, false, true}, ID_BOX_STATUS_INFO, false},
        {"grip: view log", {0, 5, false, true}, ID_BOX_VIEW_LOG, false},
        {"grip: customize", {0, 5, false, true}, ID_BOX_CUSTOMIZE, false},
        {"grip: disable", {0, 5, false, true}, ID_BOX_DISABLE, false},
        {"grip: user command 1", {0, 5, false, true}, ID_BOX_USER_COMMAND_1, false},
        {"grip: user command 7", {0, 5, false, true}, ID_BOX_USER_COMMAND_7, false},
        {"grip: move left", {0, 5, false, true}, ID_BOX_MOVE_LEFT, false},
        {"grip: move right", {0, 5, false, true}, ID_BOX_MOVE_RIGHT, false},
        {"grip, 70 monitors: add", {0, 70, false, true}, ID_BOX_ADD_MONITOR, false},
        {"box 3 of 5: every tool", {3, 5, false, true}, ID_BOX_TRACE_ROUTE, true},
        {"box 3 of 5: user command 4", {3, 5, false, true}, ID_BOX_USER_COMMAND_4, true},
        {"box 3 of 5: move left", {3, 5, false, true}, ID_BOX_MOVE_LEFT, true},
        {"box 3 of 5: move right", {3, 5, false, true}, ID_BOX_MOVE_RIGHT, true},
        {"box 3 of 5: delete", {3, 5, false, true}, ID_BOX_DELETE_MONITOR, true},
        {"box 3 of 5: duplicate", {3, 5, false, true}, ID_BOX_DUPLICATE, true},
        {"box 3 of 5 disabled: enable", {3, 5, true, true}, ID_BOX_DISABLE, true},
        {"box 1: move left", {1, 5, false, true}, ID_BOX_MOVE_LEFT, false},
        {"box 1 in a column: move up", {1, 5, false, false}, ID_BOX_MOVE_LEFT, false},
        {"box 1: delete while others exist", {1, 5, false, true}, ID_BOX_DELETE_MONITOR, true},
        {"last box: move right", {5, 5, false, true}, ID_BOX_MOVE_RIGHT, false},
        {"last box: move left", {5, 5, false, true}, ID_BOX_MOVE_LEFT, true},
        {"only box: delete", {1, 1, false, true}, ID_BOX_DELETE_MONITOR, false},
        {"only box: move left", {1, 1, false, true}, ID_BOX_MOVE_LEFT, false},
        {"only box: move right", {1, 1, false, true}, ID_BOX_MOVE_RIGHT, false},
        {"only box: edit", {1, 1, false, true}, ID_BOX_EDIT_MONITOR, true},
        {"69 monitors: duplicate", {4, 69, false, true}, ID_BOX_DUPLICATE, true},
        {"70 monitors: duplicate", {4, 70, false, true}, ID_BOX_DUPLICATE, false},
        {"70 monitors: add", {4, 70, false, true}, ID_BOX_ADD_MONITOR, false},
        {"70 monitors: delete", {4, 70, false, true}, ID_BOX_DELETE_MONITOR, true},
        {"a command of no menu", {0, 5, false, true}, 1, true},
    };
    for (const auto& c : cases) EXPECT_EQ(BoxMenuCommandEnabled(c.command, c.context), c.enabled) << c.name;
}

struct TextCase {
    const char* name;
    BoxMenuContext context;
    UINT command;
    const wchar_t* text;
};

TEST(BoxMenu, TextsByLayoutAndBox) {
    const TextCase cases[] = {
        {"row: left", {2, 3, false, true}, ID_BOX_MOVE_LEFT, L"Move Left "},
        {"row: right", {2, 3, false, true}, ID_BOX_MOVE_RIGHT, L"Move Right "},
        {"column: up", {2, 3, false, false}, ID_BOX_MOVE_LEFT, L"Move Up"},
        {"column: down", {2, 3, false, false}, ID_BOX_MOVE_RIGHT, L"Move Down"},
        {"enabled box", {2, 3, false, true}, ID_BOX_DISABLE, L"Disable"},
        {"disabled box", {2, 3, true, true}, ID_BOX_DISABLE, L"Enable"},
        {"grip", {0, 3, true, true}, ID_BOX_DISABLE, L"Disable"},
        {"fixed text", {2, 3, false, true}, ID_BOX_DUPLICATE, L""},
    };
    for (const auto& c : cases) EXPECT_EQ(BoxMenuItemText(c.command, c.context), c.text) << c.name;
}

TEST(BoxMenu, UserCommandItems) {
    const UINT ids[] = {32847, 32848, 32849, 32853, 32855, 32856, 32857};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(UserCommandId(i), ids[i]) << i;
        EXPECT_EQ(UserCommandIndex(ids[i]), i) << i;
    }
    EXPECT_EQ(UserCommandIndex(32850), -1);
    EXPECT_EQ(UserCommandId(7), 0u);
    const struct {
        ULONG nrows;
        UINT rows;
    } rows[] = {{0, 0}, {3, 3}, {7, 7}, {9, 7}, {0xFFFFFFFFul, 7}};
    for (const auto& r : rows) EXPECT_EQ(UserCommandRows(r.nrows), r.rows) << r.nrows;
}

}  // namespace
