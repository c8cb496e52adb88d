// Starting a record's monitoring thread: the one place where a record meets the engine.
#include "engine/RecordThread.h"

#include <memory>

#include "engine/NetThread.h"
#include "model/MonitorRecord.h"

namespace {
bool CreateSuspended(fw::CWinThread& thread) { return thread.CreateThread(CREATE_SUSPENDED); }

MonitorThreadCreator g_createThread = &CreateSuspended;  // used on the UI thread only
}  // namespace

MonitorThreadCreator SetMonitorThreadCreator(MonitorThreadCreator creator) {
    const MonitorThreadCreator replaced = g_createThread;
    g_createThread = creator ? creator : &CreateSuspended;
    return replaced;
}

DWORD CMonitorRecord::StartThread() {
    // A thread still tied to the record would be left running with no way to stop it.
    StopThread();
    auto thread = std::make_unique<CNetThread>();
    fw::CComPtr<CRecordLink> link;
    link.Attach(new CRecordLink(m_nIndex, m_hOwner));
    // The thread's copy and its start values are taken here, on the UI thread, before
    // the thread runs, so it never reads this record while the UI thread changes it.
    thread->Prepare(*this, link.Get());
    thread->m_Check.SetCallBudget(CallBudget());
    if (!g_createThread(*thread)) {
        // Read before the object and its reference of the link go. The runtime fails
        // without a system error only when its own small allocation fails.
        const DWORD error = GetLastError();
        return error != 0 ? error : ERROR_NOT_ENOUGH_MEMORY;
    }
    thread->m_bAutoDelete = true;
    m_hThread = fw::DuplicateOwnHandle(thread->m_hThread);
    m_pLink = std::move(link);
    // From ResumeThread on the thread object belongs to its own thread.
    thread.release()->ResumeThread();
    return 0;
}
