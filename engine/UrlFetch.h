#pragma once
// One page fetch of a URL check, run on the monitor's call worker (CallWorker.h) so that
// the check can stop waiting for it: WinINet does not always heed its time-outs (a connect may
// block for minutes), and a call blocked inside it cannot be cancelled. The check and
// the worker share the object; the worker writes only into it, and marks each step it
// makes, so the check can tell a fetch that moves on from one that is stuck.
#include <atomic>
#include <memory>
#include <string>
#include <windows.h>

#include "engine/CallWorker.h"
#include "engine/ElapsedTimer.h"
#include "framework/Handle.h"
#include "framework/InternetSession.h"
#include "model/MonitorTypes.h"

class CUrlFetch {
public:
    enum class Stage {
        SessionFailed,  // no WinINet session
        OpenFailed,     // connecting or sending the request failed
        ReadFailed,     // reading the body failed
        Read,           // the body (up to kPageCap bytes) was read
    };

    // The most of one page that is read; the rest is never fetched.
    static constexpr size_t kPageCap = 4 * 1024 * 1024;
    // The most taken in one read of what has arrived.
    static constexpr DWORD kReadChunk = 64 * 1024;
    // The stack of a fetch worker, which each URL monitor keeps (as the queue workers').
    static constexpr UINT kWorkerStack = 256 * 1024;

    // Starts fetching the target on the idle `worker` with WinINet's time-outs set to
    // `timeOutMs`. Returns nullptr, with the reason in GetLastError, when the fetch
    // cannot be made.
    static std::shared_ptr<CUrlFetch> Start(CCallWorker& worker, const fw::HttpTarget& target, DWORD timeOutMs);

    // True once the fetch has ended, waiting at most `milliseconds` for it.
    bool WaitEnded(DWORD milliseconds) const;

    // How long the current step (resolving, connecting, sending, one read) has lasted.
    DWORD StepMs() const {
        const DWORD start = m_stepStartMs.load();  // before the clock: never after it
        const DWORD now = m_clock.ElapsedMs();
        return now > start ? now - start : 0;
    }

    // Nobody waits for the result any more: the worker stops after its current step
    // and closes the connection.
    void Abandon() { m_bAbandoned = true; }

    // The result, to be read only once WaitEnded gave true.
    Stage m_stage = Stage::SessionFailed;
    DWORD m_dwError = 0;
    DWORD m_dwTimeMs = kNoTime;
    std::string m_body;

private:
    CUrlFetch(const fw::HttpTarget& target, DWORD timeOutMs);
    static void CALLBACK OnStatus(HINTERNET, DWORD_PTR context, DWORD status, void*, DWORD);
    void MarkStep() { m_stepStartMs = m_clock.ElapsedMs(); }
    void Fetch();
    DWORD ReadBody(fw::CHttpFile& file);

    const fw::HttpTarget m_target;
    const DWORD m_dwTimeOut;
    const CElapsedTimer m_clock;
    std::atomic<DWORD> m_stepStartMs{0};
    fw::CHandle m_ended;  // set when the fetch has ended
    std::atomic<bool> m_bAbandoned{false};
};
