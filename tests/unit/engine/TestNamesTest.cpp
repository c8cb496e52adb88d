// Monitors named by a test name: fixed results, and "*RAND*" with the C library's
// sequence from seed 1.
#include <gtest/gtest.h>

#include "engine/TestNames.h"
#include "model/MonitorTypes.h"

TEST(IsTestName, WholeNameExactCase) {
    const wchar_t* yes[] = {L"*ERROR*", L"*IP ERROR*", L"*URL ERROR*", L"*Up*", L"*Open*",
                            L"*Down*",  L"*Closed*",   L"*RAND*",      L"*SnF*"};
    for (const wchar_t* name : yes) EXPECT_TRUE(IsTestName(name)) << name;
    const wchar_t* no[] = {L"*up*", L"*UP*", L"Up", L" *Up*", L"*Up* ", L"*Up**", L"*rand*", L"", L"**"};
    for (const wchar_t* name : no) EXPECT_FALSE(IsTestName(name)) << name;
}

TEST(CCrtRand, StartsTheStandardSequence) {
    CCrtRand rng;
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int value : expected) EXPECT_EQ(rng.Next(), value);
}

TEST(ApplyTestName, FixedNamesWhateverTheMethod) {
    struct Case {
        const wchar_t* name;
        int status;
    };
    const Case cases[] = {{L"*ERROR*", MON_ERROR}, {L"*IP ERROR*", MON_ADDR_ERROR}, {L"*URL ERROR*", MON_ADDR_ERROR},
                          {L"*Up*", MON_UP},       {L"*Open*", MON_UP},            {L"*Down*", MON_DOWN},
                          {L"*Closed*", MON_CLOSED}, {L"*SnF*", MON_CLOSED}};
    for (UINT method : {1u, 2u, 3u, 0u}) {
        for (const Case& c : cases) {
            CCrtRand rng;
            TestOutcome out = ApplyTestName(c.name, method, rng, {MON_ERROR, 777, 0, 0});
            EXPECT_EQ(out.status, c.status) << c.name << " method " << method;
            EXPECT_EQ(out.timeMs, 0u) << c.name;
            EXPECT_EQ(out.error, 0u) << c.name;
            EXPECT_EQ(out.ipStatus, 0u) << c.name;
            EXPECT_EQ(rng.Next(), 41) << c.name << ": fixed names draw no numbers";
        }
    }
}

TEST(ApplyTestName, OtherNamesKeepTheCycleValues) {
    CCrtRand rng;
    TestOutcome out = ApplyTestName(L"Router", 1, rng, {MON_UP, 12, 34, 56});
    EXPECT_EQ(out.status, MON_UP);
    EXPECT_EQ(out.timeMs, 12u);
    EXPECT_EQ(out.error, 34u);
    EXPECT_EQ(out.ipStatus, 56u);
}

namespace {
struct RandCycle {
    int status;
    DWORD timeMs;
    DWORD error;
    DWORD ipStatus;
};

void ExpectRandSequence(UINT method, const RandCycle* expected, size_t count) {
    CCrtRand rng;
    for (size_t i = 0; i < count; ++i) {
        // Each cycle starts with the default status and cleared codes.
        TestOutcome out = ApplyTestName(L"*RAND*", method, rng, {MON_ERROR, 999, 0, 0});
        EXPECT_EQ(out.status, expected[i].status) << "method " << method << " cycle " << i;
        EXPECT_EQ(out.timeMs, expected[i].timeMs) << "method " << method << " cycle " << i;
        EXPECT_EQ(out.error, expected[i].error) << "method " << method << " cycle " << i;
        EXPECT_EQ(out.ipStatus, expected[i].ipStatus) << "method " << method << " cycle " << i;
    }
}
}  // namespace

TEST(ApplyTestName, RandOnPing) {
    const RandCycle expected[] = {
        {1, 2, 0, 0}, {4, 1, 0, 0}, {2, 1, 0, 0}, {2, 0, 0, 0}, {4, 2, 0, 0},     {4, 2, 0, 0},     {4, 0, 0, 0},
        {1, 2, 0, 0}, {5, 0, 0, 0}, {5, 0, 0, 0}, {4, 2, 0, 0}, {2, 1, 0, 0},     {5, 0, 0, 0},     {1, 2, 0, 11003},
        {1, 0, 0, 0}, {5, 0, 0, 0}, {1, 2, 0, 11003}, {1, 0, 0, 11003}, {4, 2, 0, 0}, {5, 0, 0, 0},
    };
    ExpectRandSequence(1, expected, sizeof(expected) / sizeof(expected[0]));
}

TEST(ApplyTestName, RandOnTcpAndUrl) {
    // TCP and URL draw the same numbers; they differ only in the error of a Down.
    const RandCycle tcp[] = {
        {2, 2, 0, 0}, {5, 1, 0, 0}, {7, 2, 0, 0}, {1, 0, 0, 0}, {5, 2, 0, 0},     {4, 2, 0, 0}, {4, 0, 0, 0},
        {5, 2, 0, 0}, {2, 2, 0, 0}, {4, 0, 0, 0}, {2, 0, 0, 0}, {2, 0, 0, 0},     {4, 1, 0, 0}, {1, 2, 10065, 0},
        {4, 2, 0, 0}, {1, 2, 10065, 0}, {2, 1, 0, 0}, {5, 1, 0, 0}, {1, 0, 10065, 0}, {1, 2, 10065, 0},
    };
    ExpectRandSequence(2, tcp, sizeof(tcp) / sizeof(tcp[0]));
    RandCycle url[sizeof(tcp) / sizeof(tcp[0])];
    for (size_t i = 0; i < sizeof(tcp) / sizeof(tcp[0]); ++i) {
        url[i] = tcp[i];
        if (url[i].error == 10065) url[i].error = 12029;
    }
    ExpectRandSequence(3, url, sizeof(url) / sizeof(url[0]));
}

TEST(ApplyTestName, RandOnAnotherMethodOnlyDrawsTheTime) {
    const RandCycle expected[] = {{4, 2, 0, 0}, {4, 2, 0, 0}, {4, 1, 0, 0}, {4, 1, 0, 0}, {4, 2, 0, 0}};
    ExpectRandSequence(7, expected, sizeof(expected) / sizeof(expected[0]));
}
