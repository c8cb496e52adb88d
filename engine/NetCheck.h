#pragma once
// The network checks of one monitoring thread. Each check returns a MonitorStatus and
// leaves the time, error and IP status of its result in the three fields below.
#include <atomic>
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

#include "framework/Handle.h"
#include "model/MonitorTypes.h"

class CEchoCall;
class CElapsedTimer;
class CUrlFetch;
struct CodeOutcome;
struct EchoTarget;

class CNetCheck {
public:
    CNetCheck();
    ~CNetCheck();

    CNetCheck(const CNetCheck&) = delete;
    CNetCheck& operator=(const CNetCheck&) = delete;

    int PingIPv4(const std::string& host);
    int PingIPv6(const std::string& host);
    int TcpConnectIPv4(const std::string& host, UINT port);
    int TcpConnectIPv6(const std::string& host, UINT port);
    int CheckUrl(const std::string& url, std::wstring phrase);

    // Lets go of the ICMP handle (closed once no echo call uses it any more).
    void CloseIcmp();

    // The thread's stop flag, which every check tests while it waits for a call.
    void SetStopFlag(const std::atomic<bool>* stop) { m_pStop = stop; }
    // The call budget of the monitor the checks are made for (CMonitorRecord::CallBudget):
    // its calls that outlive their checks are bounded per monitor (StuckCalls.h), not
    // per object. Without one, the object's own.
    void SetCallBudget(UINT64 budget) { m_nCallBudget = budget; }
    UINT64 CallBudget() const { return m_nCallBudget; }

    // What bounds a URL check whose page keeps arriving (each step has its time-out); a
    // time-out longer than this is the check's bound instead, so no check that the
    // time-out allows is cut.
    static constexpr DWORD kUrlOverallLimitMs = 60000;
    DWORD m_dwUrlOverallLimitMs = kUrlOverallLimitMs;
    // The longest one echo call asks the system to wait: a longer time-out is waited out
    // by echoes one after the other, so that a call left behind by a stopped thread ends
    // soon (an echo call cannot be cancelled).
    static constexpr DWORD kEchoCallMaxMs = 5000;
    DWORD m_dwEchoCallMaxMs = kEchoCallMaxMs;
    // For tests of the ping guard: an echo call's own time-out goes this far beyond it.
    DWORD m_dwEchoCallExtraMs = 0;

    std::shared_ptr<fw::CIcmpHandle> m_hIcmp;  // opened by the first ping, shared with its calls
    DWORD m_dwTimeMs = kNoTime;
    DWORD m_dwError = 0;
    DWORD m_dwIpStatus = 0;

private:
    // Takes the error and IP status of a mapped outcome and returns its status.
    int SetOutcome(const CodeOutcome& outcome);
    bool StopRequested() const { return m_pStop && m_pStop->load(); }
    // Runs echo calls until one is answered or fails otherwise, the time-out has passed
    // or a stop is requested. The last call; nullptr with the error outcome set when it
    // did not return in time.
    std::shared_ptr<CEchoCall> GuardedEcho(const EchoTarget& target, HANDLE(WINAPI* create)());
    // Runs one echo call of `timeOutMs` under the guard, opening the handle with `create`
    // when none is held. The call when it returned; else nullptr with the error outcome set.
    std::shared_ptr<CEchoCall> GuardedEchoCall(EchoTarget target, HANDLE(WINAPI* create)(), DWORD timeOutMs);
    // Opens what the echo needs and hands it to the call pool; nullptr with the error set.
    std::shared_ptr<CEchoCall> StartEcho(EchoTarget target, HANDLE(WINAPI* create)(), DWORD timeOutMs);
    // Waits until the echo call returns; false when `boundMs` pass first or a stop is requested.
    bool WaitForEcho(const CEchoCall& call, DWORD boundMs) const;
    // Waits until the fetch ends; false when one of its steps goes on too long without
    // progress, the whole outlasts `overallLimitMs`, or a stop is requested.
    bool WaitForFetch(const CUrlFetch& fetch, DWORD overallLimitMs) const;

    // How often a waiting check looks at its call and the thread's stop flag.
    static constexpr DWORD kWaitPollMs = 50;
    const std::atomic<bool>* m_pStop = nullptr;
    // Whose calls these are, for the bound of stuck calls (StuckCalls.h).
    UINT64 m_nCallBudget;
};
