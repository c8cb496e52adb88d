// Connection checks against the loopback listeners, over IPv4 and IPv6.
#include "Fixtures.h"
#include "engine/NetCheck.h"
#include "model/GlobalSettings.h"

namespace {
// What a check does with the time an earlier cycle left.
enum class TimeRule {
    Measured,  // the time of the connection (or refusal, or the wait)
    Cleared,   // none: an IPv4 connection starts without a time
};

constexpr DWORD kEarlierTime = 4321;

struct TcpCase {
    const char* name;
    bool ipv6;
    const char* host;
    const char* fixture;  // the port's fixture name
    int status;
    DWORD error;
    TimeRule time;
};

const TcpCase kTcpCases[] = {
    {"open v4", false, "127.0.0.1", "HTTP4", MON_UP, 0, TimeRule::Measured},
    {"open by name v4", false, "localhost", "HTTP4", MON_UP, 0, TimeRule::Measured},
    {"accepting but silent v4", false, "127.0.0.1", "SILENT4", MON_UP, 0, TimeRule::Measured},
    {"refused v4", false, "127.0.0.1", "CLOSED4", MON_CLOSED, 10061, TimeRule::Measured},
    {"queue full v4", false, "127.0.0.1", "FULL4", MON_DOWN, 10060, TimeRule::Cleared},
    {"unresolvable v4", false, "no-such-host.invalid", "HTTP4", MON_ADDR_ERROR, 10022, TimeRule::Cleared},
    {"IPv6 literal on v4", false, "::1", "HTTP4", MON_ADDR_ERROR, 10022, TimeRule::Cleared},
    {"open v6", true, "::1", "HTTP6", MON_UP, 0, TimeRule::Measured},
    {"refused v6", true, "::1", "CLOSED6", MON_CLOSED, 10061, TimeRule::Measured},
    // The wait ran out: its time is kept with the time-out's error.
    {"queue full v6", true, "::1", "FULL6", MON_DOWN, 10060, TimeRule::Measured},
};

int RunTcp(CNetCheck& check, const TcpCase& c, UINT port) {
    return c.ipv6 ? check.TcpConnectIPv6(c.host, port) : check.TcpConnectIPv4(c.host, port);
}
}  // namespace

TEST(TcpConnect, MapsEveryListenerToItsStatus) {
    NEED_FIXTURE(http, "HTTP4");
    for (const TcpCase& c : kTcpCases) {
        CNetCheck check;
        check.m_dwError = 9;
        check.m_dwIpStatus = 9;
        check.m_dwTimeMs = kEarlierTime;
        DWORD start = NowMs();
        int status = RunTcp(check, c, FixturePort(c.fixture));
        DWORD took = NowMs() - start;
        EXPECT_EQ(status, c.status) << c.name;
        EXPECT_EQ(check.m_dwError, c.error) << c.name;
        EXPECT_EQ(check.m_dwIpStatus, 0u) << c.name;
        EXPECT_LT(took, kHangBound) << c.name;
        switch (c.time) {
        case TimeRule::Measured: EXPECT_LE(check.m_dwTimeMs, took) << c.name; break;
        case TimeRule::Cleared: EXPECT_EQ(check.m_dwTimeMs, kNoTime) << c.name; break;
        }
    }
}

TEST(TcpConnect, IPv6ResolvesOnlyIPv6Addresses) {
    NEED_FIXTURE(http, "HTTP4");
    // A name that does not resolve to IPv6 is an address error, and the time of an
    // earlier cycle stays.
    for (const char* host : {"127.0.0.1", "no-such-host.invalid"}) {
        CNetCheck check;
        check.m_dwTimeMs = kEarlierTime;
        EXPECT_EQ(check.TcpConnectIPv6(host, http), MON_ADDR_ERROR) << host;
        EXPECT_NE(check.m_dwError, 0u) << host;
        EXPECT_EQ(check.m_dwTimeMs, kEarlierTime) << host;
    }
}

TEST(TcpConnect, TimeOutIsReadAtEachCheck) {
    NEED_FIXTURE(full, "FULL4");
    CNetCheck check;
    g_dwTimeOut = 250;
    DWORD start = NowMs();
    EXPECT_EQ(check.TcpConnectIPv4("127.0.0.1", full), MON_DOWN);
    EXPECT_EQ(check.TcpConnectIPv6("::1", FixturePort("FULL6")), MON_DOWN);
    g_dwTimeOut = kTestTimeOut;
    // Under the old time-out the two would take at least twice as long as this bound.
    EXPECT_LT(NowMs() - start, 3 * kTestTimeOut / 2);
}

TEST(TcpConnect, IPv6ConnectThatFailsAtOnceIsNotWaitedFor) {
    NEED_FIXTURE(http, "HTTP6");
    // An IPv4-mapped address on an IPv6-only socket: connect refuses it at once.
    CNetCheck check;
    DWORD start = NowMs();
    int status = check.TcpConnectIPv6("::ffff:127.0.0.1", http);
    EXPECT_LT(NowMs() - start, kTestTimeOut / 2);
    EXPECT_NE(check.m_dwError, 0u);
    EXPECT_NE(check.m_dwError, 10060u);
    EXPECT_NE(status, MON_UP);
}

TEST(UnreachableRouteSerial, ConnectionsAreDownAtOnce) {
    if (!FixturePort("ICMP_UNREACHABLE")) GTEST_SKIP() << "needs the serial ICMP fixture";
    CNetCheck check;
    DWORD start = NowMs();
    EXPECT_EQ(check.TcpConnectIPv4("127.0.0.3", 80), MON_DOWN);
    EXPECT_EQ(check.m_dwError, 10065u);
    EXPECT_EQ(check.CheckUrl("http://127.0.0.3/", L"x"), MON_DOWN);
    EXPECT_EQ(check.m_dwError, 12029u);
    EXPECT_LT(NowMs() - start, kTestTimeOut);
}
