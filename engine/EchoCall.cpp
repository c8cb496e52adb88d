#include "engine/EchoCall.h"

#include <condition_variable>
#include <iphlpapi.h>
#include <icmpapi.h>
#include <mutex>

#include "framework/Thread.h"

namespace {
// Echo calls still inside the system. Never destroyed: a worker may end after the
// program's static objects are gone.
struct PendingEchoes {
    std::mutex lock;
    std::condition_variable none;
    int count = 0;
};
PendingEchoes& Pending() {
    static PendingEchoes* pending = new PendingEchoes();
    return *pending;
}
void CountEcho(int step) {
    PendingEchoes& p = Pending();
    std::lock_guard<std::mutex> hold(p.lock);
    p.count += step;
    if (p.count == 0) p.none.notify_all();
}
// An echo worker needs little stack, and a stuck one keeps what it has.
constexpr UINT kEchoStack = 64 * 1024;
}  // namespace

CEchoCall::CEchoCall(const EchoTarget& target)
    : m_target(target), m_ended(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

std::shared_ptr<CEchoCall> CEchoCall::Start(const EchoTarget& target) {
    std::shared_ptr<CEchoCall> call(new CEchoCall(target));
    if (!call->m_ended.Valid()) return nullptr;
    auto workerReference = std::make_unique<std::shared_ptr<CEchoCall>>(call);
    CountEcho(+1);
    if (!fw::BeginDetachedThread(&CEchoCall::WorkerMain, workerReference.get(), kEchoStack)) {
        DWORD error = GetLastError();
        CountEcho(-1);
        SetLastError(error);
        return nullptr;
    }
    workerReference.release();  // the worker's now
    return call;
}

unsigned __stdcall CEchoCall::WorkerMain(void* param) {
    std::unique_ptr<std::shared_ptr<CEchoCall>> reference(static_cast<std::shared_ptr<CEchoCall>*>(param));
    (*reference)->Call();
    SetEvent((*reference)->m_ended.Get());
    reference.reset();  // the ICMP handle may close here, before the count says so
    CountEcho(-1);
    return 0;
}

bool CEchoCall::WaitEnded(DWORD milliseconds) const {
    return WaitForSingleObject(m_ended.Get(), milliseconds) == WAIT_OBJECT_0;
}

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

bool WaitForPendingEchoes(DWORD milliseconds) {
    PendingEchoes& p = Pending();
    std::unique_lock<std::mutex> hold(p.lock);
    return p.none.wait_for(hold, std::chrono::milliseconds(milliseconds), [&p] { return p.count == 0; });
}
