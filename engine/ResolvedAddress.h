#pragma once
// Owner of one getaddrinfo result list.
#include <string>
#include <winsock2.h>
#include <ws2tcpip.h>

class CResolvedAddress {
public:
    CResolvedAddress() = default;
    ~CResolvedAddress() { Free(); }

    CResolvedAddress(const CResolvedAddress&) = delete;
    CResolvedAddress& operator=(const CResolvedAddress&) = delete;

    // getaddrinfo of the host (and service, when given); returns its result, 0 on success.
    int Resolve(const std::string& host, const char* service, const addrinfo* hints) {
        Free();
        return getaddrinfo(host.c_str(), service, hints, &m_pList);
    }

    const addrinfo* First() const { return m_pList; }

private:
    void Free() {
        if (m_pList) freeaddrinfo(m_pList);
        m_pList = nullptr;
    }

    addrinfo* m_pList = nullptr;
};
