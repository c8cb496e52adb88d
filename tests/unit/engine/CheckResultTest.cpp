// The window's side of a report: which reports it takes and what a record then shows.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/MainDlg.h"
#include "model/MonitorTypes.h"
#include "model/RecordLink.h"
#include "support/TempFiles.h"

namespace {
constexpr int kUntouched = 42;  // a status no report gives

class OnCheckResultTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The window reads and writes its files under APPDATA: give it a folder of its own.
        std::wstring folder = m_appData.Path();
        folder.pop_back();  // no trailing backslash
        SetEnvironmentVariableW(L"APPDATA", folder.c_str());
        m_dlg.reset(new CMainDlg(nullptr, 0));
        ClearRecords();
    }
    void TearDown() override {
        ClearRecords();
        m_dlg.reset();
    }

    void ClearRecords() {
        for (auto& record : m_dlg->m_apRecords) record.reset();
        m_dlg->NumBox = 0;
    }

    // A record with a thread tie of its own: its thread finds no window and ends at
    // once, but the record keeps the link its reports would carry.
    CMonitorRecord* AddRecord(int index, UINT disabled = 0) {
        auto* record = new CMonitorRecord(nullptr, static_cast<UINT>(index));
        record->Name = L"*Up*";
        record->Disabled = disabled;
        record->StartThread();
        record->m_nStatus = kUntouched;
        record->m_dwTimeMs = 1;
        record->m_dwError = 2;
        record->m_dwIpStatus = 3;
        m_dlg->m_apRecords[index].reset(record);
        return record;
    }

    static void ExpectUntouched(const CMonitorRecord& record, const char* name) {
        EXPECT_EQ(record.m_nStatus, kUntouched) << name;
        EXPECT_EQ(record.m_dwTimeMs, 1u) << name;
        EXPECT_EQ(record.m_dwError, 2u) << name;
        EXPECT_EQ(record.m_dwIpStatus, 3u) << name;
    }

    static CheckReport ReportFor(const CMonitorRecord& record) {
        CheckReport report;
        report.result = {12, 34, 56};
        report.link = record.Link();
        return report;
    }

    LRESULT Deliver(UINT index, int status, const CheckReport* report) {
        return m_dlg->OnCheckResult(MAKEWPARAM(index, status), reinterpret_cast<LPARAM>(report));
    }

    CTempFolder m_appData;
    std::unique_ptr<CMainDlg> m_dlg;
};
}  // namespace

TEST_F(OnCheckResultTest, StoresTheReportedStatusAndResult) {
    CMonitorRecord* first = AddRecord(0);
    CMonitorRecord* second = AddRecord(1);
    m_dlg->NumBox = 2;
    CheckReport report = ReportFor(*second);
    EXPECT_EQ(Deliver(1, MON_DOWN, &report), 0);
    EXPECT_EQ(second->m_nStatus, MON_DOWN);
    EXPECT_EQ(second->m_dwTimeMs, 12u);
    EXPECT_EQ(second->m_dwError, 34u);
    EXPECT_EQ(second->m_dwIpStatus, 56u);
    ExpectUntouched(*first, "the other box");
}

TEST_F(OnCheckResultTest, DropsReportsThatBelongToNoCurrentRecord) {
    CMonitorRecord* first = AddRecord(0);
    CMonitorRecord* second = AddRecord(1);
    m_dlg->NumBox = 3;  // slot 2 is empty
    CRecordLink* strange = new CRecordLink(0, nullptr);
    CheckReport stale = ReportFor(*first);
    stale.link = strange;
    CheckReport fromFirst = ReportFor(*first);
    struct Case {
        const char* name;
        UINT index;
        const CheckReport* report;
    };
    const Case cases[] = {
        {"torn-down index", 0xFFFF, &fromFirst},
        {"index of the count", 3, &fromFirst},
        {"index past the count", 40, &fromFirst},
        {"empty slot", 2, &fromFirst},
        {"another thread's link", 0, &stale},
        {"first's report sent to second's index", 1, &fromFirst},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Deliver(c.index, MON_UP, c.report), 0) << c.name;
        ExpectUntouched(*first, c.name);
        ExpectUntouched(*second, c.name);
    }
    // A stopped thread's last report finds its record without a link.
    first->StopThread();
    EXPECT_EQ(Deliver(0, MON_UP, &fromFirst), 0);
    ExpectUntouched(*first, "stopped thread");
    // No monitors at all.
    m_dlg->NumBox = 0;
    EXPECT_EQ(Deliver(1, MON_UP, nullptr), 0);
    ExpectUntouched(*second, "no monitors");
    strange->Release();
}

TEST_F(OnCheckResultTest, DisabledRecordShowsDisabledWhateverIsReported) {
    CMonitorRecord* record = AddRecord(0, 1);
    m_dlg->NumBox = 1;
    for (int status : {MON_UP, MON_DOWN, MON_ERROR, MON_CHECKING}) {
        CheckReport report = ReportFor(*record);
        Deliver(0, status, &report);
        EXPECT_EQ(record->m_nStatus, MON_DISABLED) << status;
        EXPECT_EQ(record->m_dwTimeMs, 12u) << status;
        EXPECT_EQ(record->m_dwError, 0u) << status;
        EXPECT_EQ(record->m_dwIpStatus, 0u) << status;
    }
}

TEST_F(OnCheckResultTest, DirectCallsCarryNoResult) {
    CMonitorRecord* record = AddRecord(0);
    m_dlg->NumBox = 1;
    for (int status : {MON_CHECKING, MON_DISABLED, MON_UP}) {
        record->m_dwTimeMs = 1;
        record->m_dwError = 2;
        record->m_dwIpStatus = 3;
        Deliver(0, status, nullptr);
        EXPECT_EQ(record->m_nStatus, status);
        EXPECT_EQ(record->m_dwTimeMs, kNoTime) << status;
        EXPECT_EQ(record->m_dwError, 0u) << status;
        EXPECT_EQ(record->m_dwIpStatus, 0u) << status;
    }
}

TEST_F(OnCheckResultTest, DroppedReportsAreNeverRead) {
    CMonitorRecord* record = AddRecord(0);
    m_dlg->NumBox = 2;  // slot 1 is empty
    // A report that cannot be read (another process's address, say): a message that
    // is dropped anyway must not touch it.
    void* page = VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_NOACCESS);
    ASSERT_NE(page, nullptr);
    const auto* unreadable = static_cast<const CheckReport*>(page);
    for (UINT index : {0xFFFFu, 2u, 69u, 1u}) {
        EXPECT_EQ(Deliver(index, MON_UP, unreadable), 0) << index;
        ExpectUntouched(*record, "dropped report");
    }
    m_dlg->NumBox = 0;
    EXPECT_EQ(Deliver(0, MON_UP, unreadable), 0);
    ExpectUntouched(*record, "no monitors");
    VirtualFree(page, 0, MEM_RELEASE);
}
