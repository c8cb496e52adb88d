#pragma once
// The workers a due notification starts or queues. Each receives its own job: a copy
// of the monitoring thread's record (taken when it is started or queued) and the time
// of the result, owns it and frees it.
#include <string>
#include <windows.h>

#include "model/MonitorRecord.h"

class CWorkQueue;

// What a worker is given: the record with its result, and when the result came. A
// worker writes that time, never the time it got to the job.
struct NotificationJob {
    CMonitorRecord record;
    SYSTEMTIME resultTime = {};
};

// Shows the message-box notification of the job and waits until it is closed.
unsigned __stdcall MsgBoxThreadProc(void* job);
// Runs the execute-file notification's program with its expanded parameters.
unsigned __stdcall ExecFileThreadProc(void* job);

// Starts `proc` on a job of `record` (its status included) at `resultTime`. False
// when no thread could be created (the job is then freed).
bool StartRecordWorker(unsigned(__stdcall* proc)(void*), const CMonitorRecord& record,
                       const SYSTEMTIME& resultTime);

// Queues `proc` on such a job in `queue`. False when the queue can run nothing (the
// job is then freed).
bool QueueRecordWorker(CWorkQueue& queue, unsigned(__stdcall* proc)(void*), const CMonitorRecord& record,
                       const SYSTEMTIME& resultTime);

// The lanes of the notifications that can come in bursts. Log lines: one writer, so
// the lines of a monitor are appended in the order of its results. Executed files: a
// few at a time (the platform starts processes faster side by side).
CWorkQueue& LogLineQueue();
CWorkQueue& ExecFileQueue();

// The execute-file parameters of the record at `now`; values inserted into the
// parameters of a batch program are made inert for the command interpreter.
std::wstring ExecFileParameters(const CMonitorRecord& record, const SYSTEMTIME& now);
