#pragma once
// Name resolution for the checks: the one IPv4 resolver, and the owner of a
// getaddrinfo list for the IPv6 paths. Both need WSAStartup.
#include <string>
#include <winsock2.h>
#include <ws2tcpip.h>

#include "framework/Handle.h"

namespace fw {

// A dotted IPv4 address as it is, or else the first IPv4 address of a host name (8-bit
// text). Returns 0, or the resolver's error (a name without an IPv4 address gives
// WSAHOST_NOT_FOUND).
int ResolveIPv4(const std::string& host, in_addr& address);

struct AddressListTraits : RawAdoption<addrinfo*> {
    using Type = addrinfo*;
    static Type Invalid() { return nullptr; }
    static void Close(Type list) { freeaddrinfo(list); }
};

// Owner of one getaddrinfo result list.
class CResolvedAddress {
public:
    // getaddrinfo of the host (and service, when given); returns its result, 0 on success.
    int Resolve(const std::string& host, const char* service, const addrinfo* hints) {
        return getaddrinfo(host.c_str(), service, hints, m_list.Receive());
    }
    const addrinfo* First() const { return m_list.Get(); }

private:
    CUniqueHandle<AddressListTraits> m_list;
};

}  // namespace fw
