#include <gtest/gtest.h>

#include <memory>

#include "framework/GdiHandles.h"
#include "model/MonitorRecord.h"
#include "model/RecordLink.h"
#include "support/ReceiverWindow.h"

namespace {

std::unique_ptr<CMonitorRecord> NewTestMonitor(HWND owner, UINT index, const wchar_t* name) {
    auto record = std::make_unique<CMonitorRecord>(owner, index);
    record->Name = name;
    record->CheckMethod = METHOD_PING;
    record->CheckInterval = 1;
    return record;
}

HICON NewIcon() {  // 32 x 32, monochrome
    BYTE andBits[32 * 4], xorBits[32 * 4];
    memset(andBits, 0xFF, sizeof(andBits));
    memset(xorBits, 0, sizeof(xorBits));
    return CreateIcon(GetModuleHandleW(nullptr), 32, 32, 1, 1, andBits, xorBits);
}

bool IconAlive(HICON icon) {
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info)) return false;
    const fw::CBitmap colour(info.hbmColor), mask(info.hbmMask);
    return true;
}

}  // namespace

// A thread's copy and Duplicate: what each takes from the source and what stays its own.
TEST(MonitorRecord, CopyAndDuplicateTakeTheirFieldsAndNoPicture) {
    CMonitorRecord source(reinterpret_cast<HWND>(0x1234), 7);
    source.Name = L"web";
    source.Sound = 3;
    source.m_strStatusCaption = L"CHECKING";
    source.m_nMsgBoxCount = 65535;
    source.m_dwError = 12029;
    source.m_strUrlHost = L"127.0.0.1";
    source.m_nUrlPort = 8080;
    source.m_strPicPathUp = L"C:\\p\\up.ico";
    source.m_bmUp.bmWidth = 64;
    source.m_nStatus = MON_UP;
    source.m_hIconUp.Reset(NewIcon());
    HICON sourceIcon = source.m_hIconUp;
    for (bool duplicate : {false, true}) {
        {
            CMonitorRecord target(nullptr, 1);
            target.m_nStatus = MON_CHECKING;
            target.m_hIconUp.Reset(NewIcon());
            HICON ownIcon = target.m_hIconUp;
            if (duplicate)
                target.DuplicateFrom(source);
            else
                target = source;
            EXPECT_EQ(target.Name, L"web");
            EXPECT_EQ(static_cast<uint32_t>(target.Sound), 3u);
            EXPECT_EQ(target.m_strUrlHost, L"127.0.0.1");
            EXPECT_EQ(target.m_nUrlPort, 8080u);
            EXPECT_EQ(target.m_nStatus, MON_CHECKING);
            EXPECT_EQ(target.m_hIconUp.Get(), ownIcon);
            EXPECT_FALSE(target.HasThread());
            // A thread's copy carries the run-time state; a duplicate is a new monitor with
            // the source's pictures.
            EXPECT_EQ(target.m_nIndex, duplicate ? 1u : 7u);
            EXPECT_EQ(target.m_nMsgBoxCount, duplicate ? 0u : 65535u);
            EXPECT_EQ(target.m_dwError, duplicate ? 0u : 12029u);
            EXPECT_EQ(target.m_strStatusCaption, duplicate ? L"" : L"CHECKING");
            EXPECT_EQ(target.m_strPicPathUp, duplicate ? L"C:\\p\\up.ico" : L"");
            EXPECT_EQ(target.m_bmUp.bmWidth, duplicate ? 64 : 0);
        }
        EXPECT_TRUE(IconAlive(sourceIcon)) << "a copy destroys no icon of its source";
    }
    HICON up = NewIcon();
    {
        CMonitorRecord record(nullptr, 0);
        record.MeasureUpIcon();
        EXPECT_EQ(record.m_bmUp.bmWidth, 0);
        record.m_hIconUp.Reset(up);
        record.MeasureUpIcon();
        EXPECT_EQ(record.m_bmUp.bmWidth, 32);
        EXPECT_EQ(record.m_bmUp.bmHeight, 64) << "a monochrome icon is measured from its mask";
    }
    EXPECT_FALSE(IconAlive(up)) << "a destroyed record frees its icons";
}

