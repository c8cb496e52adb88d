#pragma once
// One monitor: its persisted settings, what its box needs for drawing, the last check
// result, the repeat counters of its notifications, and the tie to its thread.
#include <atomic>
#include <string>
#include <windows.h>

#include "model/MonitorTypes.h"

class CNetThread;
class CRecordLink;

// A switch that the UI thread may clear while a monitoring thread reads it.
class AtomicU32 {
public:
    AtomicU32(uint32_t v = 0) : m_v(v) {}
    AtomicU32(const AtomicU32& other) : m_v(other.m_v.load()) {}
    AtomicU32& operator=(const AtomicU32& other) {
        m_v.store(other.m_v.load());
        return *this;
    }
    AtomicU32& operator=(uint32_t v) {
        m_v.store(v);
        return *this;
    }
    operator uint32_t() const { return m_v.load(); }

private:
    std::atomic<uint32_t> m_v;
};

class CMonitorRecord {
public:
    CMonitorRecord(HWND owner, UINT index);
    CMonitorRecord();
    ~CMonitorRecord();

    CMonitorRecord(const CMonitorRecord&) = delete;
    // The copy rule: everything but the thread, the status, the pictures and the
    // four colours.
    CMonitorRecord& operator=(const CMonitorRecord& source);

    void StartThread();
    void StopThread();
    void KillThread();

    // Changes the position index; a running thread sees the new index at its next report.
    void SetIndex(UINT index);
    // Holds the running thread still (or lets it go on) while indexes change.
    void SuspendThread();
    void ResumeThread();

    // The link of the running thread, or none.
    const CRecordLink* Link() const { return m_pLink; }

    void MeasureUpIcon();
    void MeasureDownIcon();

    UINT m_nIndex = 0;
    HWND m_hOwner = nullptr;
    CNetThread* m_pThread = nullptr;
    int m_nStatus = 0;
    std::wstring Name;
    std::wstring m_strStatusCaption;
    int PicTypeUp = 0;
    int PicTypeDown = 0;
    std::wstring m_strPicPathUp;
    std::wstring m_strPicPathDown;
    std::wstring PicFileUp;
    std::wstring PicFileDown;
    HICON m_hIconUp = nullptr;
    BITMAP m_bmUp = {};
    HICON m_hIconDown = nullptr;
    BITMAP m_bmDown = {};
    COLORREF BoxColorUp = 0;
    COLORREF BoxColorDown = 0;
    COLORREF TextColorUp = 0;
    COLORREF TextColorDown = 0;
    std::wstring IPorURLAddress;
    UINT IPv = 0;
    UINT CheckMethod = 0;
    UINT Port = 0;
    AtomicU32 Sound = 0;      // 8-bit mask; cleared by the UI thread in running copies
    UINT Logging = 0;
    AtomicU32 MsgBox = 0;
    UINT Disabled = 0;
    std::wstring CustSoundPathUp, CustSoundPathDown, CustSoundPathOpen, CustSoundPathClose,
        CustSoundTcpPathDown, CustSoundPathSnF;
    UINT CustomSoundCheck = 0;
    std::wstring TextSpeechStringUp, TextSpeechStringDown, TextSpeechStringOpen, TextSpeechStringClose,
        TextSpeechStringTDown, TextSpeechStringSnF;
    UINT TextSpeechCheck = 0;
    DWORD m_dwTimeMs = kNoTime;
    DWORD m_dwError = 0;
    DWORD m_dwIpStatus = 0;
    std::wstring ExecFilePath;
    std::wstring ExecFileParam;
    UINT ExecFileStatusCheck = 0;
    AtomicU32 ExecFileCheck = 0;
    UINT nMSGB = 0;
    UINT m_nMsgBoxCount = 0;
    UINT nPS = 0;
    UINT m_nSoundCount = 0;
    UINT nEF = 0;
    UINT m_nExecCount = 0;
    std::wstring MsgBoxDesc;
    std::wstring Phrase;
    UINT CheckInterval = 0;
    std::wstring NetUserName;
    std::wstring m_strUrlHost;
    UINT m_nUrlPort = 0;

private:
    void ReleaseThreadTie(bool tornDown);

    CRecordLink* m_pLink = nullptr;      // shared with the running thread
    HANDLE m_hThreadHandle = nullptr;    // our own handle of the running thread
};
