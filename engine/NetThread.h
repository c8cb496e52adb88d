#pragma once
// The monitoring thread of one enabled monitor: check, report, notify, wait.
#include <string>
#include <windows.h>

#include "engine/NetCheck.h"
#include "engine/TestNames.h"
#include "framework/ComPtr.h"
#include "framework/Thread.h"
#include "model/MonitorRecord.h"
#include "model/RecordLink.h"

class CNetThread : public fw::CWinThread {
public:
    CNetThread();
    // Lets the record know its running copy is gone before the copy is destroyed.
    ~CNetThread() override;

    // Called on the UI thread before the thread runs: takes the copy of the owner
    // record, the values read once at start, and a reference of the link.
    void Prepare(const CMonitorRecord& owner, CRecordLink* link);

    void InitInstance() override;
    // A monitoring thread only ever ends by a stop test or a failed handshake: exit code 1.
    int ExitInstance() override { return 1; }

    bool StopRequested() const;

    CMonitorRecord m_Record;
    int m_nPrevStatus = 0;
    DWORD m_dwPrevError = 0;
    DWORD m_dwPrevIpStatus = 0;
    UINT m_nPort = 0;
    CNetCheck m_Check;
    SYSTEMTIME m_resultTime = {};  // when the current result came: its notifications carry it

    // Values read once from the owner record when the thread is prepared.
    std::string m_strAddress;   // 8-bit text of the address, at most 250 characters
    UINT m_nMethod = 0;
    UINT m_nIpVersion = 0;
    std::wstring m_strPhrase;
    UINT m_nInterval = 0;
    std::wstring m_strName;

protected:
    // Runs one check (or a test name) and returns the status; the triple is left in m_Check.
    virtual int RunCheck();
    // Decides and starts the notifications and the log line of this result.
    virtual void DispatchNotifications();

private:
    // True when the thread must end now.
    bool StopTest();
    void Report(int status);

    fw::CComPtr<CRecordLink> m_pLink;
    CCrtRand m_rand;
};
