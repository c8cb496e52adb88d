// Monitors named by a test name: fixed results, and "*RAND*" with the C library's
// sequence from seed 1 (the one test of that sequence).
#include <gtest/gtest.h>

#include <vector>

#include "engine/TestNames.h"
#include "model/MonitorTypes.h"

TEST(TestNames, FixedNamesWholeAndExactCaseWhateverTheMethod) {
    const std::pair<const wchar_t*, int> fixed[] = {
        {L"*ERROR*", MON_ERROR}, {L"*IP ERROR*", MON_ADDR_ERROR}, {L"*URL ERROR*", MON_ADDR_ERROR},
        {L"*Up*", MON_UP},       {L"*Open*", MON_UP},            {L"*Down*", MON_DOWN},
        {L"*Closed*", MON_CLOSED}, {L"*SnF*", MON_CLOSED}};
    for (UINT method : {0u, 1u, 2u, 3u}) {
        for (const auto& c : fixed) {
            EXPECT_TRUE(IsTestName(c.first));
            CCrtRand rng;
            TestOutcome out = ApplyTestName(c.first, method, rng, {MON_ERROR, 777, 0, 0});
            EXPECT_EQ(out.status, c.second) << c.first << " method " << method;
            EXPECT_EQ(out.timeMs + out.error + out.ipStatus, 0u) << c.first;
            EXPECT_EQ(rng.Next(), 41) << c.first << ": fixed names draw no numbers";
        }
    }
    for (const wchar_t* name : {L"*up*", L"*UP*", L"Up", L" *Up*", L"*Up* ", L"*Up**", L"*rand*", L"", L"**"}) {
        EXPECT_FALSE(IsTestName(name)) << name;
        CCrtRand rng;
        TestOutcome out = ApplyTestName(name, 1, rng, {MON_UP, 12, 34, 56});
        EXPECT_EQ(out.status + out.timeMs + out.error + out.ipStatus, MON_UP + 12u + 34 + 56) << name;
    }
}

TEST(TestNames, RandFollowsTheSeedOneSequenceOnEveryMethod) {
    struct Cycle {
        int status;
        DWORD timeMs, error, ipStatus;
    };
    // TCP and URL draw the same numbers; they differ only in the error of a Down.
    const std::vector<Cycle> tcp = {
        {2, 2, 0, 0}, {5, 1, 0, 0}, {7, 2, 0, 0}, {1, 0, 0, 0}, {5, 2, 0, 0},     {4, 2, 0, 0}, {4, 0, 0, 0},
        {5, 2, 0, 0}, {2, 2, 0, 0}, {4, 0, 0, 0}, {2, 0, 0, 0}, {2, 0, 0, 0},     {4, 1, 0, 0}, {1, 2, 10065, 0},
        {4, 2, 0, 0}, {1, 2, 10065, 0}, {2, 1, 0, 0}, {5, 1, 0, 0}, {1, 0, 10065, 0}, {1, 2, 10065, 0}};
    std::vector<Cycle> url = tcp;
    for (Cycle& c : url)
        if (c.error) c.error = 12029;
    const std::pair<UINT, std::vector<Cycle>> methods[] = {
        {1, {{1, 2, 0, 0}, {4, 1, 0, 0}, {2, 1, 0, 0}, {2, 0, 0, 0}, {4, 2, 0, 0}, {4, 2, 0, 0}, {4, 0, 0, 0},
             {1, 2, 0, 0}, {5, 0, 0, 0}, {5, 0, 0, 0}, {4, 2, 0, 0}, {2, 1, 0, 0}, {5, 0, 0, 0}, {1, 2, 0, 11003},
             {1, 0, 0, 0}, {5, 0, 0, 0}, {1, 2, 0, 11003}, {1, 0, 0, 11003}, {4, 2, 0, 0}, {5, 0, 0, 0}}},
        {2, tcp},
        {3, url},
        {7, {{4, 2, 0, 0}, {4, 2, 0, 0}, {4, 1, 0, 0}, {4, 1, 0, 0}, {4, 2, 0, 0}}},  // only the time is drawn
    };
    for (const auto& m : methods) {
        CCrtRand rng;
        for (size_t i = 0; i < m.second.size(); ++i) {
            // Each cycle starts with the default status and cleared codes.
            const TestOutcome out = ApplyTestName(L"*RAND*", m.first, rng, {MON_ERROR, 999, 0, 0});
            const Cycle& e = m.second[i];
            EXPECT_TRUE(out.status == e.status && out.timeMs == e.timeMs && out.error == e.error &&
                        out.ipStatus == e.ipStatus)
                << "method " << m.first << " cycle " << i << ": " << out.status << " " << out.timeMs << " "
                << out.error << " " << out.ipStatus;
        }
    }
}
