#pragma once
// Reading the echo replies that the ICMP calls leave in their reply buffers.
#include <cstddef>
#include <windows.h>

// True when the echoed data, read as a zero-terminated byte string, equals `sent`
// read the same way. Only bytes inside the reply buffer are read: data outside it
// does not match; a reply that holds no data is not compared.
bool EchoDataMatches(const void* data, size_t dataSize, const void* buffer, size_t bufferSize,
                     const char* sent);

struct CodeOutcome;

// What an IPv4 echo call's reply buffer (the call returned a reply) says about the
// check of `destination`: the reply's status mapped; Down for a reply from another
// address or with other data than sent; else Up, with `timeMs` set to the round trip.
CodeOutcome ReadEchoReplyIPv4(const void* reply, size_t size, ULONG destination, DWORD& timeMs);

// The IPv6 echo reply as the system lays it out (a packed address block, then the
// status and the round-trip time).
#pragma pack(push, 1)
struct Icmp6ReplyAddress {
    USHORT sin6_port;
    ULONG sin6_flowinfo;
    USHORT sin6_addr[8];
    ULONG sin6_scope_id;
};
#pragma pack(pop)
struct Icmp6EchoReply {
    Icmp6ReplyAddress Address;
    ULONG Status;
    unsigned int RoundTripTime;
};
