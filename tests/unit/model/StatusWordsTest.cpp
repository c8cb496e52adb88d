#include <gtest/gtest.h>

#include "model/MonitorTypes.h"
#include "model/StatusWords.h"

// The one table of the status words: display form, and the parameter form that only
// differs for the address errors.
TEST(StatusWord, ByStatusMethodAndStyle) {
    const struct {
        int status;
        UINT method;
        const wchar_t* display;
        const wchar_t* parameter;
    } cases[] = {
        {MON_UP, METHOD_PING, L"Up", L"Up"},
        {MON_UP, METHOD_URL, L"Up", L"Up"},
        {MON_UP, METHOD_TCP, L"Open", L"Open"},
        {MON_DOWN, METHOD_TCP, L"Down", L"Down"},
        {MON_DOWN, METHOD_URL, L"Down", L"Down"},
        {MON_CLOSED, METHOD_TCP, L"Closed", L"Closed"},
        {MON_CLOSED, METHOD_URL, L"S.n.F.", L"S.n.F."},
        {MON_CLOSED, METHOD_PING, L"", L""},
        {MON_ERROR, 7, L"ERROR", L"ERROR"},
        {MON_ADDR_ERROR, METHOD_PING, L"IP ERROR", L"IPERROR"},
        {MON_ADDR_ERROR, METHOD_TCP, L"IP ERROR", L"IPERROR"},
        {MON_ADDR_ERROR, METHOD_URL, L"URL ERROR", L"URLERROR"},
        {MON_ADDR_ERROR, 7, L"", L""},
        {MON_CHECKING, METHOD_TCP, L"CHECKING", L"CHECKING"},
        {MON_DISABLED, METHOD_URL, L"DISABLED", L"DISABLED"},
        {MON_UP, 0, L"", L""},
        {MON_DOWN, 4, L"", L""},
        {3, METHOD_TCP, L"", L""},
        {MON_VOLUME_TEST, METHOD_PING, L"", L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StatusWord(c.status, c.method), c.display) << c.status << "/" << c.method;
        EXPECT_EQ(StatusWord(c.status, c.method, StatusWordStyle::Parameter), c.parameter) << c.status;
    }
    EXPECT_EQ(StatusInfoWord(MON_CLOSED, METHOD_URL), L"S.n.F. (String not Found)");
    EXPECT_EQ(StatusInfoWord(MON_CLOSED, METHOD_TCP), L"Closed");
    EXPECT_EQ(StatusInfoWord(MON_ADDR_ERROR, METHOD_URL), L"URL ERROR");
    const wchar_t* methods[] = {L"", L"Ping", L"TCP", L"URL", L""};
    for (UINT m = 0; m < 5; ++m) EXPECT_EQ(MethodWord(m), methods[m]) << m;
}
