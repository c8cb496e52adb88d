// The window's side of a report: which reports it takes, what a record then shows, and
// that a report it drops is never read.
#include <gtest/gtest.h>

#include <memory>

#include "app/MainDlg.h"
#include "framework/ComPtr.h"
#include "model/RecordLink.h"
#include "support/ScopedAppData.h"

namespace {
constexpr int kUntouched = 42;  // a status no report gives

class OnCheckResultTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dlg.reset(new CMainDlg(nullptr, 0));
        m_dlg->Records().ClearAll();
        // Two records with thread ties of their own (their threads find no window and
        // end at once, but the links stay); slot 2 is empty.
        for (int i = 0; i < 2; ++i) {
            m_dlg->Records().Put(i, std::make_unique<CMonitorRecord>(nullptr, static_cast<UINT>(i)));
            m_dlg->Records()[i]->Name = L"*Up*";
            m_dlg->Records()[i]->StartThread();
            Untouch(i);
        }
        m_dlg->Records().SetCount(3);
    }

    CMonitorRecord& Record(int i) { return *m_dlg->Records()[i]; }
    void Untouch(int i) {
        Record(i).m_nStatus = kUntouched;
        Record(i).m_dwTimeMs = Record(i).m_dwError = Record(i).m_dwIpStatus = 1;
    }
    bool Untouched(int i) {
        return Record(i).m_nStatus == kUntouched && Record(i).m_dwTimeMs == 1 && Record(i).m_dwError == 1 &&
               Record(i).m_dwIpStatus == 1;
    }
    CRecordLink* LinkOf(int i) { return const_cast<CRecordLink*>(Record(i).Link()); }
    // A report as a thread hands it over: its link names it while the window handles it.
    LRESULT SendFrom(CRecordLink* sender, UINT index, int status) {
        CheckReport report = {{12, 34, 56}, sender};
        if (sender) sender->m_pReportInFlight = &report;
        const LRESULT result = Deliver(index, status, &report);
        if (sender) sender->m_pReportInFlight = nullptr;
        return result;
    }
    // UM_CHECK_RESULT's parameters as a thread sends them.
    LRESULT Deliver(UINT index, int status, const void* report) {
        const WPARAM indexAndStatus = MAKEWPARAM(index, status);
        return m_dlg->OnCheckResult(indexAndStatus, reinterpret_cast<LPARAM>(report));
    }

    CTempAppData m_appData;  // the window reads and writes its files under APPDATA
    std::unique_ptr<CMainDlg> m_dlg;
};
}  // namespace

TEST_F(OnCheckResultTest, AReportGoesToTheRecordWhoseThreadSendsIt) {
    // Each row: the index the thread sent, whose link hands the report over (-1: none,
    // 9: a thread no record holds) and the slot that takes it (-1: dropped).
    fw::CComPtr<CRecordLink> strange;
    strange.Attach(new CRecordLink(0, nullptr));
    struct Case {
        const char* name;
        UINT index;
        int sender;
        int taker;
    };
    const Case cases[] = {
        {"at its own index", 1, 1, 1},
        {"moved: at the other's index", 1, 0, 0},
        {"moved: at an index past the count", 40, 0, 0},
        {"moved: at the index of the count", 3, 1, 1},
        {"moved: at an empty slot", 2, 0, 0},
        {"torn-down index", 0xFFFF, 0, -1},
        {"a thread no record holds", 0, 9, -1},
        {"handed over by nobody", 0, -1, -1},
    };
    for (const Case& c : cases) {
        Untouch(0);
        Untouch(1);
        CRecordLink* sender = c.sender == 9 ? strange.Get() : c.sender >= 0 ? LinkOf(c.sender) : nullptr;
        EXPECT_EQ(SendFrom(sender, c.index, MON_DOWN), 0) << c.name;
        for (int i = 0; i < 2; ++i) {
            if (i == c.taker) {
                EXPECT_EQ(Record(i).m_nStatus, MON_DOWN) << c.name;
                EXPECT_EQ(Record(i).m_dwTimeMs + Record(i).m_dwError + Record(i).m_dwIpStatus, 12u + 34 + 56)
                    << c.name;
            } else {
                EXPECT_TRUE(Untouched(i)) << c.name << ", record " << i;
            }
        }
    }
}

TEST_F(OnCheckResultTest, WhatARecordShows) {
    // A disabled record shows Disabled, without codes, whatever is reported.
    Record(1).Disabled = 1;
    SendFrom(LinkOf(1), 1, MON_UP);
    EXPECT_EQ(Record(1).m_nStatus, MON_DISABLED);
    EXPECT_EQ(Record(1).m_dwError + Record(1).m_dwIpStatus, 0u);
    // A message without a report (another program may send one) names the slot by index.
    Deliver(0, MON_CHECKING, nullptr);
    EXPECT_EQ(Record(0).m_nStatus, MON_CHECKING);
    EXPECT_EQ(Record(0).m_dwTimeMs, kNoTime);
    Untouch(1);
    for (UINT index : {0xFFFFu, 2u, 3u, 40u}) EXPECT_EQ(Deliver(index, MON_CHECKING, nullptr), 0) << index;
    EXPECT_TRUE(Untouched(1));
    // A stopped (or deleted) monitor's last report finds no record.
    Untouch(0);
    fw::CComPtr<CRecordLink> link(LinkOf(0));
    Record(0).StopThread();
    SendFrom(link.Get(), 0, MON_UP);
    EXPECT_TRUE(Untouched(0));
}

TEST_F(OnCheckResultTest, DroppedReportsAreNeverRead) {
    // A report that cannot be read (another process's address, say).
    void* page = VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_NOACCESS);
    ASSERT_NE(page, nullptr);
    for (UINT index : {0xFFFFu, 2u, 69u, 3u}) EXPECT_EQ(Deliver(index, MON_UP, page), 0) << index;
    m_dlg->Records().SetCount(0);
    EXPECT_EQ(Deliver(0, MON_UP, page), 0);
    EXPECT_TRUE(Untouched(0) && Untouched(1));
    VirtualFree(page, 0, MEM_RELEASE);
}
