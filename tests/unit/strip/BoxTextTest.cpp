#include <gtest/gtest.h>

#include "app/BoxText.h"
#include "model/MonitorTypes.h"

namespace {

constexpr UINT kPing = METHOD_PING, kTcp = METHOD_TCP, kUrl = METHOD_URL, kOther = 7;

struct MethodCase {
    UINT method;
    UINT ipv;
    UINT port;
    const wchar_t* line;
};

TEST(MethodLine, ShowsMethodPortAndIpVersion) {
    const MethodCase cases[] = {
        {kPing, 0, 80, L"Method: Ping IPv4"},    {kPing, 1, 80, L"Method: Ping IPv6"},
        {kPing, 5, 80, L"Method: Ping IPv6"},    {kTcp, 0, 3389, L"Method: TCP 3389 IPv4"},
        {kTcp, 1, 21, L"Method: TCP 21 IPv6"},   {kTcp, 0, 0, L"Method: TCP 0 IPv4"},
        {kUrl, 0, 8080, L"Method: URL IPv4"},    {kUrl, 1, 80, L"Method: URL IPv6"},
        {0, 0, 80, L""},                         {kOther, 1, 80, L""},
    };
    for (const auto& c : cases) EXPECT_EQ(MethodLine(c.method, c.ipv, c.port), c.line) << c.method;
}

// The word itself comes from the status words; here: which statuses get a line.
TEST(StatusLine, OnlyNetworkStatesOfKnownMethods) {
    const struct {
        int status;
        UINT method;
        const wchar_t* line;
    } cases[] = {
        {MON_UP, kTcp, L"Status: Open"},        {MON_CLOSED, kUrl, L"Status: S.n.F."}, {MON_DOWN, kPing, L"Status: Down"},
        {MON_UP, kOther, L""},                  {MON_CLOSED, kPing, L""},              {MON_ERROR, kPing, L""},
        {MON_CHECKING, kTcp, L""},              {0, kPing, L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StatusLine(c.status, c.method), c.line) << c.status << "/" << c.method;
}

struct TimeCase {
    const char* name;
    int status;
    UINT method;
    DWORD timeMs, error, ipStatus;
    const wchar_t* line;
};

TEST(TimeLine, ShowsTimeOrTheReasonOfDown) {
    const TimeCase cases[] = {
        {"ping up", MON_UP, kPing, 12, 0, 0, L"Reply: 12 ms"},
        {"tcp open", MON_UP, kTcp, 3, 0, 0, L"Connect: 3 ms"},
        {"url up", MON_UP, kUrl, 250, 0, 0, L"Load: 250 ms"},
        {"unknown method up", MON_UP, kOther, 7, 0, 0, L"Reply: 7 ms"},
        {"ping up at 0", MON_UP, kPing, 0, 0, 0, L"Reply: <1 ms"},
        {"tcp open at 0", MON_UP, kTcp, 0, 0, 0, L"Connect: <1 ms"},
        {"url up at 0", MON_UP, kUrl, 0, 0, 0, L"Load: <1 ms"},
        {"tcp closed at 0", MON_CLOSED, kTcp, 0, 0, 0, L"Connect: <1 ms"},
        {"url s.n.f. at 0", MON_CLOSED, kUrl, 0, 0, 0, L"Load: <1 ms"},
        {"tcp closed", MON_CLOSED, kTcp, 1, 10061, 0, L"Connect: 1 ms"},
        {"largest time", MON_UP, kPing, 4294967294u, 0, 0, L"Reply: 4294967294 ms"},
        {"url down, cannot connect", MON_DOWN, kUrl, 5, 12029, 0, L"Connect: Failed"},
        {"url down, time-out", MON_DOWN, kUrl, 5, 12002, 0, L"Connect: Timeout"},
        {"tcp down, unreachable", MON_DOWN, kTcp, 0, 10065, 0, L"Connect: Unreach."},
        {"tcp down, time-out", MON_DOWN, kTcp, 0, 10060, 0, L"Connect: Timeout"},
        {"ping down, error unreachable", MON_DOWN, kPing, 0, 11003, 0, L"Reply: Unreach."},
        {"ping down, ip status unreachable", MON_DOWN, kPing, 0, 0, 11003, L"Reply: Unreach."},
        {"ping down, ip status time-out", MON_DOWN, kPing, 0, 0, 11010, L"Reply: Timeout"},
        {"ping down, other error hides ip status", MON_DOWN, kPing, 0, 1231, 11003, L"Reply: Timeout"},
        {"unknown method down", MON_DOWN, kOther, 0, 11003, 11003, L"Reply: Timeout"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TimeLine(c.status, c.method, c.timeMs, c.error, c.ipStatus), c.line) << c.name;
}

BoxTextInput Box(int status, UINT method) {
    return {status, method, IPVER_4, 8080, L"host.example", 0, 0, 0};
}

TEST(InfoLines, FollowTheSwitchesInOrder) {
    const BoxLineSwitches all = {true, true, true, true};
    std::vector<std::wstring> lines = InfoLines(Box(MON_UP, kTcp), all);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], L"host.example");
    EXPECT_EQ(lines[1], L"Method: TCP 8080 IPv4");
    EXPECT_EQ(lines[2], L"Status: Open");
    EXPECT_EQ(lines[3], L"Connect: <1 ms");

    lines = InfoLines(Box(MON_DOWN, kPing), {false, false, true, true});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], L"Status: Down");
    EXPECT_EQ(lines[1], L"Reply: Timeout");

    lines = InfoLines(Box(MON_UP, kPing), {false, true, false, false});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], L"Method: Ping IPv4");
}

