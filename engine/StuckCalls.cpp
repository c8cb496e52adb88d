#include "engine/StuckCalls.h"

#include <algorithm>

unsigned CStuckCalls::Reserve(UINT64 budget) {
    std::lock_guard<std::mutex> hold(m_lock);
    DropEnded();
    // Only stuck calls count: calls still in flight are the checks' own, one a monitor,
    // and a call left within its own bound ends by itself.
    const ULONGLONG now = m_now();
    auto stuck = [now](const Entry& e) { return e.ended && now >= e.overdueAt; };
    auto stuckOfBudget = [&stuck, budget](const Entry& e) { return stuck(e) && e.budget == budget; };
    const size_t ofBudget = static_cast<size_t>(std::count_if(m_entries.begin(), m_entries.end(), stuckOfBudget));
    const size_t inProcess = static_cast<size_t>(std::count_if(m_entries.begin(), m_entries.end(), stuck));
    // A monitor with none stuck is checked whatever the others left behind.
    if (ofBudget >= m_maxPerMonitor || (ofBudget > 0 && inProcess >= m_maxInProcess)) return 0;
    unsigned ticket = m_nextTicket++;
    if (m_nextTicket == 0) m_nextTicket = 1;  // 0 says "no room"
    m_entries.push_back({ticket, budget, nullptr, 0});
    return ticket;
}

void CStuckCalls::Release(unsigned ticket) {
    std::lock_guard<std::mutex> hold(m_lock);
    auto ofTicket = [ticket](const Entry& e) { return e.ticket == ticket; };
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(), ofTicket), m_entries.end());
}

void CStuckCalls::Keep(unsigned ticket, std::function<bool()> ended, DWORD boundLeftMs) {
    std::lock_guard<std::mutex> hold(m_lock);
    for (Entry& e : m_entries) {
        if (e.ticket != ticket) continue;
        e.ended = std::move(ended);
        e.overdueAt = m_now() + boundLeftMs;
    }
}

void CStuckCalls::DropEnded() {
    auto returned = [](const Entry& e) { return e.ended && e.ended(); };
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(), returned), m_entries.end());
}

CStuckCalls& CStuckCalls::Process() {
    static CStuckCalls* calls = new CStuckCalls();
    return *calls;
}
