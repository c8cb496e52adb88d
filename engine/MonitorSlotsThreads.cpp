// The monitor set's enabling, disabling and restarting: they start threads
// (CMonitorRecord::StartThread), which the engine provides, so they are written with it.
#include "model/MonitorSlots.h"

void CMonitorSlots::SetEnabled(int slot, bool enabled) {
    CMonitorRecord* record = RecordAt(slot);
    if (!record) return;
    if (!enabled) {
        record->StopThread();
        record->Disabled = 1;
        ShowStatus(slot, MON_DISABLED);
        return;
    }
    record->Disabled = 0;
    ShowStatus(slot, MON_CHECKING);
    record->StartThread();
}

void CMonitorSlots::Restart(int slot) {
    CMonitorRecord* record = RecordAt(slot);
    if (!record || record->Disabled != 0) return;
    ShowStatus(slot, MON_CHECKING);
    if (record->HasThread()) {
        record->StopThread();
        ShowStatus(slot, MON_CHECKING);
    }
    record->StartThread();
}
