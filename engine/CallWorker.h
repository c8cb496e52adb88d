#pragma once
// A thread that one monitor keeps to make its blocking calls (an ICMP echo, a page
// fetch) one after another, so that its check can stop waiting for a call the system
// does not complete in time. Under Wine a thread started per call cost more than the
// call itself. A worker whose call did not end in time is retired: it ends once that
// call returns, and the monitor starts another for its next call. The call owns what
// it touches (captured in it), so a retired worker ends without touching the monitor.
#include <atomic>
#include <functional>
#include <memory>
#include <windows.h>

#include "framework/Handle.h"

class CCallWorker {
public:
    // Starts an idle worker; nullptr, with the reason in GetLastError, when none starts.
    static std::shared_ptr<CCallWorker> Start(UINT stackSize = 0);

    // Hands the worker its next call; only once the previous one has ended. What the
    // call captured is let go as soon as it has run.
    void Begin(std::function<void()> call);

    // True once the call has ended (and the worker is free for the next one), waiting at
    // most `milliseconds` for it; true for a worker that was handed no call yet.
    bool WaitEnded(DWORD milliseconds) const;

    // Nobody hands the worker calls any more: it ends after its current call, if any.
    void Retire();

private:
    CCallWorker();
    static unsigned __stdcall WorkerMain(void* param);

    std::function<void()> m_call;  // the worker's between Begin and the call's end
    fw::CHandle m_request;         // set when a call or the retirement is handed over
    fw::CHandle m_ended;           // set when the call has ended
    std::atomic<bool> m_bCallHanded{false};
    std::atomic<bool> m_bRetired{false};
};
