#include "engine/CheckCodes.h"

#include "model/MonitorTypes.h"
#include "model/NetErrorCodes.h"

namespace {
bool IsDownIpStatus(DWORD s) { return s == kIpDestHostUnreachable || s == kIpRequestTimedOut; }
}  // namespace

CodeOutcome MapIcmpSendFailure(DWORD e) {
    if (IsDownIpStatus(e)) return {MON_DOWN, 0, e};
    if (IsIpStatus(e)) return {MON_ERROR, 0, e};
    return {MON_ERROR, e, 0};
}

CodeOutcome MapIcmpReplyStatus(DWORD s) { return {IsDownIpStatus(s) ? MON_DOWN : MON_ERROR, 0, s}; }

int MapTcpError(DWORD e) {
    switch (e) {
    case WSAHOST_NOT_FOUND:  // 11001
    case WSAEADDRNOTAVAIL:   // 10049
    case WSAEINVAL:          // 10022: the name could not be resolved
        return MON_ADDR_ERROR;
    case WSAECONNREFUSED:    // 10061
        return MON_CLOSED;
    case WSAETIMEDOUT:       // 10060
    case WSAEHOSTDOWN:       // 10064
    case WSAEHOSTUNREACH:    // 10065
        return MON_DOWN;
    default:
        return MON_ERROR;
    }
}

int MapUrlOpenError(DWORD e) {
    switch (e) {
    case kInternetCannotConnect:
    case 12002:  // ERROR_INTERNET_TIMEOUT
        return MON_DOWN;
    case 12005:  // ERROR_INTERNET_INVALID_URL
    case 12006:  // ERROR_INTERNET_UNRECOGNIZED_SCHEME
    case 12007:  // ERROR_INTERNET_NAME_NOT_RESOLVED
    case 123:    // ERROR_INVALID_NAME
        return MON_ADDR_ERROR;
    default:
        return MON_ERROR;
    }
}
