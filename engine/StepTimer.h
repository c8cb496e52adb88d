#pragma once
// The rule that ends one step of a page fetch (resolving, connecting, sending, waiting
// for what arrives next): a step ends once nothing has happened for its limit, and each
// sign of progress (a stage WinINet reports, bytes received, a read) starts a new one,
// so a page that keeps arriving, headers or body, is read however long it takes.
// Times are milliseconds of the caller's clock, so the rule itself reads none.
#include <atomic>
#include <windows.h>

#include "engine/CallBound.h"

// Kept free inside a step's bound for what follows the wait: a wake-up that comes late
// and the abandoning of the fetch. Waiting the whole bound ended checks 1-2 ms beyond it,
// and on a busy machine a margin of 20 ms was once 1 ms short.
constexpr DWORD kStepEndMarginMs = 50;

// How long one step of a fetch may go without progress: the time-out and its grace, less
// the margin; saturated, so a time-out of 4294967295 never wraps round to a short one.
constexpr DWORD FetchStepLimitMs(DWORD timeOutMs) {
    return SaturatingSub(CallBoundMs(timeOutMs), kStepEndMarginMs);
}

class CStepTimer {
public:
    explicit CStepTimer(DWORD limitMs) : m_limitMs(limitMs) {}

    // Something happened at `nowMs`: a new step begins.
    void Progress(DWORD nowMs) { m_lastMs = nowMs; }

    // How long the current step may still last at `nowMs`; 0 once it is over. A mark made
    // by another thread after `nowMs` was read counts as made at `nowMs`.
    DWORD MsLeft(DWORD nowMs) const { return SaturatingSub(m_limitMs, SaturatingSub(nowMs, m_lastMs)); }

private:
    const DWORD m_limitMs;
    std::atomic<DWORD> m_lastMs{0};
};
