#include "framework/Handle.h"

#include <winsock2.h>
#include <wininet.h>
#include <iphlpapi.h>
#include <icmpapi.h>

namespace fw {

void InternetHandleTraits::Close(Type h) { InternetCloseHandle(h); }
void SocketTraits::Close(Type s) { closesocket(s); }
void SocketEventTraits::Close(Type h) { WSACloseEvent(h); }
void IcmpHandleTraits::Close(Type h) { IcmpCloseHandle(h); }

}  // namespace fw
