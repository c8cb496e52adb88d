#pragma once
// One monitor: its persisted settings (MonitorSettings, the keys of its "Box %d" section),
// what its box needs for drawing, the last check result, the repeat counters of its
// notifications, and the tie to its thread.
#include <atomic>
#include <string>
#include <windows.h>

#include "framework/ComPtr.h"
#include "framework/Handle.h"
#include "model/MonitorSettings.h"
#include "model/MonitorTypes.h"
#include "model/RecordLink.h"

// A budget of stuck calls no monitor had before (see CMonitorRecord::CallBudget).
UINT64 NewCallBudget();

class CMonitorRecord : public MonitorSettings {
public:
    CMonitorRecord(HWND owner, UINT index);
    CMonitorRecord();
    ~CMonitorRecord();

    CMonitorRecord(const CMonitorRecord&) = delete;
    // A monitoring thread's copy: the settings, the index and owner, the status caption,
    // the last result, the repeat counters and the URL host and port. The thread tie,
    // the status and the loaded pictures stay this record's own.
    CMonitorRecord& operator=(const CMonitorRecord& source);

    // The box menu's Duplicate: every setting, the picture paths and sizes and the URL
    // host and port; status, caption, pictures, result and counters stay a new record's.
    void DuplicateFrom(const CMonitorRecord& source);

    // Whose blocking calls left stuck (engine/StuckCalls.h) this monitor's checks count
    // among: the monitor with its check target as it is now. A new record, and one whose
    // method, IP version, address or port changed since it was last asked, gets a budget
    // no monitor had before, so it starts with none stuck; restarts keep theirs.
    UINT64 CallBudget();

    // Starts the monitoring thread (defined with the engine, engine/RecordThread.cpp): 0,
    // or the system's error code when no thread could be created (the record has none).
    DWORD StartThread();
    void StopThread();
    // Kills nothing: the thread is left to end at its next stop test, reporting to nobody.
    void KillThread();

    // A thread is tied to the record: started and not stopped (it may have ended by itself).
    bool HasThread() const { return static_cast<bool>(m_pLink); }
    // Runs f(CMonitorRecord&) on the running thread's own copy (the tray's notification
    // switches reach running threads this way); false when no thread runs, also when it
    // has ended by itself. Never keep the reference beyond f.
    template <class F>
    bool WithRunningCopy(F&& f) {
        return m_pLink && m_pLink->WithRunningCopy(std::forward<F>(f));
    }

    // Changes the position index; a running thread sees the new index at its next report.
    void SetIndex(UINT index);
    // Holds the running thread still (or lets it go on) while indexes change.
    void SuspendThread();
    void ResumeThread();

    // The link of the running thread, or none.
    const CRecordLink* Link() const { return m_pLink.Get(); }

    void MeasureUpIcon();
    void MeasureDownIcon();

    UINT m_nIndex = 0;
    HWND m_hOwner = nullptr;
    int m_nStatus = 0;
    std::wstring m_strStatusCaption;
    std::wstring m_strPicPathUp;
    std::wstring m_strPicPathDown;
    fw::CIcon m_hIconUp;  // owned; a copy never holds pictures
    BITMAP m_bmUp = {};
    fw::CIcon m_hIconDown;
    BITMAP m_bmDown = {};
    DWORD m_dwTimeMs = kNoTime;
    DWORD m_dwError = 0;
    DWORD m_dwIpStatus = 0;
    UINT m_nMsgBoxCount = 0;
    UINT m_nSoundCount = 0;
    UINT m_nExecCount = 0;
    std::wstring m_strUrlHost;
    UINT m_nUrlPort = 0;
    // Its thread could not be created: it is tried again at this tick (GetTickCount) by
    // CMonitorSlots::RetryFailedStarts. Never copied.
    bool m_bStartFailed = false;
    DWORD m_dwStartRetryAt = 0;

private:
    void ReleaseThreadTie(bool tornDown);

    fw::CComPtr<CRecordLink> m_pLink;  // shared with the running thread
    fw::CHandle m_hThread;             // our own handle of the running thread
    UINT64 m_nCallBudget = NewCallBudget();  // never copied: each record has its own
    std::wstring m_strCallBudgetTarget;     // the check target the budget was given for
};
