#pragma once
// The monitor set: the records in their slots and how many slots are in use (the one
// count; the "NumBox" key is written from it). The record of box k (counted from 1, as
// the box menu and painting count) lies in slot k-1 and carries index k-1; SlotOfBox and
// BoxOfSlot are the one conversion. Records change slots only here. A running thread
// reads its record's index when it reports, so each is held still while its index
// changes; nothing in between allocates or locks, since a held thread may own the heap
// or any other lock.
#include <functional>
#include <memory>
#include <vector>

#include "model/MainSettings.h"
#include "model/MonitorRecord.h"
#include "model/MonitorTypes.h"

struct CheckReport;

constexpr int SlotOfBox(int box) { return box - 1; }
constexpr int BoxOfSlot(int slot) { return slot + 1; }

class CMonitorSlots {
public:
    // The slots in use, 0..kMaxMonitors; loading sets it, Insert and Remove change it.
    int Count() const { return m_count; }
    void SetCount(int count);
    bool Full() const { return m_count >= kMaxMonitors; }
    bool InUse(int slot) const { return slot >= 0 && slot < m_count; }

    // The record in a slot (0..kMaxMonitors-1), or none.
    const std::unique_ptr<CMonitorRecord>& operator[](int slot) const { return m_apRecords[slot]; }
    // The record of a slot in use (0..Count()-1) or of a box (1..Count()); none outside.
    CMonitorRecord* RecordAt(int slot) const;
    CMonitorRecord* RecordOfBox(int box) const { return RecordAt(SlotOfBox(box)); }

    // Puts a record into a slot; the one there before is freed, which stops its thread.
    void Put(int slot, std::unique_ptr<CMonitorRecord> record);
    // The records loaded from the file, in their slots; they are all in use.
    void Load(std::vector<std::unique_ptr<CMonitorRecord>> records);
    // Frees the record of a slot (its thread is told to stop); a result the thread still
    // sends finds no record.
    void Clear(int slot);
    // Frees every record; no slot is in use.
    void ClearAll();
    // Cuts every thread loose (it reports to nobody from now on) and frees every record.
    void EndAll();

    // Two records exchange their slots and indexes.
    void Exchange(int a, int b);
    // The records from `slot` on move up a slot, and `record` (made beforehand: nothing
    // is allocated while a thread is held) takes the freed slot; one more slot is in use.
    // False, and nothing changed, when there is no room or the slot is outside 0..Count().
    bool Insert(int slot, std::unique_ptr<CMonitorRecord> record);
    // The record in `slot` is freed and those after it move down a slot; the last slot
    // falls empty and out of use.
    void Remove(int slot);

    // The slot a check result goes to, -1 for none. A result without a report (another
    // program may send one) names it by index. A thread's report goes to the record whose link is handing it
    // over now: the index it was sent with may be stale, since boxes move, are inserted
    // and deleted while a check is out; a report no record claims (its monitor was
    // deleted or restarted, or it is not one of ours) is dropped unread.
    int SlotOfResult(UINT index, const CheckReport* report) const;

    // Called after a slot's status changed, to show it (the window redraws the box).
    void OnStatusShown(std::function<void(int slot)> shown) { m_shown = std::move(shown); }
    // The record of a slot in use takes a status and a check's result (none for the
    // statuses the window sets itself); a disabled record shows Disabled whatever it is
    // given. False when the slot holds no record in use.
    bool ShowStatus(int slot, int status, const CheckResult& result = CheckResult());

    // Enabling shows Checking and starts the thread; disabling stops it and shows
    // Disabled. Written with the engine, which provides the threads.
    void SetEnabled(int slot, bool enabled);
    // An enabled monitor starts again with its settings; a disabled one stays as it is.
    void Restart(int slot);
    // Starts the thread of the record in a slot in use; true when it runs. One that cannot
    // be created (the process at its thread limit) leaves the record showing ERROR with
    // the system's code (logged as a check's error is, when logging is on) and waiting to
    // be tried again after its check interval; the window is told, to keep the time.
    bool Start(int slot);
    void OnStartFailed(std::function<void()> failed) { m_startFailed = std::move(failed); }
    // Tries again the records whose interval has passed since their thread could not be
    // created, wherever they stand now; a record disabled or started again meanwhile is
    // not waiting any more. Returns NextStartRetryIn(now).
    DWORD RetryFailedStarts(DWORD now);
    // Milliseconds from `now` (GetTickCount) until a record is to be tried again; INFINITE
    // when none waits.
    DWORD NextStartRetryIn(DWORD now) const;

private:
    // Moves a record to another slot, holding its thread while its index changes.
    void MoveRecord(int from, int to);
    bool StartAt(int slot, DWORD now);

    std::unique_ptr<CMonitorRecord> m_apRecords[kMaxMonitors];
    int m_count = 0;
    std::function<void(int slot)> m_shown;
    std::function<void()> m_startFailed;
};
