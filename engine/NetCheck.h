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

    // The thread's stop flag, which a URL check tests while it waits for its page.
    void SetStopFlag(const std::atomic<bool>* stop) { m_pStop = stop; }
    // The monitor the checks are made for, the same for every restart of it: its calls
    // that outlive their checks are bounded per monitor (StuckCalls.h), not per object.
    void SetMonitorKey(const void* monitor) { m_pMonitorKey = monitor; }

    // What bounds a URL check whose page keeps arriving (each step has its time-out).
    static constexpr DWORD kUrlOverallLimitMs = 60000;
    DWORD m_dwUrlOverallLimitMs = kUrlOverallLimitMs;
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
    // Runs one echo call under the guard, opening the handle with `create` when none is
    // held. The call when it returned; else nullptr with the error outcome set.
    std::shared_ptr<CEchoCall> GuardedEcho(EchoTarget target, HANDLE(WINAPI* create)());
    // Opens what the echo needs and hands it to the call pool; nullptr with the error set.
    std::shared_ptr<CEchoCall> StartEcho(EchoTarget target, HANDLE(WINAPI* create)());
    // Waits until the fetch ends; false when one of its steps goes on too long without
    // progress, the whole outlasts the overall limit, or a stop is requested.
    bool WaitForFetch(const CUrlFetch& fetch) const;

    const std::atomic<bool>* m_pStop = nullptr;
    // Whose calls these are, for the bound of stuck calls (StuckCalls.h).
    const void* m_pMonitorKey = this;
};
