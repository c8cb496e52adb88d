// What a box says and in which colours: its information lines by status, method and
// result (the status words themselves are the status words' own test).
#include <gtest/gtest.h>

#include <string>

#include "ui/BoxText.h"
#include "model/MonitorTypes.h"

namespace {

constexpr UINT kPing = METHOD_PING, kTcp = METHOD_TCP, kUrl = METHOD_URL, kOther = 7;

std::wstring Joined(const std::vector<std::wstring>& lines) {
    std::wstring all;
    for (size_t i = 0; i < lines.size(); ++i) all += (i ? L"|" : L"") + lines[i];
    return all;
}

// With every line switched on; a caption status shows no status or time line, an empty
// line keeps its place.
TEST(InfoLines, ByStatusMethodAndResult) {
    const struct {
        int status;
        UINT method, ipv, port;
        DWORD timeMs, error, ipStatus;
        const wchar_t* lines;
    } cases[] = {
        {MON_UP, kPing, 0, 80, 12, 0, 0, L"h|Method: Ping IPv4|Status: Up|Reply: 12 ms"},
        {MON_UP, kPing, 5, 80, 4294967294u, 0, 0, L"h|Method: Ping IPv6|Status: Up|Reply: 4294967294 ms"},
        {MON_UP, kTcp, 1, 21, 0, 0, 0, L"h|Method: TCP 21 IPv6|Status: Open|Connect: <1 ms"},
        {MON_UP, kUrl, 0, 8080, 250, 0, 0, L"h|Method: URL IPv4|Status: Up|Load: 250 ms"},
        {MON_UP, kOther, 0, 80, 7, 0, 0, L"h|||Reply: 7 ms"},
        {MON_CLOSED, kUrl, 0, 80, 0, 0, 0, L"h|Method: URL IPv4|Status: S.n.F.|Load: <1 ms"},
        {MON_CLOSED, kTcp, 0, 3389, 1, 10061, 0, L"h|Method: TCP 3389 IPv4|Status: Closed|Connect: 1 ms"},
        {MON_CLOSED, kPing, 0, 80, 0, 0, 0, L"h|Method: Ping IPv4||Reply: <1 ms"},  // only a test name gives it
        {MON_DOWN, kUrl, 0, 80, 5, 12029, 0, L"h|Method: URL IPv4|Status: Down|Connect: Failed"},
        {MON_DOWN, kUrl, 0, 80, 5, 12002, 0, L"h|Method: URL IPv4|Status: Down|Connect: Timeout"},
        {MON_DOWN, kTcp, 0, 21, 0, 10065, 0, L"h|Method: TCP 21 IPv4|Status: Down|Connect: Unreach."},
        {MON_DOWN, kTcp, 0, 21, 0, 10060, 0, L"h|Method: TCP 21 IPv4|Status: Down|Connect: Timeout"},
        {MON_DOWN, kPing, 0, 80, 0, 11003, 0, L"h|Method: Ping IPv4|Status: Down|Reply: Unreach."},
        {MON_DOWN, kPing, 0, 80, 0, 0, 11003, L"h|Method: Ping IPv4|Status: Down|Reply: Unreach."},
        {MON_DOWN, kPing, 0, 80, 0, 0, 11010, L"h|Method: Ping IPv4|Status: Down|Reply: Timeout"},
        {MON_DOWN, kPing, 0, 80, 0, 1231, 11003, L"h|Method: Ping IPv4|Status: Down|Reply: Timeout"},
        {MON_DOWN, kOther, 0, 80, 0, 11003, 11003, L"h|||Reply: Timeout"},
        {MON_ERROR, kUrl, 0, 80, 0, 0, 0, L"h|Method: URL IPv4"},
        {MON_ADDR_ERROR, kPing, 0, 80, 0, 0, 0, L"h|Method: Ping IPv4"},
        {MON_CHECKING, kTcp, 0, 0, 0, 0, 0, L"h|Method: TCP 0 IPv4"},
        {MON_DISABLED, 0, 0, 80, 0, 0, 0, L"h|"},
    };
    for (const auto& c : cases) {
        BoxTextInput box = {c.status, c.method, c.ipv, c.port, L"h", c.timeMs, c.error, c.ipStatus};
        EXPECT_EQ(Joined(InfoLines(box, {true, true, true, true})), c.lines);
    }
}

TEST(InfoLines, FollowTheSwitchesInOrder) {
    const BoxTextInput up = {MON_UP, kPing, IPVER_4, 80, L"h", 0, 0, 0};
    EXPECT_EQ(Joined(InfoLines(up, {false, false, true, true})), L"Status: Up|Reply: <1 ms");
    EXPECT_EQ(Joined(InfoLines(up, {false, true, false, false})), L"Method: Ping IPv4");
    EXPECT_EQ(Joined(InfoLines(up, {true, false, false, true})), L"h|Reply: <1 ms");
    const BoxTextInput error = {MON_ERROR, kPing, IPVER_4, 80, L"h", 0, 0, 0};
    EXPECT_TRUE(InfoLines(error, {false, false, true, true}).empty());
}

TEST(InfoLinesDrawn, ThirdAndFourthOnlyForNetworkStates) {
    const struct {
        size_t count;
        int status;
        size_t drawn;
    } cases[] = {
        {0, MON_UP, 0},     {1, MON_UP, 1},       {4, MON_UP, 4},       {4, MON_DOWN, 4}, {3, MON_CLOSED, 3},
        {2, MON_CHECKING, 2}, {1, MON_DISABLED, 1}, {4, 0, 2},          {3, MON_ERROR, 2}, {4, 3, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(InfoLinesDrawn(c.count, c.status), c.drawn) << c.count << " lines, status " << c.status;
}

TEST(BoxColoursFor, MonitorColoursForNetworkStatesElseBlackOnWhite) {
    const COLORREF up = RGB(0, 200, 0), down = RGB(200, 0, 0), textUp = RGB(1, 2, 3), textDown = RGB(4, 5, 6);
    const COLORREF white = RGB(255, 255, 255), black = RGB(0, 0, 0);
    const struct {
        int status;
        COLORREF background, text;
    } cases[] = {
        {MON_UP, up, textUp},           {MON_DOWN, down, textDown},   {MON_CLOSED, down, textDown},
        {MON_ERROR, white, black},      {MON_ADDR_ERROR, white, black}, {MON_CHECKING, white, black},
        {MON_DISABLED, white, black},   {0, white, black},  // before the first status: no stale pixels
    };
    for (const auto& c : cases) {
        BoxColours colours = BoxColoursFor(c.status, up, down, textUp, textDown);
        EXPECT_EQ(colours.background, c.background) << c.status;
        EXPECT_EQ(colours.text, c.text) << c.status;
    }
}

}  // namespace
