#include "model/MonitorSlots.h"

#include <algorithm>
#include <utility>

#include "model/RecordLink.h"

void CMonitorSlots::SetCount(int count) { m_count = std::max(0, std::min(count, kMaxMonitors)); }

CMonitorRecord* CMonitorSlots::RecordAt(int slot) const {
    return InUse(slot) ? m_apRecords[slot].get() : nullptr;
}

void CMonitorSlots::Put(int slot, std::unique_ptr<CMonitorRecord> record) { m_apRecords[slot] = std::move(record); }

void CMonitorSlots::Load(std::vector<std::unique_ptr<CMonitorRecord>> records) {
    SetCount(static_cast<int>(records.size()));
    for (int i = 0; i < m_count; ++i) m_apRecords[i] = std::move(records[static_cast<size_t>(i)]);
}

void CMonitorSlots::Clear(int slot) { m_apRecords[slot].reset(); }

void CMonitorSlots::ClearAll() {
    for (auto& record : m_apRecords) record.reset();
    m_count = 0;
}

void CMonitorSlots::EndAll() {
    for (int i = 0; i < m_count; ++i) {
        if (!m_apRecords[i]) continue;
        m_apRecords[i]->KillThread();
        m_apRecords[i].reset();
    }
    m_count = 0;
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

bool CMonitorSlots::Insert(int slot, std::unique_ptr<CMonitorRecord> record) {
    if (Full() || slot < 0 || slot > m_count) return false;
    for (int j = m_count; j > slot; --j) MoveRecord(j - 1, j);
    record->SetIndex(static_cast<UINT>(slot));
    m_apRecords[slot] = std::move(record);
    ++m_count;
    return true;
}

void CMonitorSlots::Remove(int slot) {
    // The record's end tells its thread to stop; a result it still sends is dropped.
    m_apRecords[slot].reset();
    for (int j = slot; j < m_count - 1; ++j) MoveRecord(j + 1, j);
    --m_count;
}

int CMonitorSlots::SlotOfResult(UINT index, const CheckReport* report) const {
    if (index == kIndexTornDown || m_count <= 0) return -1;
    if (!report) return index < static_cast<UINT>(m_count) && m_apRecords[index] ? static_cast<int>(index) : -1;
    for (int i = 0; i < m_count; ++i) {
        const CRecordLink* link = m_apRecords[i] ? m_apRecords[i]->Link() : nullptr;
        if (link && link->m_pReportInFlight.load() == report) return i;
    }
    return -1;
}

bool CMonitorSlots::ShowStatus(int slot, int status, const CheckResult& result) {
    CMonitorRecord* record = RecordAt(slot);
    if (!record) return false;
    record->m_nStatus = status;
    if (record->Disabled == 1) record->m_nStatus = MON_DISABLED;
    record->m_dwTimeMs = result.dwTimeMs;
    record->m_dwError = result.dwError;
    record->m_dwIpStatus = result.dwIpStatus;
    if (record->m_nStatus == MON_CHECKING || record->m_nStatus == MON_DISABLED) {
        record->m_dwError = 0;
        record->m_dwIpStatus = 0;
    }
    if (m_shown) m_shown(slot);
    return true;
}
