// The monitor set's enabling, disabling, restarting and starting: they start threads
// (CMonitorRecord::StartThread), which the engine provides, so they are written with it.
#include "model/MonitorSlots.h"

#include <algorithm>

#include "engine/LogWriter.h"
#include "framework/TimeText.h"
#include "model/SharedSettings.h"

namespace {
// A thread that could not be created is tried again after the monitor's check interval:
// a second at the least, and no longer than a timer and a tick difference can hold.
DWORD RetryDelayMs(UINT intervalSeconds) {
    const UINT64 ms = static_cast<UINT64>(std::max(intervalSeconds, 1u)) * 1000;
    return static_cast<DWORD>(std::min<UINT64>(ms, USER_TIMER_MAXIMUM));
}

bool Due(DWORD at, DWORD now) { return static_cast<LONG>(now - at) >= 0; }

// A record disabled, or started by other means, since its start failed waits no more.
bool WaitsForRetry(const CMonitorRecord& record) {
    return record.m_bStartFailed && record.Disabled == 0 && !record.HasThread();
}
}  // namespace

void CMonitorSlots::SetEnabled(int slot, bool enabled) {
    CMonitorRecord* record = RecordAt(slot);
    if (!record) return;
    if (!enabled) {
        record->StopThread();
        record->Disabled = 1;
        record->m_bStartFailed = false;
        ShowStatus(slot, MON_DISABLED);
        return;
    }
    record->Disabled = 0;
    ShowStatus(slot, MON_CHECKING);
    Start(slot);
}

void CMonitorSlots::Restart(int slot) {
    CMonitorRecord* record = RecordAt(slot);
    if (!record || record->Disabled != 0) return;
    ShowStatus(slot, MON_CHECKING);
    if (record->HasThread()) {
        record->StopThread();
        ShowStatus(slot, MON_CHECKING);
    }
    Start(slot);
}

bool CMonitorSlots::Start(int slot) { return StartAt(slot, GetTickCount()); }

bool CMonitorSlots::StartAt(int slot, DWORD now) {
    CMonitorRecord* record = RecordAt(slot);
    if (!record) return false;
    const DWORD error = record->StartThread();
    if (error == 0) {
        record->m_bStartFailed = false;
        return true;
    }
    // The same failure again is no news, as a check's repeated error is not.
    const bool again = record->m_bStartFailed && record->m_nStatus == MON_ERROR && record->m_dwError == error;
    CheckResult result;
    result.dwError = error;
    ShowStatus(slot, MON_ERROR, result);
    record->m_bStartFailed = true;
    record->m_dwStartRetryAt = now + RetryDelayMs(record->CheckInterval);
    if (!again && CSharedSettings::Get().EnableLog.load() != 0) QueueLogLine(*record, fw::LocalNow());
    if (m_startFailed) m_startFailed();
    return false;
}

DWORD CMonitorSlots::RetryFailedStarts(DWORD now) {
    for (int slot = 0; slot < m_count; ++slot) {
        CMonitorRecord* record = m_apRecords[slot].get();
        if (!record || !record->m_bStartFailed) continue;
        if (!WaitsForRetry(*record)) {
            record->m_bStartFailed = false;
            continue;
        }
        // Checking once it runs; a failure again keeps its ERROR.
        if (Due(record->m_dwStartRetryAt, now) && StartAt(slot, now)) ShowStatus(slot, MON_CHECKING);
    }
    return NextStartRetryIn(now);
}

DWORD CMonitorSlots::NextStartRetryIn(DWORD now) const {
    DWORD soonest = INFINITE;
    for (int slot = 0; slot < m_count; ++slot) {
        const CMonitorRecord* record = m_apRecords[slot].get();
        if (!record || !WaitsForRetry(*record)) continue;
        const DWORD in = Due(record->m_dwStartRetryAt, now) ? 0 : record->m_dwStartRetryAt - now;
        soonest = std::min(soonest, in);
    }
    return soonest;
}
