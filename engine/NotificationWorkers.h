#pragma once
// The short-lived workers a due notification starts. Each receives its own copy of the
// monitoring thread's record (taken when it is started), owns it and frees it.
#include <string>
#include <windows.h>

class CMonitorRecord;

// Shows the message-box notification of the record and waits until it is closed.
unsigned __stdcall MsgBoxThreadProc(void* record);
// Runs the execute-file notification's program with its expanded parameters.
unsigned __stdcall ExecFileThreadProc(void* record);

// Starts `proc` on a copy of `record` (its status included). False when no thread
// could be created (the copy is then freed).
bool StartRecordWorker(unsigned(__stdcall* proc)(void*), const CMonitorRecord& record);

// The execute-file parameters of the record at `now`; values inserted into the
// parameters of a batch program are made inert for the command interpreter.
std::wstring ExecFileParameters(const CMonitorRecord& record, const SYSTEMTIME& now);
