#include "engine/OpenBoxes.h"

bool COpenBoxes::Take(UINT64 monitor) {
    std::lock_guard<std::mutex> hold(m_lock);
    size_t& ofMonitor = m_open[monitor];
    if (m_total >= m_maxInProcess || ofMonitor >= m_maxPerMonitor) {
        if (ofMonitor == 0) m_open.erase(monitor);
        return false;
    }
    ++ofMonitor;
    ++m_total;
    return true;
}

void COpenBoxes::Give(UINT64 monitor) {
    std::lock_guard<std::mutex> hold(m_lock);
    auto it = m_open.find(monitor);
    if (it == m_open.end()) return;
    if (--it->second == 0) m_open.erase(it);
    --m_total;
}

COpenBoxes& COpenBoxes::Process() {
    static COpenBoxes* boxes = new COpenBoxes();
    return *boxes;
}
