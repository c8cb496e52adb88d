#include "model/MonitorRecord.h"

#include "engine/NetThread.h"
#include "model/RecordLink.h"

CMonitorRecord::CMonitorRecord(HWND owner, UINT index) : m_nIndex(index), m_hOwner(owner) {}

CMonitorRecord::CMonitorRecord() = default;

CMonitorRecord::~CMonitorRecord() {
    ReleaseThreadTie(true);
    if (m_hIconDown) DestroyIcon(m_hIconDown);
    if (m_hIconUp) DestroyIcon(m_hIconUp);
}

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

void CMonitorRecord::StartThread() {
    // A thread still tied to the record would be left running with no way to stop it.
    StopThread();
    auto* thread = new CNetThread();
    auto* link = new CRecordLink(m_nIndex, m_hOwner);
    // The thread's copy and its start values are taken here, on the UI thread, before
    // the thread runs, so it never reads this record while the UI thread changes it.
    thread->Prepare(*this, link);
    if (!thread->CreateThread(CREATE_SUSPENDED)) {
        delete thread;  // releases its reference of the link
        link->Release();
        m_pThread = nullptr;
        return;
    }
    thread->m_bAutoDelete = true;
    HANDLE own = nullptr;
    DuplicateHandle(GetCurrentProcess(), thread->m_hThread, GetCurrentProcess(), &own, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    m_pLink = link;
    m_hThreadHandle = own;
    m_pThread = thread;
    // From ResumeThread on the thread object belongs to its own thread.
    thread->ResumeThread();
}

void CMonitorRecord::ReleaseThreadTie(bool tornDown) {
    if (m_pLink) {
        m_pLink->m_bStop = true;
        if (tornDown) {
            m_pLink->m_nIndex = kIndexTornDown;
            m_nIndex = kIndexTornDown;
        }
        m_pLink->Release();
        m_pLink = nullptr;
    }
    if (m_hThreadHandle) {
        CloseHandle(m_hThreadHandle);
        m_hThreadHandle = nullptr;
    }
    m_pThread = nullptr;
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
    if (m_hThreadHandle) ::SuspendThread(m_hThreadHandle);
}

void CMonitorRecord::ResumeThread() {
    if (m_hThreadHandle) ::ResumeThread(m_hThreadHandle);
}

namespace {
void MeasureIcon(HICON icon, BITMAP& bm) {
    bm.bmWidth = 0;
    bm.bmHeight = 0;
    if (!icon) return;
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info)) return;
    HBITMAP source = info.hbmColor ? info.hbmColor : info.hbmMask;
    if (source) GetObjectW(source, sizeof(BITMAP), &bm);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
}
}  // namespace

void CMonitorRecord::MeasureUpIcon() { MeasureIcon(m_hIconUp, m_bmUp); }
void CMonitorRecord::MeasureDownIcon() { MeasureIcon(m_hIconDown, m_bmDown); }
