#pragma once
// A blocking IPv4 stream socket whose connect waits while the calling thread's
// message queue is pumped, so a derived class can end the wait from a message (a
// thread timer, say) through OnMessagePending and CancelBlockingCall.
#include <string>
#include <winsock2.h>
#include <windows.h>

#include "framework/Handle.h"

namespace fw {

class CSocket {
public:
    CSocket();
    virtual ~CSocket();

    CSocket(const CSocket&) = delete;
    CSocket& operator=(const CSocket&) = delete;

    // Creates the socket; false with the reason in GetLastError.
    bool Create();

    // Connects to a dotted IPv4 address or a host name (8-bit text). A name that does
    // not resolve fails with WSAEINVAL, a cancelled wait with WSAEINTR; on false the
    // reason is in WSAGetLastError.
    bool Connect(const std::string& host, UINT port);

    // Ends the current blocking call, which then fails with WSAEINTR.
    void CancelBlockingCall() { m_bCancelled = true; }

    void Close();

protected:
    // Called while a blocking call waits and the thread's queue holds messages.
    // Returning false ends the wait when CancelBlockingCall was called. This base
    // removes and dispatches what is queued.
    virtual bool OnMessagePending();

private:
    bool WaitForConnect();

    CSocketHandle m_hSocket;
    CSocketEvent m_hEvent;
    bool m_bCancelled = false;
};

}  // namespace fw
