#include <gtest/gtest.h>

#include "model/MonitorTypes.h"
#include "model/StatusWords.h"

namespace {

struct WordCase {
    int status;
    UINT method;
    const wchar_t* word;
};

TEST(StatusWord, ByStatusAndMethod) {
    const WordCase cases[] = {
        {MON_UP, METHOD_PING, L"Up"},          {MON_UP, METHOD_URL, L"Up"},
        {MON_UP, METHOD_TCP, L"Open"},         {MON_DOWN, METHOD_PING, L"Down"},
        {MON_DOWN, METHOD_TCP, L"Down"},       {MON_DOWN, METHOD_URL, L"Down"},
        {MON_CLOSED, METHOD_TCP, L"Closed"},   {MON_CLOSED, METHOD_URL, L"S.n.F."},
        {MON_CLOSED, METHOD_PING, L""},        {MON_ERROR, METHOD_PING, L"ERROR"},
        {MON_ERROR, 7, L"ERROR"},              {MON_ADDR_ERROR, METHOD_PING, L"IP ERROR"},
        {MON_ADDR_ERROR, METHOD_TCP, L"IP ERROR"}, {MON_ADDR_ERROR, METHOD_URL, L"URL ERROR"},
        {MON_ADDR_ERROR, 7, L""},              {MON_CHECKING, METHOD_TCP, L"CHECKING"},
        {MON_DISABLED, METHOD_URL, L"DISABLED"}, {MON_UP, 0, L""},
        {MON_DOWN, 4, L""},                    {0, METHOD_PING, L""},
        {3, METHOD_TCP, L""},                  {MON_VOLUME_TEST, METHOD_PING, L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StatusWord(c.status, c.method), c.word) << c.status << "/" << c.method;
}

}  // namespace

namespace {

// In launched programs' parameters only the address errors lose their blank.
TEST(StatusWord, ParameterStyleDiffersOnlyForAddressErrors) {
    EXPECT_EQ(StatusWord(MON_ADDR_ERROR, METHOD_PING, StatusWordStyle::Parameter), L"IPERROR");
    EXPECT_EQ(StatusWord(MON_ADDR_ERROR, METHOD_TCP, StatusWordStyle::Parameter), L"IPERROR");
    EXPECT_EQ(StatusWord(MON_ADDR_ERROR, METHOD_URL, StatusWordStyle::Parameter), L"URLERROR");
    EXPECT_EQ(StatusWord(MON_ADDR_ERROR, 7, StatusWordStyle::Parameter), L"");
    for (int status : std::initializer_list<int>{0, MON_DOWN, MON_UP, MON_ERROR, MON_CHECKING, MON_CLOSED, MON_DISABLED})
        for (UINT method : std::initializer_list<UINT>{0u, METHOD_PING, METHOD_TCP, METHOD_URL})
            EXPECT_EQ(StatusWord(status, method, StatusWordStyle::Parameter), StatusWord(status, method))
                << status << "/" << method;
}

TEST(MethodWord, NamesTheThreeMethods) {
    EXPECT_EQ(MethodWord(METHOD_PING), L"Ping");
    EXPECT_EQ(MethodWord(METHOD_TCP), L"TCP");
    EXPECT_EQ(MethodWord(METHOD_URL), L"URL");
    EXPECT_EQ(MethodWord(0), L"");
    EXPECT_EQ(MethodWord(4), L"");
}

}  // namespace
