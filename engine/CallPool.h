#pragma once
// The threads that make the monitors' blocking calls (an ICMP echo, a page fetch), so
// that a check can stop waiting for a call the system does not complete in time. One
// pool serves every monitor: a call goes to the thread that went idle last, or to a new
// thread when none is idle, so a call that never returns holds up no other; a thread
// left idle for a while ends. Under Wine a thread costs about 1 MiB whatever its stack,
// so a thread kept per monitor cost tens of megabytes, and a thread started per call
// cost more than the call. Hand-over and waits use slim locks and condition variables:
// Wine serves those in the process, where an event costs a server round trip per signal
// and per wait.
#include <atomic>
#include <functional>
#include <memory>
#include <vector>
#include <windows.h>

// One call handed to the pool. What the call captured is let go as soon as it has run.
class CPooledCall {
public:
    explicit CPooledCall(std::function<void()> call) : m_call(std::move(call)) {}
    CPooledCall(const CPooledCall&) = delete;
    CPooledCall& operator=(const CPooledCall&) = delete;

    // True once the call has run, waiting at most `milliseconds` for it.
    bool WaitEnded(DWORD milliseconds) const;

private:
    friend class CCallPool;
    void Call();
    void MarkEnded();

    std::function<void()> m_call;
    mutable SRWLOCK m_lock = SRWLOCK_INIT;
    mutable CONDITION_VARIABLE m_endedSignal = CONDITION_VARIABLE_INIT;
    bool m_bEnded = false;
};

class CCallPool {
public:
    // Threads with `stackSize` bytes of stack that end after `idleMs` without a call.
    CCallPool(UINT stackSize, DWORD idleMs);
    CCallPool(const CCallPool&) = delete;
    CCallPool& operator=(const CCallPool&) = delete;

    // Starts `call` at once on a pool thread; nullptr, with the reason in GetLastError,
    // when no thread was idle and none could be started.
    std::shared_ptr<CPooledCall> Run(std::function<void()> call);

    // The pool's threads now, busy or idle.
    size_t ThreadCount() const { return m_nThreads.load(); }

    // The process's pool, never destroyed (a stuck call may end after static objects).
    // Its stack is what a page fetch through WinINet needs.
    static CCallPool& Process();
    static constexpr UINT kProcessStack = 256 * 1024;
    static constexpr DWORD kProcessIdleMs = 15000;

private:
    struct Thread;
    static unsigned __stdcall ThreadMain(void* param);
    void Serve(Thread& thread);

    const UINT m_stackSize;
    const DWORD m_idleMs;
    SRWLOCK m_lock = SRWLOCK_INIT;
    std::vector<Thread*> m_idle;  // the last to go idle is taken first
    std::atomic<size_t> m_nThreads{0};
};
