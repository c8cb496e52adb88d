#pragma once
// The tie between a monitor record and its monitoring thread. Both hold a reference;
// the link lives until both are done with it, so a thread can always read its index,
// stop flag and owner window, even after its record was destroyed, and the record can
// always ask whether the thread's own copy still exists.
#include <atomic>
#include <mutex>
#include <windows.h>

class CMonitorRecord;
struct CheckReport;

constexpr UINT kIndexTornDown = 65535;

class CRecordLink {
public:
    CRecordLink(UINT index, HWND owner) : m_nIndex(index), m_hOwner(owner) {}

    CRecordLink(const CRecordLink&) = delete;
    CRecordLink& operator=(const CRecordLink&) = delete;

    void AddRef() { m_refs.fetch_add(1); }
    void Release() {
        if (m_refs.fetch_sub(1) == 1) delete this;
    }

    std::atomic<UINT> m_nIndex;     // the record's position index; 65535 when torn down
    std::atomic<HWND> m_hOwner;     // the window results go to; none once let go
    std::atomic<bool> m_bStop{false};
    // The report the thread is handing over right now: the window finds the report's
    // record by it, wherever the record stands by then, without reading the report first.
    std::atomic<const CheckReport*> m_pReportInFlight{nullptr};

    // The running thread's own record copy: set before the thread runs, cleared by the
    // thread as it ends. f runs on the copy under the lock, so the copy cannot go away
    // meanwhile; false when the thread has ended.
    template <class F>
    bool WithRunningCopy(F&& f) {
        std::lock_guard<std::mutex> lock(m_copyLock);
        if (!m_pRunningCopy) return false;
        f(*m_pRunningCopy);
        return true;
    }
    void SetRunningCopy(CMonitorRecord* copy) {
        std::lock_guard<std::mutex> lock(m_copyLock);
        m_pRunningCopy = copy;
    }

private:
    ~CRecordLink() = default;
    std::mutex m_copyLock;
    CMonitorRecord* m_pRunningCopy = nullptr;
    std::atomic<long> m_refs{1};
};

// What UM_CHECK_RESULT points to: the result first (so the message carries a
// CheckResult as documented), then the link it was reported through.
#include "model/MonitorTypes.h"
struct CheckReport {
    CheckResult result;
    const CRecordLink* link = nullptr;
};
