// The TCP connection checks.
#include <winsock2.h>
#include <ws2tcpip.h>

#include "engine/CheckCodes.h"
#include "engine/ElapsedTimer.h"
#include "engine/NetCheck.h"
#include "engine/TimeOutSocket.h"
#include "framework/Resolver.h"
#include "framework/StringUtil.h"
#include "model/GlobalSettings.h"

namespace {
bool SetBlocking(SOCKET s, bool blocking) {
    u_long nonBlocking = blocking ? 0 : 1;
    return ioctlsocket(s, FIONBIO, &nonBlocking) != SOCKET_ERROR;
}
}  // namespace

int CNetCheck::TcpConnectIPv4(const std::string& host, UINT port) {
    m_dwError = 0;
    m_dwIpStatus = 0;
    m_dwTimeMs = kNoTime;
    CTimeOutSocket socket;
    // Without its timer nothing would end the connect's wait, so that failure is an error too.
    if (!socket.Create() || !socket.SetTimeOut(g_dwTimeOut.load())) {
        m_dwError = GetLastError();
        return MON_ERROR;
    }
    CElapsedTimer timer;
    if (socket.Connect(host, port)) {
        m_dwTimeMs = timer.ElapsedMs();
        socket.KillTimeOut();
        socket.Close();
        return MON_UP;
    }
    DWORD error = WSAGetLastError();
    DWORD elapsed = timer.ElapsedMs();
    socket.KillTimeOut();
    socket.Close();
    if (error == WSAEINTR) {  // the time-out timer ended the wait
        m_dwError = WSAETIMEDOUT;
        return MON_DOWN;
    }
    m_dwError = error;
    int status = MapTcpError(error);
    if (status == MON_CLOSED) m_dwTimeMs = elapsed;
    return status;
}

int CNetCheck::TcpConnectIPv6(const std::string& host, UINT port) {
    m_dwError = 0;
    m_dwIpStatus = 0;
    DWORD timeout = g_dwTimeOut.load();
    timeval wait;
    wait.tv_sec = static_cast<long>(timeout / 1000);
    wait.tv_usec = static_cast<long>(timeout % 1000 * 1000);

    addrinfo hints = {};
    hints.ai_family = AF_INET6;
    hints.ai_socktype = SOCK_STREAM;
    fw::CResolvedAddress address;
    if (int r = address.Resolve(host, fw::FormatA("%u", port).c_str(), &hints)) {
        m_dwError = static_cast<DWORD>(r);
        return MON_ADDR_ERROR;
    }
    const addrinfo* target = address.First();
    fw::CSocketHandle socket(::socket(target->ai_family, target->ai_socktype, target->ai_protocol));
    if (!socket.Valid() || !SetBlocking(socket.Get(), false)) {
        m_dwError = WSAGetLastError();
        return MON_ERROR;
    }
    CElapsedTimer timer;
    if (connect(socket.Get(), target->ai_addr, static_cast<int>(target->ai_addrlen)) == SOCKET_ERROR) {
        DWORD error = WSAGetLastError();
        // A connect that failed at once has its answer: no need to wait for it.
        if (error != WSAEWOULDBLOCK) {
            m_dwTimeMs = timer.ElapsedMs();
            m_dwError = error;
            return MapTcpError(error);
        }
    }
    if (!SetBlocking(socket.Get(), true)) {
        m_dwError = WSAGetLastError();
        return MON_ERROR;
    }
    fd_set writable;
    fd_set failed;
    FD_ZERO(&writable);
    FD_ZERO(&failed);
    FD_SET(socket.Get(), &writable);
    FD_SET(socket.Get(), &failed);
    timer.Restart();
    int ready = select(0, nullptr, &writable, &failed, &wait);
    m_dwTimeMs = timer.ElapsedMs();
    if (ready == SOCKET_ERROR) {
        m_dwError = WSAGetLastError();
        return MON_ERROR;
    }
    if (ready == 0) {
        m_dwError = WSAETIMEDOUT;
        return MON_DOWN;
    }
    int soError = 0;
    int size = sizeof(soError);
    getsockopt(socket.Get(), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&soError), &size);
    m_dwError = static_cast<DWORD>(soError);
    return soError == 0 ? MON_UP : MapTcpError(m_dwError);
}
