// The ICMP echo checks. Each echo call runs guarded on the call pool (EchoCall.h,
// CallPool.h): one that does not return within its time-out and 500 ms is an error of
// that cycle, and its pool thread is left to it (StuckCalls.h bounds those). A stop
// request ends the wait at once; the call then ends within its own time-out, which is
// never longer than m_dwEchoCallMaxMs, and counts as stuck only if it outlives that.
#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>
#include <icmpapi.h>
#include <algorithm>

#include "engine/CallBound.h"
#include "engine/CheckCodes.h"
#include "engine/EchoCall.h"
#include "engine/EchoReply.h"
#include "engine/ElapsedTimer.h"
#include "engine/NetCheck.h"
#include "engine/StuckCalls.h"
#include "framework/Resolver.h"
#include "model/GlobalSettings.h"

namespace {
// Kept free inside an echo call's bound for what follows the wait.
constexpr DWORD kEndMarginMs = 50;

// The call got no answer within its time-out (the system's echo time-out, 11010).
bool EchoTimedOut(const CEchoCall& call, bool ipv6) {
    if (call.m_dwReplies == 0) return call.m_dwError == IP_REQ_TIMED_OUT;
    const ULONG status = ipv6 ? reinterpret_cast<const Icmp6EchoReply*>(call.m_reply)->Status
                              : reinterpret_cast<const ICMP_ECHO_REPLY*>(call.m_reply)->Status;
    return status == IP_REQ_TIMED_OUT;
}
}  // namespace

bool CNetCheck::WaitForEcho(const CEchoCall& call, DWORD boundMs) const {
    CElapsedTimer started;
    for (;;) {
        const DWORD left = SaturatingSub(boundMs, started.ElapsedMs());
        if (call.WaitEnded(std::min(left, kWaitPollMs))) return true;
        if (left <= kWaitPollMs || StopRequested()) return false;
    }
}

std::shared_ptr<CEchoCall> CNetCheck::GuardedEcho(const EchoTarget& target, HANDLE(WINAPI* create)()) {
    const DWORD timeOut = g_dwTimeOut.load();
    CElapsedTimer started;
    for (;;) {
        // Never more than the longest call: a stopped thread's call ends soon by itself.
        const DWORD left = SaturatingSub(timeOut, started.ElapsedMs());
        const DWORD callTimeOut = SystemTimeOutMs(std::min(left, m_dwEchoCallMaxMs));
        std::shared_ptr<CEchoCall> call = GuardedEchoCall(target, create, callTimeOut);
        if (!call || !EchoTimedOut(*call, target.ipv6) || started.ElapsedMs() >= timeOut || StopRequested())
            return call;
    }
}

std::shared_ptr<CEchoCall> CNetCheck::GuardedEchoCall(EchoTarget target, HANDLE(WINAPI* create)(),
                                                      DWORD timeOutMs) {
    // Beyond its stuck calls a monitor reports the stuck service at once instead of
    // leaving yet another thread in it.
    CStuckCallRoom room(m_nCallBudget);
    if (!room) {
        SetOutcome({MON_ERROR, ERROR_TIMEOUT, 0});
        return nullptr;
    }
    std::shared_ptr<CEchoCall> call = StartEcho(target, create, timeOutMs);
    if (!call) return nullptr;
    const CElapsedTimer started;
    const DWORD boundMs = CallBoundMs(timeOutMs);
    if (!WaitForEcho(*call, SaturatingSub(boundMs, kEndMarginMs))) {
        // The stuck call, or the call a stop left behind, keeps its share of the handle
        // and its pool thread until it returns; the next cycle opens another handle. It
        // is stuck only once its bound has passed (at once, unless a stop cut the wait).
        m_hIcmp.reset();
        room.Keep([call] { return call->WaitEnded(0); }, SaturatingSub(boundMs, started.ElapsedMs()));
        SetOutcome({MON_ERROR, ERROR_TIMEOUT, 0});
        return nullptr;
    }
    return call;
}

std::shared_ptr<CEchoCall> CNetCheck::StartEcho(EchoTarget target, HANDLE(WINAPI* create)(), DWORD timeOutMs) {
    if (!m_hIcmp || !m_hIcmp->Valid()) {
        m_hIcmp = std::make_shared<fw::CIcmpHandle>(create());
        if (!m_hIcmp->Valid()) {
            m_dwError = GetLastError();
            m_hIcmp.reset();
            return nullptr;
        }
    }
    target.icmp = m_hIcmp;
    target.timeOutMs = SaturatingAdd(timeOutMs, m_dwEchoCallExtraMs);
    std::shared_ptr<CEchoCall> call = CEchoCall::Start(target);
    // No pool thread, or the program's end has begun (ERROR_TIMEOUT: the echo is not
    // made, and this cycle is not reported).
    if (!call) SetOutcome({MON_ERROR, GetLastError(), 0});
    return call;
}

int CNetCheck::PingIPv4(const std::string& host) {
    m_dwError = 0;
    m_dwIpStatus = 0;
    EchoTarget target;
    if (int error = fw::ResolveIPv4(host, target.destination4)) {
        m_dwError = static_cast<DWORD>(error);
        return MON_ADDR_ERROR;
    }
    std::shared_ptr<CEchoCall> call = GuardedEcho(target, &IcmpCreateFile);
    if (!call) return MON_ERROR;
    if (call->m_dwReplies == 0) return SetOutcome(MapIcmpSendFailure(call->m_dwError));

    return SetOutcome(
        ReadEchoReplyIPv4(call->m_reply, CEchoCall::kReplyBufferIPv4, target.destination4.s_addr, m_dwTimeMs));
}

int CNetCheck::PingIPv6(const std::string& host) {
    m_dwError = 0;
    m_dwIpStatus = 0;
    m_dwTimeMs = kNoTime;
    fw::CResolvedAddress address;
    if (int r = address.Resolve(host, nullptr, nullptr)) {
        // getaddrinfo returns the code it also leaves as the last socket error.
        m_dwError = static_cast<DWORD>(r);
        return MON_ADDR_ERROR;
    }
    // A name that gives an IPv4 address first is no IPv6 target.
    if (address.First()->ai_family != AF_INET6) return MON_ADDR_ERROR;
    EchoTarget target;
    target.ipv6 = true;
    memcpy(&target.destination6, address.First()->ai_addr, sizeof(target.destination6));
    std::shared_ptr<CEchoCall> call = GuardedEcho(target, &Icmp6CreateFile);
    if (!call) return MON_ERROR;
    if (call->m_dwReplies == 0) return SetOutcome(MapIcmpSendFailure(call->m_dwError));

    const auto* echo = reinterpret_cast<const Icmp6EchoReply*>(call->m_reply);
    if (echo->Status != 0) return SetOutcome(MapIcmpReplyStatus(echo->Status));
    m_dwTimeMs = echo->RoundTripTime;
    return MON_UP;
}

void CNetCheck::CloseIcmp() { m_hIcmp.reset(); }
