// The rules that turn what a check meets into a status and codes.
#include <gtest/gtest.h>

#include <cstring>
#include <winsock2.h>
#include <iphlpapi.h>
#include <icmpapi.h>

#include "engine/CheckCodes.h"
#include "engine/EchoReply.h"
#include "engine/ElapsedTimer.h"
#include "model/MonitorTypes.h"

namespace {
bool Same(const CodeOutcome& a, const CodeOutcome& b) {
    return a.status == b.status && a.error == b.error && a.ipStatus == b.ipStatus;
}
}  // namespace

TEST(CheckCodes, EachKindOfCheckMapsItsCodes) {
    struct IcmpCase {
        DWORD code;
        CodeOutcome send, reply;  // the send failed with the code; a reply carried it
    };
    const IcmpCase icmp[] = {
        {11003, {MON_DOWN, 0, 11003}, {MON_DOWN, 0, 11003}},   {11010, {MON_DOWN, 0, 11010}, {MON_DOWN, 0, 11010}},
        {11001, {MON_ERROR, 0, 11001}, {MON_ERROR, 0, 11001}}, {11050, {MON_ERROR, 0, 11050}, {MON_ERROR, 0, 11050}},
        {11051, {MON_ERROR, 11051, 0}, {MON_ERROR, 0, 11051}}, {11000, {MON_ERROR, 11000, 0}, {MON_ERROR, 0, 11000}},
        {120, {MON_ERROR, 120, 0}, {MON_ERROR, 0, 120}},
    };
    for (const IcmpCase& c : icmp) {
        EXPECT_TRUE(Same(MapIcmpSendFailure(c.code), c.send)) << c.code;
        EXPECT_TRUE(Same(MapIcmpReplyStatus(c.code), c.reply)) << c.code;
    }
    const std::pair<DWORD, int> tcp[] = {{11001, MON_ADDR_ERROR}, {10049, MON_ADDR_ERROR}, {10022, MON_ADDR_ERROR},
                                         {10061, MON_CLOSED},     {10060, MON_DOWN},       {10064, MON_DOWN},
                                         {10065, MON_DOWN},       {10051, MON_ERROR},      {0, MON_ERROR}};
    for (const auto& c : tcp) EXPECT_EQ(MapTcpError(c.first), c.second) << c.first;
    const std::pair<DWORD, int> url[] = {{12029, MON_DOWN},       {12002, MON_DOWN},  {12005, MON_ADDR_ERROR},
                                         {12007, MON_ADDR_ERROR}, {123, MON_ADDR_ERROR}, {12030, MON_ERROR},
                                         {10060, MON_ERROR},      {0, MON_ERROR}};
    for (const auto& c : url) EXPECT_EQ(MapUrlOpenError(c.first), c.second) << c.first;
}

TEST(EchoDataMatches, ReadsOnlyInsideTheReplyBuffer) {
    // The reply buffer is the middle of a larger block, so stray pointers stay valid.
    char block[48];
    memset(block, 'x', sizeof(block));
    char* const buffer = block + 16;
    const size_t bufferSize = 16;
    buffer[4] = 0;
    const char* inside = buffer + 4;  // a zero byte: the empty string that was sent
    struct Case {
        const char* name;
        const void* data;
        size_t size;
        bool matches;
    };
    const Case cases[] = {
        {"no data", nullptr, 0, true},
        {"no data, stray pointer", block + 40, 0, true},
        {"zero byte echoed", inside, 1, true},
        {"zero byte then more", inside, 5, true},
        {"other data", buffer, 4, false},
        {"other data up to the buffer's end", buffer + 5, 11, false},
        {"size beyond the buffer", buffer + 10, 500, false},
        {"pointer before the buffer", block + 8, 1, false},
        {"pointer past the buffer", buffer + bufferSize, 1, false},
        {"null pointer with a size", nullptr, 4, false},
    };
    for (const Case& c : cases) EXPECT_EQ(EchoDataMatches(c.data, c.size, buffer, bufferSize, ""), c.matches) << c.name;
    EXPECT_TRUE(EchoDataMatches(buffer, 4, buffer, bufferSize, "xxxx"));
}

// Only a clean reply from the pinged address, echoing what was sent, is Up.
TEST(ReadEchoReplyIPv4, OnlyTheTargetsOwnEchoIsUp) {
    const ULONG target = inet_addr("127.0.0.9");
    struct Case {
        const char* name;
        ULONG address, status;
        bool dataOutside;
        int expected;
    };
    const Case cases[] = {
        {"the target's echo", target, 0, false, MON_UP},
        {"another host's reply", inet_addr("127.0.0.8"), 0, false, MON_DOWN},
        {"data outside the buffer", target, 0, true, MON_DOWN},
        {"timed out", target, 11010, false, MON_DOWN},
    };
    for (const Case& c : cases) {
        alignas(8) unsigned char reply[64] = {};
        auto* echo = reinterpret_cast<ICMP_ECHO_REPLY*>(reply);
        echo->Address = c.address;
        echo->Status = c.status;
        echo->RoundTripTime = 7;
        echo->Data = c.dataOutside ? reply + sizeof(reply) : reply + sizeof(*echo);
        echo->DataSize = 1;
        DWORD time = 99;
        EXPECT_EQ(ReadEchoReplyIPv4(reply, sizeof(reply), target, time).status, c.expected) << c.name;
        EXPECT_EQ(time, c.expected == MON_UP ? 7u : 99u) << c.name;
    }
}

TEST(ElapsedTimer, TruncatesAndKeepsTheLow32Bits) {
    const LONGLONG cases[][4] = {// start, end, frequency, milliseconds
                                 {0, 0, 1000000, 0},   {100, 2099, 1000, 1999},           {0, 999, 1000000, 0},
                                 {0, 1999, 1000000, 1}, {0, (1LL << 32) + 5, 1000, 5}, {0, 5, 0, 0}};
    for (const auto& c : cases) EXPECT_EQ(CElapsedTimer::MillisecondsBetween(c[0], c[1], c[2]), static_cast<DWORD>(c[3])) << c[1];
}
