#pragma once
// The workers a due notification starts or queues. Each receives its own job: a copy
// of the monitoring thread's record (taken when it is started or queued) and the time
// of the result, owns it and frees it.
#include <string>
#include <windows.h>

#include "engine/NotificationRoom.h"
#include "model/MainSettings.h"
#include "model/MonitorRecord.h"

class CWorkQueue;

// What a worker is given: the record with its result, and when the result came. A
// worker writes that time, never the time it got to the job.
struct NotificationJob {
    CMonitorRecord record;
    SYSTEMTIME resultTime = {};
    CRoom room;  // its room among the open boxes or the programs, given back with the job
};

// Shows the message-box notification of the job and waits until it is closed.
unsigned __stdcall MsgBoxThreadProc(void* job);
// Runs the execute-file notification's program with its expanded parameters.
unsigned __stdcall ExecFileThreadProc(void* job);

// Open message boxes, each keeping a thread until it is clicked: four per monitor, sixteen
// in the process.
CNotificationRoom& OpenBoxRoom();

// Shows the message-box notification of `record` on a worker of its own when `monitor`
// and the process have room for another open box; false when not (nothing is shown) or
// when no thread could be created.
bool StartMessageBox(UINT64 monitor, const CMonitorRecord& record, const SYSTEMTIME& resultTime,
                     CNotificationRoom& boxes = OpenBoxRoom());

// The lane of the programs that executed files start, which can come in bursts: a few
// at a time (the platform starts processes faster side by side).
constexpr unsigned kExecFileWorkers = 4;
CWorkQueue& ExecFileQueue();

// Programs queued or starting. A monitor may hold all but one of the lane's workers, so
// that whatever one monitor's starts do (a start can hang for minutes), another monitor's
// program has a worker to start on. A monitor's programs come one a check at most, a
// second apart or more, and the lane starts one in well under a second: a monitor has a
// fourth waiting only when its starts hang or the lane is seconds behind. The process has
// room for every monitor's share, so that all monitors changing at once (the network
// gone) lose nothing; what it bounds beyond that is the room of budgets that monitors
// left behind (edited targets) while their starts hang.
constexpr size_t kProgramRunsPerMonitor = kExecFileWorkers - 1;
constexpr size_t kProgramRunsInProcess = kProgramRunsPerMonitor * kMaxMonitors;
CNotificationRoom& ProgramRunRoom();

enum class ProgramQueued { Queued, MonitorFull, ProcessFull, NoWorker, Ending };

// Queues the execute-file program of `record` (run by `proc`) when `monitor` and the
// process have room for it; the room is held until the start returns. Otherwise the
// program is not run, and the answer says why (Ending: the program is ending, and starts
// no more programs).
ProgramQueued QueueProgramRun(UINT64 monitor, const CMonitorRecord& record, const SYSTEMTIME& resultTime,
                              CNotificationRoom& room = ProgramRunRoom(), CWorkQueue& queue = ExecFileQueue(),
                              unsigned(__stdcall* proc)(void*) = ExecFileThreadProc);

// At the program's end: no program is queued any more, and those queued or starting get
// a few seconds to start; a start cut off by the end of the process leaves the started
// program suspended for good.
void FinishProgramRuns();

// Why a program was not run, as its log line says it.
std::wstring ProgramNotRunText(ProgramQueued why, const CNotificationRoom& room = ProgramRunRoom());

// The execute-file parameters of the record at `now`; values inserted into the
// parameters of a batch program are made inert for the command interpreter.
std::wstring ExecFileParameters(const CMonitorRecord& record, const SYSTEMTIME& now);
