#include "engine/EchoCall.h"

#include <condition_variable>
#include <iphlpapi.h>
#include <icmpapi.h>
#include <mutex>

#include "engine/CallPool.h"

namespace {
// Echo calls still inside the system. Never destroyed: a pool thread may end after the
// program's static objects are gone.
struct PendingEchoes {
    std::mutex lock;
    std::condition_variable none;
    int count = 0;
    bool closed = false;  // the process's end waits for the pending ones: no new one
};
PendingEchoes& Pending() {
    static PendingEchoes* pending = new PendingEchoes();
    return *pending;
}
bool CountEcho(int step) {
    PendingEchoes& p = Pending();
    std::lock_guard<std::mutex> hold(p.lock);
    if (step > 0 && p.closed) return false;
    p.count += step;
    if (p.count == 0) p.none.notify_all();
    return true;
}
}  // namespace

std::shared_ptr<CEchoCall> CEchoCall::Start(const EchoTarget& target) {
    // A monitoring thread still resolving a name when the program's end began must
    // not leave an echo pending behind the end's wait.
    if (!CountEcho(+1)) {
        SetLastError(ERROR_TIMEOUT);
        return nullptr;
    }
    std::shared_ptr<CEchoCall> call(new CEchoCall(target));
    // The pooled call holds the echo until it has run; the echo holds the pooled call
    // only for its waiter, so the two let go of each other once the call has run.
    call->m_pooled = CCallPool::Process().Run([call] {
        call->Call();
        call->m_target.icmp.reset();  // the ICMP handle may close here, before the count says so
        CountEcho(-1);
    });
    if (!call->m_pooled) {
        const DWORD error = GetLastError();
        CountEcho(-1);
        SetLastError(error);
        return nullptr;
    }
    return call;
}

bool CEchoCall::WaitEnded(DWORD milliseconds) const { return m_pooled->WaitEnded(milliseconds); }

void CEchoCall::Call() {
    char request[1] = {0};
    if (!m_target.ipv6) {
        m_dwReplies = IcmpSendEcho(m_target.icmp->Get(), m_target.destination4.s_addr, request, sizeof(request),
                                   nullptr, m_reply, kReplyBufferIPv4, m_target.timeOutMs);
    } else {
        sockaddr_in6 source = {};
        source.sin6_family = AF_INET6;
        sockaddr_in6 destination = m_target.destination6;
        IP_OPTION_INFORMATION options = {};
        options.Ttl = 255;
        m_dwReplies = Icmp6SendEcho2(m_target.icmp->Get(), nullptr, nullptr, nullptr, &source, &destination,
                                     request, 0, &options, m_reply, kReplyBufferIPv6, m_target.timeOutMs);
    }
    if (m_dwReplies == 0) m_dwError = GetLastError();
}

bool CloseEchoesAndWait(DWORD milliseconds) {
    PendingEchoes& p = Pending();
    std::unique_lock<std::mutex> hold(p.lock);
    p.closed = true;
    return p.none.wait_for(hold, std::chrono::milliseconds(milliseconds), [&p] { return p.count == 0; });
}
