#pragma once
// One ICMP echo call, made on a thread of the call pool (CallPool.h) so that the check
// can stop waiting for it: an echo call that the system never completes (Wine's ICMP
// service was seen to stop answering) must not hold up the monitor. The call owns
// everything the pool thread touches (a share of the ICMP handle, the reply buffer), so
// an abandoned call ends on its own without touching the monitoring thread.
#include <winsock2.h>
#include <ws2tcpip.h>
#include <memory>
#include <windows.h>

#include "framework/Handle.h"

class CPooledCall;

struct EchoTarget {
    std::shared_ptr<fw::CIcmpHandle> icmp;
    bool ipv6 = false;
    in_addr destination4 = {};
    sockaddr_in6 destination6 = {};
    DWORD timeOutMs = 0;
};

class CEchoCall {
public:
    // Room for one reply of either family with its one byte of data.
    static constexpr DWORD kReplyBufferIPv4 = 1060;
    static constexpr DWORD kReplyBufferIPv6 = 1068;
    // Starts the call on the process's call pool. nullptr, with the reason in
    // GetLastError, when no pool thread starts, or once the program's end has begun
    // (CloseEchoesAndWait: no new echo then; ERROR_TIMEOUT).
    static std::shared_ptr<CEchoCall> Start(const EchoTarget& target);

    // True once the call has returned, waiting at most `milliseconds` for it.
    bool WaitEnded(DWORD milliseconds) const;

    // The call's result, to be read only once WaitEnded gave true: the number
    // of replies (0 on failure, with the call's last error) and the reply buffer.
    DWORD m_dwReplies = 0;
    DWORD m_dwError = 0;
    alignas(8) unsigned char m_reply[kReplyBufferIPv6] = {};

private:
    explicit CEchoCall(const EchoTarget& target) : m_target(target) {}
    void Call();

    EchoTarget m_target;
    std::shared_ptr<CPooledCall> m_pooled;
};

// Refuses every later echo call of the process, then waits at most `milliseconds` until
// none is pending. The program's end waits for them: echo requests cut off by the end
// of the process were seen to leave Wine's ICMP service stuck for every later process.
bool CloseEchoesAndWait(DWORD milliseconds);
