// The box menu's enabling rules and its texts that depend on the layout and the box.
#include <gtest/gtest.h>

#include "app/BoxMenuRules.h"
#include "resource.h"

namespace {

// The menu opened on: the grip strip, box 1, 3 and 5 of 5, the only box, box 4 of 70.
const BoxMenuContext kContexts[] = {{0, 5}, {1, 5}, {3, 5}, {5, 5}, {1, 1}, {4, 70}};

TEST(BoxMenu, CommandsEnabledPerBox) {
    const struct {
        UINT command;
        const char* enabled;  // one digit per context above
    } cases[] = {
        {ID_BOX_ADD_MONITOR, "111110"},    {ID_BOX_DUPLICATE, "011110"},  {ID_BOX_DELETE_MONITOR, "011101"},
        {ID_BOX_MOVE_LEFT, "001101"},      {ID_BOX_MOVE_RIGHT, "011001"}, {ID_BOX_EDIT_MONITOR, "011111"},
        {ID_BOX_PING, "011111"},           {ID_BOX_WEB, "011111"},        {ID_BOX_FTP, "011111"},
        {ID_BOX_TRACE_ROUTE, "011111"},    {ID_BOX_SHARES, "011111"},     {ID_BOX_REMOTE_DESKTOP, "011111"},
        {ID_BOX_SEND_NET_MESSAGE, "011111"}, {ID_BOX_STATUS_INFO, "011111"}, {ID_BOX_VIEW_LOG, "011111"},
        {ID_BOX_CUSTOMIZE, "011111"},      {ID_BOX_DISABLE, "011111"},    {ID_BOX_USER_COMMAND_1, "011111"},
        {ID_BOX_USER_COMMAND_7, "011111"}, {1, "111111"},
    };
    for (const auto& c : cases)
        for (size_t i = 0; i < std::size(kContexts); ++i)
            EXPECT_EQ(BoxMenuCommandEnabled(c.command, kContexts[i]), c.enabled[i] == '1')
                << "command " << c.command << ", context " << i;
}

TEST(BoxMenu, TextsByLayoutAndBox) {
    const struct {
        BoxMenuContext context;
        UINT command;
        const wchar_t* text;
    } cases[] = {
        {{2, 3, false, true}, ID_BOX_MOVE_LEFT, L"Move Left "}, {{2, 3, false, true}, ID_BOX_MOVE_RIGHT, L"Move Right "},
        {{2, 3, false, false}, ID_BOX_MOVE_LEFT, L"Move Up"},   {{2, 3, false, false}, ID_BOX_MOVE_RIGHT, L"Move Down"},
        {{2, 3, false, true}, ID_BOX_DISABLE, L"Disable"},      {{2, 3, true, true}, ID_BOX_DISABLE, L"Enable"},
        {{0, 3, true, true}, ID_BOX_DISABLE, L"Disable"},       {{2, 3, false, true}, ID_BOX_DUPLICATE, L""},
    };
    for (const auto& c : cases) EXPECT_EQ(BoxMenuItemText(c.command, c.context), c.text) << c.command;
}

TEST(BoxMenu, UserCommandItems) {
    const UINT ids[] = {32847, 32848, 32849, 32853, 32855, 32856, 32857};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(UserCommandId(i), ids[i]) << i;
        EXPECT_EQ(UserCommandIndex(ids[i]), i) << i;
    }
    EXPECT_EQ(UserCommandIndex(32850), -1);
}

// The ICMP forms appear only where the system has ICMP texts; under Wine the status
// comes as the error code, and a general failure has no text of its own.
TEST(BoxMenu, StatusInfoForms) {
    struct Case {
        StatusInfoFacts facts;
        const wchar_t* text;
    };
    const Case cases[] = {
        {{L"gw", L"Down", true, 11010, L"Request timed out.", 0, L""},
         L"Name: gw\nStatus: Down\nIP_STATUS = Request timed out.\nIP_STATUS Error Code = 11010"},
        {{L"gw", L"Down", true, 11050, L"General failure.", 0, L""},
         L"Name: gw\nStatus: Down\nGeneral Failure.\nIP_STATUS = General failure.\nIP_STATUS Error Code = 11050"},
        {{L"gw", L"Down", false, 0, L"", 11050, L"ignored"},
         L"Name: gw\nStatus: Down\nGeneral Failure.\nWin Sys Error Code = 11050"},
        {{L"web", L"Down", false, 0, L"", 12029, L"The attempt to connect to the server failed."},
         L"Name: web\nStatus: Down\nThe attempt to connect to the server failed.\nWin Sys Error Code = 12029"},
    };
    for (const Case& c : cases) EXPECT_EQ(StatusInfoText(c.facts), c.text);
}

}  // namespace
