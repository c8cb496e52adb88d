#include "model/MonitorRecord.h"

#include <atomic>

#include "framework/StringUtil.h"
#include "model/IconFile.h"

UINT64 NewCallBudget() {
    static std::atomic<UINT64> next{1};
    return next++;
}

CMonitorRecord::CMonitorRecord(HWND owner, UINT index) : m_nIndex(index), m_hOwner(owner) {}

CMonitorRecord::CMonitorRecord() = default;

// The icons free themselves, the Down icon first.
CMonitorRecord::~CMonitorRecord() { ReleaseThreadTie(true); }

CMonitorRecord& CMonitorRecord::operator=(const CMonitorRecord& s) {
    if (this == &s) return *this;
    Settings() = s.Settings();
    m_nIndex = s.m_nIndex;
    m_hOwner = s.m_hOwner;
    m_strStatusCaption = s.m_strStatusCaption;
    m_dwTimeMs = s.m_dwTimeMs;
    m_dwError = s.m_dwError;
    m_dwIpStatus = s.m_dwIpStatus;
    m_nMsgBoxCount = s.m_nMsgBoxCount;
    m_nSoundCount = s.m_nSoundCount;
    m_nExecCount = s.m_nExecCount;
    m_strUrlHost = s.m_strUrlHost;
    m_nUrlPort = s.m_nUrlPort;
    return *this;
}

void CMonitorRecord::DuplicateFrom(const CMonitorRecord& s) {
    Settings() = s.Settings();
    m_strPicPathUp = s.m_strPicPathUp;
    m_strPicPathDown = s.m_strPicPathDown;
    m_bmUp = s.m_bmUp;
    m_bmDown = s.m_bmDown;
    m_strUrlHost = s.m_strUrlHost;
    m_nUrlPort = s.m_nUrlPort;
}

UINT64 CMonitorRecord::CallBudget() {
    const std::wstring target = fw::Format(L"%u|%u|%u|", CheckMethod, IPv, Port) + IPorURLAddress;
    if (target != m_strCallBudgetTarget) {
        // Stuck calls of the old target say nothing about the new one: a fresh budget.
        if (!m_strCallBudgetTarget.empty()) m_nCallBudget = NewCallBudget();
        m_strCallBudgetTarget = target;
    }
    return m_nCallBudget;
}

void CMonitorRecord::ReleaseThreadTie(bool tornDown) {
    if (m_pLink) {
        m_pLink->m_bStop = true;
        if (tornDown) {
            m_pLink->m_nIndex = kIndexTornDown;
            m_nIndex = kIndexTornDown;
        }
        m_pLink.Reset();
    }
    m_hThread.Reset();
}

void CMonitorRecord::StopThread() { ReleaseThreadTie(false); }

void CMonitorRecord::KillThread() {
    // The thread keeps running until its next stop test, but from now on it reports
    // to nobody: its link has no owner and the torn-down index.
    if (m_pLink) {
        m_pLink->m_hOwner = nullptr;
        m_pLink->m_nIndex = kIndexTornDown;
    }
    ReleaseThreadTie(false);
}

void CMonitorRecord::SetIndex(UINT index) {
    m_nIndex = index;
    if (m_pLink) m_pLink->m_nIndex = index;
}

void CMonitorRecord::SuspendThread() {
    if (m_hThread.Valid()) ::SuspendThread(m_hThread);
}

void CMonitorRecord::ResumeThread() {
    if (m_hThread.Valid()) ::ResumeThread(m_hThread);
}

namespace {
void MeasureIcon(HICON icon, BITMAP& bm) {
    bm.bmWidth = 0;
    bm.bmHeight = 0;
    if (icon) DescribeIconBitmap(icon, bm);
}
}  // namespace

void CMonitorRecord::MeasureUpIcon() { MeasureIcon(m_hIconUp, m_bmUp); }
void CMonitorRecord::MeasureDownIcon() { MeasureIcon(m_hIconDown, m_bmDown); }
