// Starting a record's monitoring thread: the one place where a record meets the engine.
#include <memory>

#include "engine/NetThread.h"
#include "model/MonitorRecord.h"

void CMonitorRecord::StartThread() {
    // A thread still tied to the record would be left running with no way to stop it.
    StopThread();
    auto thread = std::make_unique<CNetThread>();
    fw::CComPtr<CRecordLink> link;
    link.Attach(new CRecordLink(m_nIndex, m_hOwner));
    // The thread's copy and its start values are taken here, on the UI thread, before
    // the thread runs, so it never reads this record while the UI thread changes it.
    thread->Prepare(*this, link.Get());
    thread->m_Check.SetCallBudget(CallBudget());
    if (!thread->CreateThread(CREATE_SUSPENDED)) return;  // the object goes, with its reference of the link
    thread->m_bAutoDelete = true;
    m_hThread = fw::DuplicateOwnHandle(thread->m_hThread);
    m_pLink = std::move(link);
    // From ResumeThread on the thread object belongs to its own thread.
    thread.release()->ResumeThread();
}
