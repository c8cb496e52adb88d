// Echo checks against loopback. The cases that need an ignored echo or an unreachable
// route run serially (tests/fixtures/run_netcheck.sh icmp) because those settings
// belong to the whole network namespace.
#include <winsock2.h>
#include <iphlpapi.h>
#include <icmpapi.h>

#include "Fixtures.h"
#include "engine/NetCheck.h"

namespace {
bool IcmpNamespaceSet(const char* name) { return FixturePort(name) != 0; }

// A time left by an earlier cycle: an IPv4 ping that does not get its echo keeps it.
constexpr DWORD kEarlierTime = 4321;
}  // namespace

TEST(PingIPv4, LoopbackAnswersUp) {
    NEED_FIXTURE(http, "HTTP4");
    CNetCheck check;
    check.m_dwError = 77;
    check.m_dwIpStatus = 77;
    EXPECT_EQ(check.PingIPv4("127.0.0.1"), MON_UP);
    EXPECT_EQ(check.m_dwError, 0u);
    EXPECT_EQ(check.m_dwIpStatus, 0u);
    EXPECT_LT(check.m_dwTimeMs, kTestTimeOut);
    // The handle made by the first ping serves the next one.
    HANDLE first = check.m_hIcmp;
    EXPECT_NE(first, INVALID_HANDLE_VALUE);
    EXPECT_EQ(check.PingIPv4("localhost"), MON_UP);
    EXPECT_EQ(check.m_hIcmp, first);
    check.CloseIcmp();
    EXPECT_EQ(check.m_hIcmp, INVALID_HANDLE_VALUE);
}

TEST(PingIPv4, UnresolvableNameIsAddressError) {
    NEED_FIXTURE(http, "HTTP4");
    CNetCheck check;
    check.m_dwTimeMs = kEarlierTime;
    check.m_dwIpStatus = 9;
    EXPECT_EQ(check.PingIPv4("no-such-host.invalid"), MON_ADDR_ERROR);
    EXPECT_NE(check.m_dwError, 0u);
    EXPECT_EQ(check.m_dwIpStatus, 0u);
    EXPECT_EQ(check.m_dwTimeMs, kEarlierTime);
}

TEST(PingIPv6, NameResolvingToIPv4IsAddressErrorWithoutCodes) {
    NEED_FIXTURE(http, "HTTP4");
    CNetCheck check;
    check.m_dwTimeMs = 5;
    EXPECT_EQ(check.PingIPv6("127.0.0.1"), MON_ADDR_ERROR);
    EXPECT_EQ(check.m_dwError, 0u);
    EXPECT_EQ(check.m_dwIpStatus, 0u);
    EXPECT_EQ(check.m_dwTimeMs, kNoTime);
}

TEST(PingIPv6, LoopbackGivesWhatThePlatformGives) {
    NEED_FIXTURE(http, "HTTP6");
    HANDLE probe = Icmp6CreateFile();
    DWORD createError = GetLastError();
    CNetCheck check;
    check.m_dwTimeMs = kEarlierTime;
    int status = check.PingIPv6("::1");
    if (probe == INVALID_HANDLE_VALUE) {
        // Wine has no IPv6 echo (error 120): the check reports the call's own failure,
        // and an IPv6 ping never keeps an earlier time.
        EXPECT_EQ(status, MON_ERROR);
        EXPECT_EQ(check.m_dwError, createError);
        EXPECT_EQ(check.m_hIcmp, INVALID_HANDLE_VALUE);
        EXPECT_EQ(check.m_dwTimeMs, kNoTime);
    } else {
        IcmpCloseHandle(probe);
        EXPECT_EQ(status, MON_UP);
        EXPECT_EQ(check.m_dwError, 0u);
    }
    EXPECT_EQ(check.m_dwIpStatus, 0u);
}

TEST(IgnoredEchoSerial, PingIsDownWithTimedOutStatus) {
    if (!IcmpNamespaceSet("ICMP_IGNORED")) GTEST_SKIP() << "needs the serial ICMP fixture";
    CNetCheck check;
    check.m_dwTimeMs = kEarlierTime;
    DWORD start = NowMs();
    EXPECT_EQ(check.PingIPv4("127.0.0.1"), MON_DOWN);
    EXPECT_LT(NowMs() - start, kHangBound);
    EXPECT_EQ(check.m_dwIpStatus, 11010u);
    EXPECT_EQ(check.m_dwError, 0u);
    EXPECT_EQ(check.m_dwTimeMs, kEarlierTime);
}

TEST(UnreachableRouteSerial, PingIsDownWithUnreachableStatus) {
    if (!IcmpNamespaceSet("ICMP_UNREACHABLE")) GTEST_SKIP() << "needs the serial ICMP fixture";
    CNetCheck check;
    check.m_dwTimeMs = kEarlierTime;
    EXPECT_EQ(check.PingIPv4("127.0.0.3"), MON_DOWN);
    EXPECT_EQ(check.m_dwIpStatus, 11003u);
    EXPECT_EQ(check.m_dwError, 0u);
    EXPECT_EQ(check.m_dwTimeMs, kEarlierTime);
}
