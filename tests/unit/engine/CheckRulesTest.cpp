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

TEST(MapIcmp, FailedSendsAndReplyStatuses) {
    struct Case {
        DWORD code;
        CodeOutcome send;   // the send failed with the code
        CodeOutcome reply;  // a reply carried the code as its status
    };
    const Case cases[] = {
        {11003, {MON_DOWN, 0, 11003}, {MON_DOWN, 0, 11003}},    // host unreachable
        {11010, {MON_DOWN, 0, 11010}, {MON_DOWN, 0, 11010}},    // timed out
        {11001, {MON_ERROR, 0, 11001}, {MON_ERROR, 0, 11001}},  // first of the IP statuses
        {11002, {MON_ERROR, 0, 11002}, {MON_ERROR, 0, 11002}},
        {11050, {MON_ERROR, 0, 11050}, {MON_ERROR, 0, 11050}},  // last of them
        {11051, {MON_ERROR, 11051, 0}, {MON_ERROR, 0, 11051}},
        {11000, {MON_ERROR, 11000, 0}, {MON_ERROR, 0, 11000}},
        {120, {MON_ERROR, 120, 0}, {MON_ERROR, 0, 120}},
        {87, {MON_ERROR, 87, 0}, {MON_ERROR, 0, 87}},
    };
    for (const Case& c : cases) {
        CodeOutcome send = MapIcmpSendFailure(c.code);
        EXPECT_EQ(send.status, c.send.status) << c.code;
        EXPECT_EQ(send.error, c.send.error) << c.code;
        EXPECT_EQ(send.ipStatus, c.send.ipStatus) << c.code;
        CodeOutcome reply = MapIcmpReplyStatus(c.code);
        EXPECT_EQ(reply.status, c.reply.status) << c.code;
        EXPECT_EQ(reply.error, c.reply.error) << c.code;
        EXPECT_EQ(reply.ipStatus, c.reply.ipStatus) << c.code;
    }
}

TEST(MapTcpError, ConnectionCodes) {
    const std::pair<DWORD, int> cases[] = {
        {11001, MON_ADDR_ERROR}, {10049, MON_ADDR_ERROR}, {10022, MON_ADDR_ERROR},
        {10061, MON_CLOSED},     {10060, MON_DOWN},       {10064, MON_DOWN},
        {10065, MON_DOWN},       {10004, MON_ERROR},      {10051, MON_ERROR},
        {10013, MON_ERROR},      {11004, MON_ERROR},      {0, MON_ERROR},
    };
    for (const auto& c : cases) EXPECT_EQ(MapTcpError(c.first), c.second) << c.first;
}

TEST(MapUrlOpenError, OpeningCodes) {
    const std::pair<DWORD, int> cases[] = {
        {12029, MON_DOWN},       {12002, MON_DOWN},       {12005, MON_ADDR_ERROR}, {12006, MON_ADDR_ERROR},
        {12007, MON_ADDR_ERROR}, {123, MON_ADDR_ERROR},   {12030, MON_ERROR},      {12152, MON_ERROR},
        {10060, MON_ERROR},      {0, MON_ERROR},
    };
    for (const auto& c : cases) EXPECT_EQ(MapUrlOpenError(c.first), c.second) << c.first;
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
        ULONG address;
        ULONG status;
        bool dataOutside;
        int expected;
    };
    const Case cases[] = {
        {"the target's echo", target, 0, false, MON_UP},
        {"another host's reply", inet_addr("127.0.0.8"), 0, false, MON_DOWN},
        {"data outside the buffer", target, 0, true, MON_DOWN},
        {"timed out", target, 11010, false, MapIcmpReplyStatus(11010).status},
    };
    for (const Case& c : cases) {
        alignas(8) unsigned char reply[64] = {};
        auto* echo = reinterpret_cast<ICMP_ECHO_REPLY*>(reply);
        echo->Address = c.address;
        echo->Status = c.status;
        echo->RoundTripTime = 7;
        echo->Data = reply + sizeof(*echo);
        echo->DataSize = 1;
        if (c.dataOutside) echo->Data = reply + sizeof(reply);
        DWORD time = 99;
        EXPECT_EQ(ReadEchoReplyIPv4(reply, sizeof(reply), target, time).status, c.expected) << c.name;
        EXPECT_EQ(time, c.expected == MON_UP ? 7u : 99u) << c.name;
    }
}

TEST(ElapsedTimer, TruncatesAndKeepsTheLow32Bits) {
    EXPECT_EQ(CElapsedTimer::MillisecondsBetween(0, 0, 1000000), 0u);
    EXPECT_EQ(CElapsedTimer::MillisecondsBetween(100, 2099, 1000), 1999u);
    EXPECT_EQ(CElapsedTimer::MillisecondsBetween(0, 999, 1000000), 0u);   // 0.999 ms
    EXPECT_EQ(CElapsedTimer::MillisecondsBetween(0, 1999, 1000000), 1u);  // 1.999 ms
    // 2^32 + 5 ms wraps to 5.
    EXPECT_EQ(CElapsedTimer::MillisecondsBetween(0, (1LL << 32) + 5, 1000), 5u);
    EXPECT_EQ(CElapsedTimer::MillisecondsBetween(0, 5, 0), 0u);
}
