#pragma once
// Room for blocking calls that outlive their checks (an echo the system does not
// complete, a connect WinINet does not bound). Each such call keeps a thread until it
// returns, so their number is bounded per monitor and for the whole process. A call left
// behind counts as stuck only once its own bound has passed: a restart or a stop leaves
// its check's call running within its time-out, and such calls end by themselves, so
// they take no room however many restarts leave them. A monitor's stuck calls count
// against its call budget (CMonitorRecord::CallBudget): kept across its restarts (a
// restart makes a new check object, not a new target), fresh for a new monitor or a new
// target. Only a monitor with stuck calls of its own pays for them: the process's bound
// leaves room for every monitor's full share, and even once it is reached a monitor with
// none stuck still gets room.
#include <windows.h>

#include <functional>
#include <mutex>
#include <vector>

#include "model/MainSettings.h"

class CStuckCalls {
public:
    static constexpr size_t kMaxPerMonitor = 4;
    static constexpr size_t kMaxInProcess = kMaxMonitors * kMaxPerMonitor;

    // Milliseconds from a fixed moment; the system's tick count unless a test sets the time.
    using Clock = ULONGLONG (*)();

    CStuckCalls(size_t maxPerMonitor = kMaxPerMonitor, size_t maxInProcess = kMaxInProcess,
                Clock now = &SystemClock)
        : m_maxPerMonitor(maxPerMonitor), m_maxInProcess(maxInProcess), m_now(now) {}

    // Takes room for one call of `budget` that may get stuck: a ticket, or 0 when the
    // budget has all the stuck calls it may have, or has some while the process has all
    // it may have. Calls in flight take no room (checks run side by side).
    unsigned Reserve(UINT64 budget);
    // The call ended in time: its room is free again.
    void Release(unsigned ticket);
    // Nobody waits for the call any more: once `boundLeftMs` have passed it counts as
    // stuck, until `ended` says it returned (0: it is overdue already).
    void Keep(unsigned ticket, std::function<bool()> ended, DWORD boundLeftMs = 0);

    // The process's own, never destroyed (a stuck call may end after static objects).
    static CStuckCalls& Process();

private:
    struct Entry {
        unsigned ticket;
        UINT64 budget;
        std::function<bool()> ended;  // empty while the call is still being waited for
        ULONGLONG overdueAt;          // once kept: when its own bound has passed
    };
    static ULONGLONG SystemClock() { return GetTickCount64(); }
    void DropEnded();

    std::mutex m_lock;
    std::vector<Entry> m_entries;
    unsigned m_nextTicket = 1;
    const size_t m_maxPerMonitor;
    const size_t m_maxInProcess;
    const Clock m_now;
};

// Room taken for one call, given back when it goes unless kept for the stuck call.
class CStuckCallRoom {
public:
    explicit CStuckCallRoom(UINT64 budget, CStuckCalls& calls = CStuckCalls::Process())
        : m_calls(calls), m_ticket(calls.Reserve(budget)) {}
    ~CStuckCallRoom() {
        if (m_ticket) m_calls.Release(m_ticket);
    }
    CStuckCallRoom(const CStuckCallRoom&) = delete;
    CStuckCallRoom& operator=(const CStuckCallRoom&) = delete;

    // False when the monitor has no room left.
    explicit operator bool() const { return m_ticket != 0; }
    // Nobody waits for the call any more: it takes the room once `boundLeftMs` have
    // passed, until `ended` says it returned.
    void Keep(std::function<bool()> ended, DWORD boundLeftMs = 0) {
        m_calls.Keep(m_ticket, std::move(ended), boundLeftMs);
        m_ticket = 0;
    }

private:
    CStuckCalls& m_calls;
    unsigned m_ticket;
};