TEST(InfoLines, CaptionStatusesShowNoStatusOrTimeLine) {
    const BoxLineSwitches all = {true, true, true, true};
    for (int status : {MON_ERROR, MON_ADDR_ERROR, MON_CHECKING, MON_DISABLED}) {
        std::vector<std::wstring> lines = InfoLines(Box(status, kUrl), all);
        ASSERT_EQ(lines.size(), 2u) << status;
        EXPECT_EQ(lines[0], L"host.example");
        EXPECT_EQ(lines[1], L"Method: URL IPv4");
        EXPECT_TRUE(InfoLines(Box(status, kUrl), {false, false, true, true}).empty()) << status;
    }
}

TEST(InfoLines, EmptyLinesKeepTheirPlace) {
    // A Ping box in status 7 (only a test name gives it) has an empty status line.
    std::vector<std::wstring> lines = InfoLines(Box(MON_CLOSED, kPing), {false, false, true, true});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], L"");
    EXPECT_EQ(lines[1], L"Reply: <1 ms");
}

struct DrawnCase {
    size_t count;
    int status;
    size_t drawn;
};

TEST(InfoLinesDrawn, ThirdAndFourthOnlyForNetworkStates) {
    const DrawnCase cases[] = {
        {0, MON_UP, 0},       {1, MON_UP, 1},       {4, MON_UP, 4},      {4, MON_DOWN, 4},
        {3, MON_CLOSED, 3},   {2, MON_CHECKING, 2}, {1, MON_DISABLED, 1}, {4, 0, 2},
        {3, MON_ERROR, 2},    {4, 3, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(InfoLinesDrawn(c.count, c.status), c.drawn) << c.count << " lines, status " << c.status;
}

}  // namespace

namespace {

TEST(BoxColoursFor, MonitorColoursForNetworkStatesElseBlackOnWhite) {
    const COLORREF boxUp = RGB(0, 200, 0), boxDown = RGB(200, 0, 0), textUp = RGB(1, 2, 3),
                   textDown = RGB(4, 5, 6);
    struct Case {
        int status;
        COLORREF background, text;
    } const cases[] = {
        {MON_UP, boxUp, textUp},
        {MON_DOWN, boxDown, textDown},
        {MON_CLOSED, boxDown, textDown},
        {MON_ERROR, RGB(255, 255, 255), RGB(0, 0, 0)},
        {MON_ADDR_ERROR, RGB(255, 255, 255), RGB(0, 0, 0)},
        {MON_CHECKING, RGB(255, 255, 255), RGB(0, 0, 0)},
        {MON_DISABLED, RGB(255, 255, 255), RGB(0, 0, 0)},
        {0, RGB(255, 255, 255), RGB(0, 0, 0)},  // before the first status: no stale pixels
    };
    for (const auto& c : cases) {
        BoxColours colours = BoxColoursFor(c.status, boxUp, boxDown, textUp, textDown);
        EXPECT_EQ(colours.background, c.background) << c.status;
        EXPECT_EQ(colours.text, c.text) << c.status;
    }
}

}  // namespace
