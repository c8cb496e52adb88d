#pragma once
// The workers a due notification starts or queues. Each receives its own copy of the
// monitoring thread's record (taken when it is started or queued), owns it and frees it.
#include <string>
#include <windows.h>

class CMonitorRecord;
class CWorkQueue;

// Shows the message-box notification of the record and waits until it is closed.
unsigned __stdcall MsgBoxThreadProc(void* record);
// Runs the execute-file notification's program with its expanded parameters.
unsigned __stdcall ExecFileThreadProc(void* record);

// Starts `proc` on a copy of `record` (its status included). False when no thread
// could be created (the copy is then freed).
bool StartRecordWorker(unsigned(__stdcall* proc)(void*), const CMonitorRecord& record);

// Queues `proc` on a copy of `record` (its status included) in `queue`. False when the
// queue can run nothing (the copy is then freed).
bool QueueRecordWorker(CWorkQueue& queue, unsigned(__stdcall* proc)(void*), const CMonitorRecord& record);

// The lanes of the notifications that can come in bursts. Log lines: one writer, so
// the lines of a monitor are appended in the order of its results. Executed files: a
// few at a time (the platform starts processes faster side by side).
CWorkQueue& LogLineQueue();
CWorkQueue& ExecFileQueue();

// The execute-file parameters of the record at `now`; values inserted into the
// parameters of a batch program are made inert for the command interpreter.
std::wstring ExecFileParameters(const CMonitorRecord& record, const SYSTEMTIME& now);
