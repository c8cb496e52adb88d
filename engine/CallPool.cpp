#include "engine/CallPool.h"

#include <algorithm>

#include "framework/Thread.h"

namespace {
// Waits on `signal` (with `lock` held) until `done` holds or `milliseconds` have passed,
// through spurious wake-ups. Returns `done`.
template <class Done>
bool WaitUntil(CONDITION_VARIABLE& signal, SRWLOCK& lock, DWORD milliseconds, Done done) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    while (!done()) {
        DWORD left = INFINITE;
        if (milliseconds != INFINITE) {
            const ULONGLONG now = GetTickCount64();
            if (now >= deadline) return false;
            left = static_cast<DWORD>(deadline - now);
        }
        SleepConditionVariableSRW(&signal, &lock, left, 0);
    }
    return true;
}
}  // namespace

bool CPooledCall::WaitEnded(DWORD milliseconds) const {
    AcquireSRWLockExclusive(&m_lock);
    const bool ended = WaitUntil(m_endedSignal, m_lock, milliseconds, [this] { return m_bEnded; });
    ReleaseSRWLockExclusive(&m_lock);
    return ended;
}

void CPooledCall::Call() {
    m_call();
    m_call = nullptr;
}

void CPooledCall::MarkEnded() {
    AcquireSRWLockExclusive(&m_lock);
    m_bEnded = true;
    ReleaseSRWLockExclusive(&m_lock);
    WakeAllConditionVariable(&m_endedSignal);
}

struct CCallPool::Thread {
    CCallPool* pool = nullptr;
    CONDITION_VARIABLE wake = CONDITION_VARIABLE_INIT;
    std::shared_ptr<CPooledCall> call;  // handed over under the pool's lock
};

CCallPool::CCallPool(UINT stackSize, DWORD idleMs) : m_stackSize(stackSize), m_idleMs(idleMs) {}

CCallPool& CCallPool::Process() {
    static CCallPool* pool = new CCallPool(kProcessStack, kProcessIdleMs);
    return *pool;
}

std::shared_ptr<CPooledCall> CCallPool::Run(std::function<void()> call) {
    auto pooled = std::make_shared<CPooledCall>(std::move(call));
    AcquireSRWLockExclusive(&m_lock);
    if (!m_idle.empty()) {
        Thread* idle = m_idle.back();
        m_idle.pop_back();
        idle->call = pooled;
        // Woken under the lock: once it is released the thread may run the call and,
        // idle long enough, end.
        WakeConditionVariable(&idle->wake);
        ReleaseSRWLockExclusive(&m_lock);
        return pooled;
    }
    ReleaseSRWLockExclusive(&m_lock);

    auto thread = std::make_unique<Thread>();
    thread->pool = this;
    thread->call = pooled;
    ++m_nThreads;
    if (!fw::BeginDetachedThread(&CCallPool::ThreadMain, thread.get(), m_stackSize)) {
        const DWORD error = GetLastError();
        --m_nThreads;
        SetLastError(error);
        return nullptr;
    }
    thread.release();  // the thread's now
    return pooled;
}

unsigned __stdcall CCallPool::ThreadMain(void* param) {
    std::unique_ptr<Thread> thread(static_cast<Thread*>(param));
    thread->pool->Serve(*thread);
    --thread->pool->m_nThreads;
    return 0;
}

void CCallPool::Serve(Thread& thread) {
    std::shared_ptr<CPooledCall> call = std::move(thread.call);
    for (;;) {
        call->Call();
        // Idle again before the caller learns the call ended, so that its next call
        // finds this thread instead of starting another.
        AcquireSRWLockExclusive(&m_lock);
        m_idle.push_back(&thread);
        ReleaseSRWLockExclusive(&m_lock);
        call->MarkEnded();
        call.reset();

        AcquireSRWLockExclusive(&m_lock);
        if (!WaitUntil(thread.wake, m_lock, m_idleMs, [&thread] { return thread.call != nullptr; })) {
            // Idle too long and handed nothing meanwhile (a thread is handed a call only
            // while it is on the idle list, under the lock): it ends.
            m_idle.erase(std::find(m_idle.begin(), m_idle.end(), &thread));
            ReleaseSRWLockExclusive(&m_lock);
            return;
        }
        call = std::move(thread.call);
        ReleaseSRWLockExclusive(&m_lock);
    }
}
