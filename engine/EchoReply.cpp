#include "engine/EchoReply.h"

#include <cstring>
#include <string>
#include <winsock2.h>
#include <iphlpapi.h>
#include <icmpapi.h>

#include "engine/CheckCodes.h"
#include "model/MonitorTypes.h"

bool EchoDataMatches(const void* data, size_t dataSize, const void* buffer, size_t bufferSize,
                     const char* sent) {
    if (dataSize == 0) return true;
    const char* begin = static_cast<const char*>(buffer);
    const char* end = begin + bufferSize;
    const char* echoed = static_cast<const char*>(data);
    if (!echoed || echoed < begin || echoed >= end) return false;
    size_t readable = static_cast<size_t>(end - echoed);
    if (dataSize < readable) readable = dataSize;
    return std::string(echoed, strnlen(echoed, readable)) == sent;
}

CodeOutcome ReadEchoReplyIPv4(const void* reply, size_t size, ULONG destination, DWORD& timeMs) {
    const auto* echo = static_cast<const ICMP_ECHO_REPLY*>(reply);
    if (echo->Status != 0) return MapIcmpReplyStatus(echo->Status);
    if (echo->Address != destination || !EchoDataMatches(echo->Data, echo->DataSize, reply, size, ""))
        return {MON_DOWN, 0, 0};
    timeMs = echo->RoundTripTime;
    return {MON_UP, 0, 0};
}
