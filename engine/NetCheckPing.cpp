// The ICMP echo checks. Each echo call runs guarded on the monitor's echo worker
// (EchoCall.h, CallWorker.h): one that does not return within the time-out and 500 ms
// is an error of that cycle, and its worker is left to it.
#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>
#include <icmpapi.h>

#include <algorithm>

#include "engine/CallWorker.h"
#include "engine/CheckCodes.h"
#include "engine/EchoCall.h"
#include "engine/EchoReply.h"
#include "engine/NetCheck.h"
#include "framework/Resolver.h"
#include "model/GlobalSettings.h"

namespace {
// How long after its time-out an echo call is given up, and the margin kept free in
// it for what follows the wait.
constexpr DWORD kEchoBoundMs = 500;
constexpr DWORD kEndMarginMs = 50;
// Echo calls of one monitor left stuck in the system: beyond these a check reports the
// stuck service at once instead of leaving yet another thread in it.
constexpr size_t kMaxStuckEchoes = 4;
}  // namespace

std::shared_ptr<CEchoCall> CNetCheck::GuardedEcho(EchoTarget target, HANDLE(WINAPI* create)()) {
    auto returned = [](const std::shared_ptr<CCallWorker>& w) { return w->WaitEnded(0); };
    m_stuckEchoes.erase(std::remove_if(m_stuckEchoes.begin(), m_stuckEchoes.end(), returned), m_stuckEchoes.end());
    if (m_stuckEchoes.size() >= kMaxStuckEchoes) {
        SetOutcome({MON_ERROR, ERROR_TIMEOUT, 0});
        return nullptr;
    }
    if (!m_hIcmp || !m_hIcmp->Valid()) {
        m_hIcmp = std::make_shared<fw::CIcmpHandle>(create());
        if (!m_hIcmp->Valid()) {
            m_dwError = GetLastError();
            m_hIcmp.reset();
            return nullptr;
        }
    }
    if (!m_echoWorker && !(m_echoWorker = CCallWorker::Start(CEchoCall::kWorkerStack))) {
        m_dwError = GetLastError();
        return nullptr;
    }
    target.icmp = m_hIcmp;
    const DWORD timeOut = g_dwTimeOut.load();
    target.timeOutMs = timeOut + m_dwEchoCallExtraMs;
    std::shared_ptr<CEchoCall> call = CEchoCall::Start(*m_echoWorker, target);
    if (!m_echoWorker->WaitEnded(timeOut + kEchoBoundMs - kEndMarginMs)) {
        // The stuck call keeps its share of the handle and its worker, which ends once
        // the call returns; the next cycle opens another handle on another worker.
        m_hIcmp.reset();
        m_echoWorker->Retire();
        m_stuckEchoes.push_back(std::move(m_echoWorker));
        SetOutcome({MON_ERROR, ERROR_TIMEOUT, 0});
        return nullptr;
    }
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
