#include "engine/NotificationWorkers.h"

#include <memory>
#include <objbase.h>
#include <shellapi.h>

#include "engine/MessageBoxText.h"
#include "engine/Placeholders.h"
#include "engine/WorkQueue.h"
#include "framework/ComPtr.h"
#include "framework/StringUtil.h"
#include "framework/Thread.h"
#include "framework/TimeText.h"
#include "model/MonitorRecord.h"

namespace {
// The message box of a notification stays above every window until it is closed.
constexpr UINT kNotificationBoxFlags = MB_OK | MB_ICONINFORMATION | MB_SYSTEMMODAL | MB_TOPMOST;
}  // namespace

unsigned __stdcall MsgBoxThreadProc(void* param) {
    std::unique_ptr<NotificationJob> job(static_cast<NotificationJob*>(param));
    if (!job) return 0;
    const std::wstring text = MessageBoxText(job->record, job->resultTime);
    MessageBoxW(GetDesktopWindow(), text.c_str(), kNotificationCaption, kNotificationBoxFlags);
    return 0;
}

std::wstring ExecFileParameters(const CMonitorRecord& record, const SYSTEMTIME& now) {
    return ExpandPlaceholders(record.ExecFileParam, PlaceholderUse::ExecFile, SubjectOf(record), now,
                              RunsInCommandInterpreter(record.ExecFilePath));
}

unsigned __stdcall ExecFileThreadProc(void* param) {
    std::unique_ptr<NotificationJob> job(static_cast<NotificationJob*>(param));
    if (!job) return 0;
    const CMonitorRecord* record = &job->record;
    const std::wstring parameters = ExecFileParameters(*record, job->resultTime);
    // The shell may hand the file to COM-based handlers.
    fw::CComInit com(COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    ShellExecuteW(GetDesktopWindow(), L"open", record->ExecFilePath.c_str(), parameters.c_str(), nullptr,
                  SW_SHOWNORMAL);
    return 0;
}

namespace {
// A message box's thread only waits in the box: the address space of a 32-bit process is
// better kept for the heap.
constexpr UINT kBoxWorkerStack = 256 * 1024;
constexpr size_t kOpenBoxesPerMonitor = 4;
constexpr size_t kOpenBoxesInProcess = 16;

std::unique_ptr<NotificationJob> WorkerJob(const CMonitorRecord& record, const SYSTEMTIME& resultTime, CRoom room) {
    auto job = std::make_unique<NotificationJob>();
    job->record = record;
    job->record.m_nStatus = record.m_nStatus;  // the record's copy rule leaves the status out
    job->resultTime = resultTime;
    job->room = std::move(room);  // given back when the worker frees the job
    return job;
}
}  // namespace

// The rooms and the lane are never destroyed: their workers may still run while the
// process ends.
CNotificationRoom& OpenBoxRoom() {
    static CNotificationRoom* room = new CNotificationRoom(kOpenBoxesPerMonitor, kOpenBoxesInProcess);
    return *room;
}

CNotificationRoom& ProgramRunRoom() {
    static CNotificationRoom* room = new CNotificationRoom(kProgramRunsPerMonitor, kProgramRunsInProcess);
    return *room;
}

CWorkQueue& ExecFileQueue() {
    static CWorkQueue* queue = new CWorkQueue(kExecFileWorkers);
    return *queue;
}

bool StartMessageBox(UINT64 monitor, const CMonitorRecord& record, const SYSTEMTIME& resultTime,
                     CNotificationRoom& boxes) {
    CRoom room(monitor, boxes);
    if (!room) return false;
    std::unique_ptr<NotificationJob> job = WorkerJob(record, resultTime, std::move(room));
    if (!fw::BeginDetachedThread(MsgBoxThreadProc, job.get(), kBoxWorkerStack)) return false;
    job.release();  // the worker's now
    return true;
}

ProgramQueued QueueProgramRun(UINT64 monitor, const CMonitorRecord& record, const SYSTEMTIME& resultTime,
                              CNotificationRoom& room, CWorkQueue& queue, unsigned(__stdcall* proc)(void*)) {
    CRoom held(monitor, room);
    if (!held) return held.Answer() == RoomAnswer::MonitorFull ? ProgramQueued::MonitorFull : ProgramQueued::ProcessFull;
    std::unique_ptr<NotificationJob> job = WorkerJob(record, resultTime, std::move(held));
    NotificationJob* raw = job.get();
    if (!queue.Post([proc, raw] { proc(raw); }))
        return queue.IsClosed() ? ProgramQueued::Ending : ProgramQueued::NoWorker;
    job.release();  // the queued job's now
    return ProgramQueued::Queued;
}

void FinishProgramRuns() {
    // A start takes well under a second; one that hangs (a server gone) is left to the end.
    constexpr DWORD kFinishStartsMs = 5000;
    ExecFileQueue().CloseAndWait(kFinishStartsMs);
}

std::wstring ProgramNotRunText(ProgramQueued why, const CNotificationRoom& room) {
    switch (why) {
    case ProgramQueued::MonitorFull:
        return fw::Format(L"Program not run: %u programs of this monitor are still waiting or starting",
                          static_cast<unsigned>(room.MaxPerMonitor()));
    case ProgramQueued::ProcessFull:
        return fw::Format(L"Program not run: %u programs are still waiting or starting",
                          static_cast<unsigned>(room.MaxInProcess()));
    case ProgramQueued::NoWorker: return L"Program not run: no thread could be started for it";
    default: return std::wstring();
    }
}
