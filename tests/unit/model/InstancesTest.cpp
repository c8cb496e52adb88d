// Which instance a command line selects, and what each instance is guarded by.
#include <gtest/gtest.h>

#include <string>

#include "model/Instances.h"

TEST(Instances, SwitchesAndGuards) {
    const struct {
        const wchar_t* line;
        int instance;
    } cases[] = {
        {L"", 0},  // each switch alone: the instances end-to-end test
        {L"/SECONDARY", 0},                 // the test is case-sensitive
        {L"-secondary", 0},                 // the slash belongs to the switch
        {L"/quinary /secondary", 4},        // "/quinary" is tested after "/secondary"
        {L"/quaternary /tertiary", 3},
        {L"/tertiary /secondary", 2},
        {L"x/tertiaryx", 2},                // a substring is enough
        {L"\"C:\\my /secondary folder\\a.ini\"", 1},
        {L"/secondar", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(InstanceFromCommandLine(c.line), c.instance) << c.line;
    // Other instances, also of other versions, find each other by these names (the titles:
    // the instances end-to-end test).
    for (int i = 0; i < kInstanceCount; ++i)
        EXPECT_EQ(InstanceMutexName(i), L"K3A92D7E1-5B40-4C8E-A613-2F0D9B7C4E58" + std::wstring(1, L'A' + i));
}
