#include "model/MonitorSlots.h"

#include <utility>

void CMonitorSlots::Put(int slot, std::unique_ptr<CMonitorRecord> record) { m_apRecords[slot] = std::move(record); }

void CMonitorSlots::Clear(int slot) { m_apRecords[slot].reset(); }

void CMonitorSlots::ClearAll() {
    for (auto& record : m_apRecords) record.reset();
}

void CMonitorSlots::Exchange(int a, int b) {
    CMonitorRecord& first = *m_apRecords[a];
    CMonitorRecord& second = *m_apRecords[b];
    first.SuspendThread();
    second.SuspendThread();
    const UINT index = first.m_nIndex;
    first.SetIndex(second.m_nIndex);
    second.SetIndex(index);
    m_apRecords[a].swap(m_apRecords[b]);
    second.ResumeThread();
    first.ResumeThread();
}

void CMonitorSlots::MoveRecord(int from, int to) {
    CMonitorRecord* moved = m_apRecords[from].get();
    if (moved) moved->SuspendThread();
    m_apRecords[to] = std::move(m_apRecords[from]);
    if (!moved) return;
    moved->SetIndex(static_cast<UINT>(to));
    moved->ResumeThread();
}

bool CMonitorSlots::Insert(int slot, int count, std::unique_ptr<CMonitorRecord> record) {
    if (count >= kMaxMonitors || slot < 0 || slot > count) return false;
    for (int j = count; j > slot; --j) MoveRecord(j - 1, j);
    record->SetIndex(static_cast<UINT>(slot));
    m_apRecords[slot] = std::move(record);
    return true;
}

void CMonitorSlots::Remove(int slot, int count) {
    // The record's end tells its thread to stop; a result it still sends is dropped.
    m_apRecords[slot].reset();
    for (int j = slot; j < count - 1; ++j) MoveRecord(j + 1, j);
}
