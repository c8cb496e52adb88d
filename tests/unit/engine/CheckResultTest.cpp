// The window's side of a report: which reports it takes, what a record then shows, and
// that a report it drops is never read.
#include <gtest/gtest.h>

#include <memory>

#include "app/MainDlg.h"
#include "framework/ComPtr.h"
#include "model/RecordLink.h"
#include "support/TempFiles.h"

namespace {
constexpr int kUntouched = 42;  // a status no report gives

class OnCheckResultTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The window reads and writes its files under APPDATA: give it a folder of its own.
        std::wstring folder = m_appData.Path();
        folder.pop_back();
        SetEnvironmentVariableW(L"APPDATA", folder.c_str());
        m_dlg.reset(new CMainDlg(nullptr, 0));
        for (auto& record : m_dlg->m_apRecords) record.reset();
        // Two records with thread ties of their own (their threads find no window and
        // end at once, but the links stay); slot 2 is empty.
        for (int i = 0; i < 2; ++i) {
            m_dlg->m_apRecords[i].reset(new CMonitorRecord(nullptr, static_cast<UINT>(i)));
            m_dlg->m_apRecords[i]->Name = L"*Up*";
            m_dlg->m_apRecords[i]->StartThread();
            Untouch(i);
        }
        m_dlg->NumBox = 3;
    }

    CMonitorRecord& Record(int i) { return *m_dlg->m_apRecords[i]; }
    void Untouch(int i) {
        Record(i).m_nStatus = kUntouched;
        Record(i).m_dwTimeMs = Record(i).m_dwError = Record(i).m_dwIpStatus = 1;
    }
    bool Untouched(int i) {
        return Record(i).m_nStatus == kUntouched && Record(i).m_dwTimeMs == 1 && Record(i).m_dwError == 1 &&
               Record(i).m_dwIpStatus == 1;
    }
    CheckReport ReportOf(int i) { return {{12, 34, 56}, Record(i).Link()}; }
    LRESULT Deliver(UINT index, int status, const void* report) {
        return m_dlg->OnCheckResult(MAKEWPARAM(index, status), reinterpret_cast<LPARAM>(report));
    }

    CTempFolder m_appData;
    std::unique_ptr<CMainDlg> m_dlg;
};
}  // namespace

TEST_F(OnCheckResultTest, TakesOnlyReportsOfItsCurrentRecords) {
    fw::CComPtr<CRecordLink> strange;
    strange.Attach(new CRecordLink(0, nullptr));
    const CheckReport fromFirst = ReportOf(0), stale = {{12, 34, 56}, strange.Get()};
    struct Case {
        const char* name;
        UINT index;
        const CheckReport* report;
    };
    const Case dropped[] = {
        {"torn-down index", 0xFFFF, &fromFirst},      {"index of the count", 3, &fromFirst},
        {"index past the count", 40, &fromFirst},     {"empty slot", 2, &fromFirst},
        {"another thread's link", 0, &stale},         {"first's report at second's index", 1, &fromFirst},
    };
    for (const Case& c : dropped) {
        EXPECT_EQ(Deliver(c.index, MON_UP, c.report), 0) << c.name;
        EXPECT_TRUE(Untouched(0) && Untouched(1)) << c.name;
    }
    const CheckReport fromSecond = ReportOf(1);
    Deliver(1, MON_DOWN, &fromSecond);
    EXPECT_EQ(Record(1).m_nStatus, MON_DOWN);
    EXPECT_EQ(Record(1).m_dwTimeMs + Record(1).m_dwError + Record(1).m_dwIpStatus, 12u + 34 + 56);
    // A disabled record shows Disabled, without codes, whatever is reported.
    Record(1).Disabled = 1;
    Deliver(1, MON_UP, &fromSecond);
    EXPECT_EQ(Record(1).m_nStatus, MON_DISABLED);
    EXPECT_EQ(Record(1).m_dwError + Record(1).m_dwIpStatus, 0u);
    // The window's own calls carry no result.
    Deliver(0, MON_CHECKING, nullptr);
    EXPECT_EQ(Record(0).m_nStatus, MON_CHECKING);
    EXPECT_EQ(Record(0).m_dwTimeMs, kNoTime);
    // A stopped thread's last report finds its record without a link.
    Untouch(0);
    Record(0).StopThread();
    Deliver(0, MON_UP, &fromFirst);
    EXPECT_TRUE(Untouched(0));
}

TEST_F(OnCheckResultTest, DroppedReportsAreNeverRead) {
    // A report that cannot be read (another process's address, say).
    void* page = VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_NOACCESS);
    ASSERT_NE(page, nullptr);
    for (UINT index : {0xFFFFu, 2u, 69u, 3u}) EXPECT_EQ(Deliver(index, MON_UP, page), 0) << index;
    m_dlg->NumBox = 0;
    EXPECT_EQ(Deliver(0, MON_UP, page), 0);
    EXPECT_TRUE(Untouched(0) && Untouched(1));
    VirtualFree(page, 0, MEM_RELEASE);
}
