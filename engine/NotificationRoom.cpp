#include "engine/NotificationRoom.h"

RoomAnswer CNotificationRoom::Take(UINT64 monitor) {
    std::lock_guard<std::mutex> hold(m_lock);
    size_t& ofMonitor = m_held[monitor];
    if (m_total >= m_maxInProcess || ofMonitor >= m_maxPerMonitor) {
        const RoomAnswer full = ofMonitor >= m_maxPerMonitor ? RoomAnswer::MonitorFull : RoomAnswer::ProcessFull;
        if (ofMonitor == 0) m_held.erase(monitor);
        return full;
    }
    ++ofMonitor;
    ++m_total;
    return RoomAnswer::Given;
}

void CNotificationRoom::Give(UINT64 monitor) {
    std::lock_guard<std::mutex> hold(m_lock);
    auto it = m_held.find(monitor);
    if (it == m_held.end()) return;
    if (--it->second == 0) m_held.erase(it);
    --m_total;
}
