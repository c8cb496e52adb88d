#include <gtest/gtest.h>

#include "dialogs/NetMessageRules.h"

namespace {

TEST(NetMessage, UserNameKeepsOnlyAllowedCharacters) {
    const struct {
        const wchar_t* typed;
        const wchar_t* left;
    } cases[] = {
        {L"j.doe!x", L"jdoex"},
        {L"ann-lee", L"ann-lee"},
        {L" \\/:\"'|,;.<>~!@#$%^&()=+_[]{}*?", L""},
        {L"a b\\c/d:e\"f'g|h,i;j.k<l>m~n!o@p#q$r%s^t&u(v)w=x+y_z[0]1{2}3*4?5", L"abcdefghijklmnopqrstuvwxyz012345"},
        {L"Zoë`9-", L"Zoë`9-"},
    };
    for (const auto& c : cases) EXPECT_EQ(FilterNetUserName(c.typed), c.left) << c.typed;
}

TEST(NetMessage, ParametersTakeHostUserThenMessage) {
    const std::wstring kDefault = kDefaultNetMsgParameters;
    const struct {
        const char* label;
        const wchar_t* command;
        std::wstring templ;
        const wchar_t* host;
        const wchar_t* user;
        const wchar_t* message;
        const wchar_t* expected;
    } cases[] = {
        {"default", L"cmd", kDefault, L"192.168.0.7", L"bob", L"Hello",
         L"/K \"msg /V /SERVER:192.168.0.7 bob Hello\""},
        {"message sent as typed", L"net.exe", L"%message", L"h", L"u", L"%ip %user", L"%ip %user"},
        {"host scanned again", L"net.exe", L"%ip|%user", L"x%user", L"u", L"m", L"xu|u"},
        {"every occurrence", L"net.exe", L"%ip %ip %message", L"h", L"u", L"m", L"h h m"},
        {"case-sensitive", L"net.exe", L"%IP %User", L"h", L"u", L"m", L"%IP %User"},
        {"cmd gets inert values", L"cmd", kDefault, L"h", L"u", L"Tom & Jerry |<>^\"%!\r\n",
         L"/K \"msg /V /SERVER:h u Tom _ Jerry _____%!__\""},
        {"cmd gets the message as typed", L"cmd", kDefault, L"fe80::1%4", L"u", L"Done! 50% %ip",
         L"/K \"msg /V /SERVER:fe80::1%4 u Done! 50% %ip\""},
        {"batch gets inert values", L"C:\\tools\\send.BAT", L"%message", L"h", L"u", L"a&b", L"a_b"},
        {"cmd: no %...% pair from host or user", L"cmd", kDefault, L"127.0.0.1%CMDCMDLINE:~-8,1%calc", L"%PATH%",
         L"m", L"/K \"msg /V /SERVER:127.0.0.1_CMDCMDLINE:~-8,1_calc _PATH_ m\""},
        {"batch: a lone % of a stored user", L"C:\\tools\\send.cmd", L"%user %message", L"h", L"a%", L"50%",
         L"a_ 50%"},
        {"an empty user is console", L"cmd", kDefault, L"h", L"", L"m", L"/K \"msg /V /SERVER:h console m\""},
        {"a blank user is console", L"C:\\tools\\send.exe", L"%user", L"h", L"  ", L"m", L"console"},
        {"another program gets them as typed", L"C:\\tools\\send.exe", L"%message", L"h", L"u", L"a&b", L"a&b"},
    };
    for (const auto& c : cases) {
        NetMessageLaunch launch = NetMessageCommandLine(c.command, c.templ, c.host, c.user, c.message);
        EXPECT_EQ(launch.program, c.command) << c.label;
        EXPECT_EQ(launch.parameters, c.expected) << c.label;
    }
}

}  // namespace
