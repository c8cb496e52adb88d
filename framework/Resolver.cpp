#include "framework/Resolver.h"

namespace fw {

int ResolveIPv4(const std::string& host, in_addr& address) {
    // inet_addr takes every IPv4 form (dotted, short, hexadecimal) the checks always took.
    unsigned long dotted = inet_addr(host.c_str());
    if (dotted != INADDR_NONE) {
        address.s_addr = dotted;
        return 0;
    }
    addrinfo hints = {};
    hints.ai_family = AF_INET;
    CResolvedAddress found;
    if (int error = found.Resolve(host, nullptr, &hints)) return error;
    const addrinfo* first = found.First();
    if (!first || first->ai_family != AF_INET) return WSAHOST_NOT_FOUND;
    address = reinterpret_cast<const sockaddr_in*>(first->ai_addr)->sin_addr;
    return 0;
}

}  // namespace fw
