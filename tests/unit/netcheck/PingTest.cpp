// Echo checks against loopback. The cases that need an ignored echo or an unreachable
// route run serially (tests/fixtures/run_netcheck.sh icmp) because those settings
// belong to the whole network namespace.
#include <winsock2.h>
#include <iphlpapi.h>
#include <icmpapi.h>

#include <process.h>

#include <atomic>

#include "Fixtures.h"
#include "engine/EchoCall.h"
#include "engine/NetCheck.h"
#include "framework/Handle.h"
#include "model/GlobalSettings.h"

namespace {
bool IcmpNamespaceSet(const char* name) { return FixturePort(name) != 0; }

// A time left by an earlier cycle: an IPv4 ping that gets no echo keeps it.
constexpr DWORD kEarlierTime = 4321;

struct PingCase {
    const char* name;
    bool ipv6;
    const char* host;
    int status;
    bool error;  // a code is left
    DWORD ipStatus;
    DWORD time;  // kEarlierTime: kept; kNoTime; 0: measured
};

unsigned __stdcall SetFlagSoon(void* flag) {
    Sleep(100);
    static_cast<std::atomic<bool>*>(flag)->store(true);
    return 0;
}

void ExpectPing(CNetCheck& check, const PingCase& c) {
    check.m_dwTimeMs = kEarlierTime;
    check.m_dwError = 77;
    check.m_dwIpStatus = 77;
    DWORD start = NowMs();
    int status = c.ipv6 ? check.PingIPv6(c.host) : check.PingIPv4(c.host);
    EXPECT_LE(NowMs() - start, kStepBound) << c.name;
    EXPECT_EQ(status, c.status) << c.name;
    EXPECT_EQ(check.m_dwError != 0, c.error) << c.name << ": " << check.m_dwError;
    EXPECT_EQ(check.m_dwIpStatus, c.ipStatus) << c.name;
    if (c.time == 0) {
        EXPECT_LT(check.m_dwTimeMs, kTestTimeOut) << c.name;
    } else {
        EXPECT_EQ(check.m_dwTimeMs, c.time) << c.name;
    }
}
}  // namespace

TEST(Ping, LoopbackNamesAndFamilies) {
    NEED_FIXTURE(http, "HTTP4");
    const PingCase cases[] = {
        {"loopback", false, "127.0.0.1", MON_UP, false, 0, 0},
        {"by name", false, "localhost", MON_UP, false, 0, 0},
        {"unresolvable", false, "no-such-host.invalid", MON_ADDR_ERROR, true, 0, kEarlierTime},
        {"IPv6 of an IPv4 address", true, "127.0.0.1", MON_ADDR_ERROR, false, 0, kNoTime},
    };
    CNetCheck check;
    for (const PingCase& c : cases) ExpectPing(check, c);
    // A time-out of 0 is no endless wait.
    g_dwTimeOut = 0;
    DWORD start = NowMs();
    check.PingIPv4("127.0.0.1");
    EXPECT_LE(NowMs() - start, 500u + 100u);
    g_dwTimeOut = kTestTimeOut;
    // One handle serves every ping of a monitor until it is let go.
    check.PingIPv4("127.0.0.1");
    const auto first = check.m_hIcmp;
    ASSERT_TRUE(first && first->Valid());
    check.PingIPv4("127.0.0.1");
    EXPECT_EQ(check.m_hIcmp, first);
    check.CloseIcmp();
    EXPECT_FALSE(check.m_hIcmp);
}

TEST(Ping, IPv6LoopbackGivesWhatThePlatformGives) {
    NEED_FIXTURE(http, "HTTP6");
    fw::CIcmpHandle probe(Icmp6CreateFile());
    // Wine has no IPv6 echo (error 120): the check reports the call's own failure.
    const PingCase c = probe.Valid() ? PingCase{"IPv6", true, "::1", MON_UP, false, 0, 0}
                                     : PingCase{"IPv6 missing", true, "::1", MON_ERROR, true, 0, kNoTime};
    CNetCheck check;
    ExpectPing(check, c);
}

TEST(IgnoredEchoSerial, DownInTimeAndAStuckCallIsAnErrorThatHoldsNothingUp) {
    if (!IcmpNamespaceSet("ICMP_IGNORED")) GTEST_SKIP() << "needs the serial ICMP fixture";
    CNetCheck check;
    ExpectPing(check, {"ignored", false, "127.0.0.1", MON_DOWN, false, 11010, kEarlierTime});
    // An echo call that outlives the guard is this cycle's error, with its code...
    check.m_dwEchoCallExtraMs = 3 * kTestTimeOut;
    ExpectPing(check, {"stuck call", false, "127.0.0.1", MON_ERROR, true, 0, kEarlierTime});
    EXPECT_EQ(check.m_dwError, static_cast<DWORD>(ERROR_TIMEOUT));
    // ...and the next cycle runs beside it.
    check.m_dwEchoCallExtraMs = 0;
    ExpectPing(check, {"next cycle", false, "127.0.0.1", MON_DOWN, false, 11010, kEarlierTime});
    // A time-out longer than the longest echo call is waited out whole, echo after echo.
    check.m_dwEchoCallMaxMs = kTestTimeOut / 3;
    DWORD start = NowMs();
    ExpectPing(check, {"echo after echo", false, "127.0.0.1", MON_DOWN, false, 11010, kEarlierTime});
    EXPECT_GE(NowMs() - start, kTestTimeOut);
    // A stop request ends the wait however long the time-out; the call left behind ends
    // within the longest echo call (the end's wait below sees it go).
    std::atomic<bool> stop{false};
    check.SetStopFlag(&stop);
    g_dwTimeOut = MAXDWORD;
    fw::CHandle setter = fw::AdoptThreadHandle(_beginthreadex(nullptr, 0, &SetFlagSoon, &stop, 0, nullptr));
    ASSERT_TRUE(setter.Valid());
    start = NowMs();
    EXPECT_EQ(check.PingIPv4("127.0.0.1"), MON_ERROR);
    EXPECT_LT(NowMs() - start, kTestTimeOut);
    g_dwTimeOut = kTestTimeOut;
    check.SetStopFlag(nullptr);
    WaitForSingleObject(setter, INFINITE);
    setter.Reset();
    // The program's end can wait for the stuck call to return...
    EXPECT_FALSE(CloseEchoesAndWait(0));
    EXPECT_TRUE(CloseEchoesAndWait(4 * kTestTimeOut));
    // ...and from then on no echo starts: a monitor still running when the end began
    // makes none (the end's wait would not see it).
    ExpectPing(check, {"after the end began", false, "127.0.0.1", MON_ERROR, true, 0, kEarlierTime});
    EXPECT_TRUE(CloseEchoesAndWait(0));
}

TEST(UnreachableRouteSerial, PingIsDownWithUnreachableStatus) {
    if (!IcmpNamespaceSet("ICMP_UNREACHABLE")) GTEST_SKIP() << "needs the serial ICMP fixture";
    CNetCheck check;
    ExpectPing(check, {"unreachable", false, "127.0.0.3", MON_DOWN, false, 11003, kEarlierTime});
}
