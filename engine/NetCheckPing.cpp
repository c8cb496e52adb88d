// The ICMP echo checks.
#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>
#include <icmpapi.h>

#include "engine/CheckCodes.h"
#include "engine/EchoReply.h"
#include "engine/NetCheck.h"
#include "framework/Resolver.h"
#include "model/GlobalSettings.h"

namespace {
constexpr DWORD kReplyBufferIPv4 = 1060;
constexpr DWORD kReplyBufferIPv6 = 1068;
}  // namespace

int CNetCheck::PingIPv4(const std::string& host) {
    m_dwError = 0;
    m_dwIpStatus = 0;
    in_addr resolved = {};
    if (int error = fw::ResolveIPv4(host, resolved)) {
        m_dwError = static_cast<DWORD>(error);
        return MON_ADDR_ERROR;
    }
    IPAddr destination = resolved.s_addr;
    if (!m_hIcmp.Valid()) {
        m_hIcmp.Reset(IcmpCreateFile());
        if (!m_hIcmp.Valid()) {
            m_dwError = WSAGetLastError();
            return MON_ERROR;
        }
    }
    char request[1] = {0};
    alignas(8) unsigned char reply[kReplyBufferIPv4];
    if (IcmpSendEcho(m_hIcmp, destination, request, sizeof(request), nullptr, reply, sizeof(reply),
                     g_dwTimeOut.load()) == 0)
        return SetOutcome(MapIcmpSendFailure(WSAGetLastError()));

    const auto* echo = reinterpret_cast<const ICMP_ECHO_REPLY*>(reply);
    if (echo->Status != 0) return SetOutcome(MapIcmpReplyStatus(echo->Status));
    if (echo->Address != destination || !EchoDataMatches(echo->Data, echo->DataSize, reply, sizeof(reply), ""))
        return MON_DOWN;
    m_dwTimeMs = echo->RoundTripTime;
    return MON_UP;
}

int CNetCheck::PingIPv6(const std::string& host) {
    m_dwError = 0;
    m_dwIpStatus = 0;
    m_dwTimeMs = kNoTime;
    fw::CResolvedAddress address;
    if (int r = address.Resolve(host, nullptr, nullptr)) {
        // getaddrinfo returns the code it also leaves as the last socket error.
        m_dwError = static_cast<DWORD>(r);
        return MON_ADDR_ERROR;
    }
    // A name that gives an IPv4 address first is no IPv6 target.
    if (address.First()->ai_family != AF_INET6) return MON_ADDR_ERROR;
    if (!m_hIcmp.Valid()) {
        m_hIcmp.Reset(Icmp6CreateFile());
        if (!m_hIcmp.Valid()) {
            m_dwError = GetLastError();
            return MON_ERROR;
        }
    }
    sockaddr_in6 source = {};
    source.sin6_family = AF_INET6;
    sockaddr_in6 destination = {};
    memcpy(&destination, address.First()->ai_addr, sizeof(destination));
    IP_OPTION_INFORMATION options = {};
    options.Ttl = 255;
    char request[1] = {0};
    alignas(8) unsigned char reply[kReplyBufferIPv6];
    if (Icmp6SendEcho2(m_hIcmp, nullptr, nullptr, nullptr, &source, &destination, request, 0, &options, reply,
                       sizeof(reply), g_dwTimeOut.load()) == 0)
        return SetOutcome(MapIcmpSendFailure(GetLastError()));

    const auto* echo = reinterpret_cast<const Icmp6EchoReply*>(reply);
    if (echo->Status != 0) return SetOutcome(MapIcmpReplyStatus(echo->Status));
    m_dwTimeMs = echo->RoundTripTime;
    return MON_UP;
}

void CNetCheck::CloseIcmp() { m_hIcmp.Close(); }
