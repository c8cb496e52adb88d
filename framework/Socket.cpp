#include "framework/Socket.h"

#include "framework/Resolver.h"

namespace fw {

CSocket::CSocket() = default;

CSocket::~CSocket() { Close(); }

bool CSocket::Create() {
    Close();
    m_hSocket.Reset(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    if (!m_hSocket.Valid()) return false;
    m_hEvent.Reset(WSACreateEvent());
    // Event selection makes the socket non-blocking; the blocking is ours, in Connect.
    if (!m_hEvent.Valid() || WSAEventSelect(m_hSocket, m_hEvent, FD_CONNECT) == SOCKET_ERROR) {
        DWORD error = WSAGetLastError();
        Close();
        SetLastError(error);
        return false;
    }
    return true;
}

void CSocket::Close() {
    m_hSocket.Close();
    m_hEvent.Close();
}

bool CSocket::Connect(const std::string& host, UINT port) {
    if (!m_hSocket.Valid()) {
        WSASetLastError(WSAENOTSOCK);
        return false;
    }
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(port));
    if (ResolveIPv4(host, address.sin_addr) != 0) {
        WSASetLastError(WSAEINVAL);
        return false;
    }
    m_bCancelled = false;
    if (connect(m_hSocket, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0) return true;
    if (WSAGetLastError() != WSAEWOULDBLOCK) return false;
    return WaitForConnect();
}

bool CSocket::WaitForConnect() {
    for (;;) {
        HANDLE event = m_hEvent;
        DWORD woke = MsgWaitForMultipleObjects(1, &event, FALSE, INFINITE, QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0) {
            WSANETWORKEVENTS events = {};
            if (WSAEnumNetworkEvents(m_hSocket, m_hEvent, &events) == SOCKET_ERROR) return false;
            if (events.lNetworkEvents & FD_CONNECT) {
                int error = events.iErrorCode[FD_CONNECT_BIT];
                if (error == 0) return true;
                WSASetLastError(error);
                return false;
            }
        } else if (woke == WAIT_OBJECT_0 + 1) {
            if (!OnMessagePending() && m_bCancelled) {
                WSASetLastError(WSAEINTR);
                return false;
            }
        } else {
            WSASetLastError(GetLastError());
            return false;
        }
    }
}

bool CSocket::OnMessagePending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

}  // namespace fw