// Ending the tie: StopThread lets the thread finish as the record's (it could still
// report under its index), KillThread and the teardown make sure it reports to nobody;
// starting again (also without a stop) gives a new thread and ends the old one.
TEST(MonitorRecord, StopKillTeardownAndRestartEachLeaveTheLinkAsTheirRuleSays) {
    enum Action { Stop, Kill, Destroy, Restart, StopAndRestart };
    const struct {
        Action action;
        UINT index;
        bool ownerKept;
    } cases[] = {{Stop, 3, true},
                 {Kill, kIndexTornDown, false},
                 {Destroy, kIndexTornDown, true},
                 {Restart, 3, true},
                 {StopAndRestart, 3, true}};
    for (const auto& c : cases) {
        CReceiverWindow window;
        auto record = NewTestMonitor(window.Handle(), 2, L"*Down*");
        record->StartThread();
        ASSERT_TRUE(window.PumpUntil([&] { return !window.m_reports.empty(); }, 10000));
        EXPECT_EQ(window.m_reports[0].index, 2u);
        EXPECT_EQ(window.m_reports[0].link, record->Link());
        fw::CComPtr<CRecordLink> link(const_cast<CRecordLink*>(record->Link()));
        // While it runs, the thread's own copy is reached through the record, and a moved
        // record reports under its new index.
        EXPECT_TRUE(record->WithRunningCopy([](CMonitorRecord& copy) { copy.Sound = 0; }));
        record->SuspendThread();
        record->SetIndex(3);
        record->ResumeThread();
        window.m_reports.clear();
        ASSERT_TRUE(window.PumpUntil([&] { return !window.m_reports.empty(); }, 5000));
        EXPECT_EQ(window.m_reports.back().index, 3u);
        if (c.action == Stop || c.action == StopAndRestart) record->StopThread();
        if (c.action == Kill) record->KillThread();
        if (c.action == Destroy) record.reset();
        if (c.action == Stop || c.action == Kill) EXPECT_FALSE(record->HasThread()) << c.action;
        if (c.action >= Restart) record->StartThread();
        EXPECT_TRUE(link->m_bStop.load()) << c.action;
        EXPECT_EQ(link->m_nIndex.load(), c.index) << c.action;
        EXPECT_EQ(link->m_hOwner.load() != nullptr, c.ownerKept) << c.action;
        // The old thread sees the stop flag within a second, ends, and reports nothing more.
        EXPECT_TRUE(window.PumpUntil([&] { return !link->WithRunningCopy([](CMonitorRecord&) {}); }, 5000));
        window.m_reports.clear();
        window.PumpUntil([&] { return c.action >= Restart && !window.m_reports.empty(); }, 2500);
        for (const auto& report : window.m_reports) EXPECT_NE(report.link, link.Get()) << c.action;
        EXPECT_EQ(window.m_reports.empty(), c.action < Restart) << c.action;
        if (c.action >= Restart) EXPECT_EQ(window.m_reports.back().status, MON_DOWN);
    }
}

// A thread that ended by itself (its window does not answer the handshake) leaves no
// running copy to reach.
TEST(MonitorRecord, NoRunningCopyAfterTheThreadEndedByItself) {
    CReceiverWindow silent;
    silent.m_bAnswerHandshake = false;
    auto orphan = NewTestMonitor(silent.Handle(), 0, L"*Up*");
    orphan->StartThread();
    EXPECT_TRUE(silent.PumpUntil([&] { return !orphan->WithRunningCopy([](CMonitorRecord&) {}); }, 5000));
    EXPECT_TRUE(orphan->HasThread());
}
