#pragma once
// The monitors' slots: the record of box k (counted from 1) lies in slot k-1 and carries
// index k-1. Records change slots only here. A running thread reads its record's index
// when it reports, so each is held still while its index changes; nothing in between
// allocates or locks, since a held thread may own the heap or any other lock.
#include <memory>

#include "model/MainSettings.h"
#include "model/MonitorRecord.h"

class CMonitorSlots {
public:
    // The record in a slot (0..kMaxMonitors-1), or none.
    const std::unique_ptr<CMonitorRecord>& operator[](int slot) const { return m_apRecords[slot]; }

    // Puts a record into a slot; the one there before is freed, which stops its thread.
    void Put(int slot, std::unique_ptr<CMonitorRecord> record);
    // Frees the record of a slot (its thread is told to stop); a result the thread still
    // sends finds no record.
    void Clear(int slot);
    void ClearAll();

    // Two records exchange their slots and indexes.
    void Exchange(int a, int b);
    // Of `count` records in use, those from `slot` on move up a slot, and `record` (made
    // beforehand: nothing is allocated while a thread is held) takes the freed slot.
    // False, and nothing changed, when there is no room or the slot is outside 0..count.
    bool Insert(int slot, int count, std::unique_ptr<CMonitorRecord> record);
    // Of `count` records in use, the one in `slot` is freed and those after it move down
    // a slot; the last slot falls empty.
    void Remove(int slot, int count);

private:
    // Moves a record to another slot, holding its thread while its index changes.
    void MoveRecord(int from, int to);

    std::unique_ptr<CMonitorRecord> m_apRecords[kMaxMonitors];
};
