// Which codes take WinINet's texts and which count as ICMP statuses: the edges of both
// ranges, and codes of neither (Winsock, system).
#include <gtest/gtest.h>

#include "model/NetErrorCodes.h"

TEST(NetErrorCodes, WinInetAndIcmpRanges) {
    const struct {
        DWORD code;
        bool winInet, ipStatus;
    } cases[] = {
        {12000, false, false}, {12001, true, false},  {12029, true, false},  {12156, true, false},
        {12157, false, false}, {11000, false, false}, {11001, false, true},  {11003, false, true},
        {11050, false, true},  {11051, false, false}, {10065, false, false}, {0, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsWinInetError(c.code), c.winInet) << c.code;
        EXPECT_EQ(IsIpStatus(c.code), c.ipStatus) << c.code;
    }
}
