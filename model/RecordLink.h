#pragma once
// The tie between a monitor record and its monitoring thread. Both hold a reference;
// the link lives until both are done with it, so a thread can always read its index,
// stop flag and owner window, even after its record was destroyed.
#include <atomic>
#include <windows.h>

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

private:
    ~CRecordLink() = default;
    std::atomic<long> m_refs{1};
};

// What UM_CHECK_RESULT points to: the result first (so the message carries a
// CheckResult as documented), then the link it was reported through.
#include "model/MonitorTypes.h"
struct CheckReport {
    CheckResult result;
    const CRecordLink* link = nullptr;
};
