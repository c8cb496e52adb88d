#pragma once
// The workers a due notification starts or queues. Each receives its own job: a copy
// of the monitoring thread's record (taken when it is started or queued) and the time
// of the result, owns it and frees it.
#include <string>
#include <windows.h>

#include "engine/OpenBoxes.h"
#include "model/MonitorRecord.h"

class CWorkQueue;

// What a worker is given: the record with its result, and when the result came. A
// worker writes that time, never the time it got to the job.
struct NotificationJob {
    CMonitorRecord record;
    SYSTEMTIME resultTime = {};
    CBoxRoom boxRoom;  // a message box's room among the open boxes, freed with the job
};

// Shows the message-box notification of the job and waits until it is closed.
unsigned __stdcall MsgBoxThreadProc(void* job);
// Runs the execute-file notification's program with its expanded parameters.
unsigned __stdcall ExecFileThreadProc(void* job);

// Shows the message-box notification of `record` on a worker of its own when `monitor`
// and the process have room for another open box (OpenBoxes.h); false when not (nothing
// is shown) or when no thread could be created.
bool StartMessageBox(UINT64 monitor, const CMonitorRecord& record, const SYSTEMTIME& resultTime,
                     COpenBoxes& boxes = COpenBoxes::Process());

// Queues `proc` on such a job in `queue`. False when the queue can run nothing (the
// job is then freed).
bool QueueRecordWorker(CWorkQueue& queue, unsigned(__stdcall* proc)(void*), const CMonitorRecord& record,
                       const SYSTEMTIME& resultTime);

// The lane of the programs that executed files start, which can come in bursts: a few
// at a time (the platform starts processes faster side by side).
CWorkQueue& ExecFileQueue();

// The execute-file parameters of the record at `now`; values inserted into the
// parameters of a batch program are made inert for the command interpreter.
std::wstring ExecFileParameters(const CMonitorRecord& record, const SYSTEMTIME& now);
