#include <gtest/gtest.h>

#include <vector>

#include "support/ReceiverWindow.h"
#include "model/MonitorRecord.h"
#include "model/RecordLink.h"
#include "engine/NetThread.h"

namespace {

CMonitorRecord* NewTestMonitor(HWND owner, UINT index, const wchar_t* name) {
    auto* record = new CMonitorRecord(owner, index);
    record->Name = name;
    record->IPorURLAddress = L"127.0.0.1";
    record->CheckMethod = METHOD_PING;
    record->CheckInterval = 1;
    return record;
}

HICON NewIcon() {
    BYTE andBits[32 * 4];
    BYTE xorBits[32 * 4];
    memset(andBits, 0xFF, sizeof(andBits));
    memset(xorBits, 0, sizeof(xorBits));
    return CreateIcon(GetModuleHandleW(nullptr), 32, 32, 1, 1, andBits, xorBits);
}

bool IconAlive(HICON icon) {
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info)) return false;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return true;
}

TEST(MonitorRecord, InitialValues) {
    CMonitorRecord record(nullptr, 5);
    EXPECT_EQ(record.m_nIndex, 5u);
    EXPECT_EQ(record.m_pThread, nullptr);
    EXPECT_EQ(record.m_dwTimeMs, 4294967295u);
    EXPECT_EQ(record.m_dwError, 0u);
    EXPECT_EQ(record.m_dwIpStatus, 0u);
    EXPECT_EQ(record.m_nMsgBoxCount + record.m_nSoundCount + record.m_nExecCount, 0u);
    EXPECT_EQ(record.Disabled, 0u);
    EXPECT_TRUE(record.Name.empty() && record.Phrase.empty() && record.NetUserName.empty());
    CMonitorRecord inThread;
    EXPECT_EQ(inThread.m_nIndex, 0u);
    EXPECT_EQ(inThread.m_hOwner, nullptr);
}

TEST(MonitorRecord, CopyKeepsItsOwnStatusAndPictures) {
    HICON sourceIcon = NewIcon();
    HICON ownIcon = NewIcon();
    {
        CMonitorRecord source(reinterpret_cast<HWND>(0x1234), 7);
        source.m_nStatus = MON_UP;
        source.Name = L"web";
        source.m_strStatusCaption = L"CHECKING";
        source.IPorURLAddress = L"http://127.0.0.1:8080/";
        source.IPv = 1;
        source.CheckMethod = METHOD_URL;
        source.Port = 8080;
        source.Sound = 3;
        source.MsgBox = 5;
        source.ExecFileCheck = 1;
        source.nMSGB = 2;
        source.m_nMsgBoxCount = 65535;
        source.m_nSoundCount = 4;
        source.m_nExecCount = 1;
        source.m_dwTimeMs = 12;
        source.m_dwError = 12029;
        source.m_dwIpStatus = 11010;
        source.Phrase = L"phrase";
        source.CheckInterval = 9;
        source.m_strUrlHost = L"127.0.0.1";
        source.m_nUrlPort = 8080;
        source.BoxColorUp = 1;
        source.BoxColorDown = 2;
        source.TextColorUp = 3;
        source.TextColorDown = 4;
        source.PicFileUp = L"up.ico";
        source.m_strPicPathUp = L"C:\\p\\up.ico";
        source.PicTypeUp = 1;
        source.m_hIconUp = sourceIcon;

        CMonitorRecord copy;
        copy.m_nStatus = MON_CHECKING;
        copy.m_hIconUp = ownIcon;
        copy = source;

        EXPECT_EQ(copy.m_nIndex, 7u);
        EXPECT_EQ(copy.m_hOwner, reinterpret_cast<HWND>(0x1234));
        EXPECT_EQ(copy.Name, L"web");
        EXPECT_EQ(copy.m_strStatusCaption, L"CHECKING");
        EXPECT_EQ(copy.IPv, 1u);
        EXPECT_EQ(copy.CheckMethod, static_cast<UINT>(METHOD_URL));
        EXPECT_EQ(static_cast<uint32_t>(copy.Sound), 3u);
        EXPECT_EQ(static_cast<uint32_t>(copy.MsgBox), 5u);
        EXPECT_EQ(static_cast<uint32_t>(copy.ExecFileCheck), 1u);
        EXPECT_EQ(copy.m_nMsgBoxCount, 65535u);
        EXPECT_EQ(copy.m_nSoundCount, 4u);
        EXPECT_EQ(copy.m_nExecCount, 1u);
        EXPECT_EQ(copy.m_dwTimeMs, 12u);
        EXPECT_EQ(copy.m_dwError, 12029u);
        EXPECT_EQ(copy.m_dwIpStatus, 11010u);
        EXPECT_EQ(copy.m_strUrlHost, L"127.0.0.1");
        EXPECT_EQ(copy.m_nUrlPort, 8080u);
        // Kept from before the copy.
        EXPECT_EQ(copy.m_nStatus, MON_CHECKING);
        EXPECT_TRUE(copy.m_strPicPathUp.empty());
        EXPECT_EQ(copy.m_hIconUp, ownIcon);
        EXPECT_EQ(copy.m_pThread, nullptr);
        copy.m_hIconUp = nullptr;  // the test still owns ownIcon
        source.m_hIconUp = nullptr;
    }
    EXPECT_TRUE(IconAlive(sourceIcon));
    DestroyIcon(sourceIcon);
    DestroyIcon(ownIcon);
}

TEST(MonitorRecord, AThreadsCopyDestroysNoIconOfItsOwner) {
    CMonitorRecord owner(nullptr, 0);
    owner.m_hIconUp = NewIcon();
    owner.m_hIconDown = NewIcon();
    {
        CMonitorRecord copy;
        copy = owner;
    }
    EXPECT_TRUE(IconAlive(owner.m_hIconUp));
    EXPECT_TRUE(IconAlive(owner.m_hIconDown));
}

TEST(MonitorRecord, ADestroyedRecordIconsAreFreed) {
    HICON up = NewIcon();
    {
        CMonitorRecord record(nullptr, 0);
        record.m_hIconUp = up;
    }
    EXPECT_FALSE(IconAlive(up));
}

TEST(MonitorRecord, MeasuresAMonochromeIconFromItsMask) {
    CMonitorRecord record(nullptr, 0);
    record.MeasureUpIcon();
    EXPECT_EQ(record.m_bmUp.bmWidth, 0);
    record.m_hIconUp = NewIcon();
    record.MeasureUpIcon();
    EXPECT_EQ(record.m_bmUp.bmWidth, 32);
    EXPECT_EQ(record.m_bmUp.bmHeight, 64);  // the mask holds both halves
}

TEST(MonitorRecord, TeardownWithARunningThreadStopsItAndMarksTheLink) {
    CReceiverWindow window;
    CMonitorRecord* record = NewTestMonitor(window.Handle(), 3, L"*Up*");
    record->StartThread();
    ASSERT_NE(record->m_pThread, nullptr);
    ASSERT_TRUE(window.PumpUntil([&] { return !window.m_reports.empty(); }, 10000));
    EXPECT_EQ(window.m_reports[0].index, 3u);
    EXPECT_EQ(window.m_reports[0].status, MON_UP);
    EXPECT_EQ(window.m_reports[0].link, record->Link());

    auto* link = const_cast<CRecordLink*>(record->Link());
    link->AddRef();
    delete record;
    EXPECT_TRUE(link->m_bStop.load());
    EXPECT_EQ(link->m_nIndex.load(), 65535u);
    // The thread sees the stop flag within a second and reports nothing more.
    size_t before = window.m_reports.size();
    window.PumpUntil([] { return false; }, 2500);
    EXPECT_EQ(window.m_reports.size(), before);
    link->Release();
}

// StartThread right after StopThread, or (a caller that forgot to stop) on its own: the
// record gets a new thread and the old one ends.
TEST(MonitorRecord, StartingAgainGivesANewThreadAndTheOldOneEnds) {
    for (bool stopFirst : {true, false}) {
        CReceiverWindow window;
        CMonitorRecord* record = NewTestMonitor(window.Handle(), 0, L"*Down*");
        record->StartThread();
        ASSERT_TRUE(window.PumpUntil([&] { return !window.m_reports.empty(); }, 10000));
        auto* oldLink = const_cast<CRecordLink*>(record->Link());
        oldLink->AddRef();  // keeps its address from being reused by the new link
        HANDLE oldThread = OpenThread(SYNCHRONIZE, FALSE, record->m_pThread->m_nThreadID);
        ASSERT_NE(oldThread, nullptr);

        if (stopFirst) {
            record->StopThread();
            EXPECT_EQ(record->m_pThread, nullptr);
            EXPECT_EQ(record->Link(), nullptr);
        }
        record->StartThread();
        ASSERT_NE(record->m_pThread, nullptr);
        const CRecordLink* newLink = record->Link();
        EXPECT_NE(newLink, oldLink);

        EXPECT_TRUE(window.WaitThreadEnd(oldThread, 5000)) << "stop first: " << stopFirst;
        CloseHandle(oldThread);
        EXPECT_TRUE(oldLink->m_bStop.load());
        oldLink->Release();
        window.m_reports.clear();
        ASSERT_TRUE(window.PumpUntil([&] { return !window.m_reports.empty(); }, 5000));
        EXPECT_EQ(window.m_reports.back().link, newLink);
        EXPECT_EQ(window.m_reports.back().status, MON_DOWN);
        delete record;
    }
}

TEST(MonitorRecord, KillThreadLetsTheThreadGoWithoutReportingAgain) {
    CReceiverWindow window;
    CMonitorRecord* record = NewTestMonitor(window.Handle(), 1, L"*Up*");
    record->StartThread();
    ASSERT_TRUE(window.PumpUntil([&] { return !window.m_reports.empty(); }, 10000));
    record->KillThread();
    EXPECT_EQ(record->m_pThread, nullptr);
    delete record;
    size_t before = window.m_reports.size();
    window.PumpUntil([] { return false; }, 2500);
    EXPECT_EQ(window.m_reports.size(), before);
}

TEST(MonitorRecord, AMovedRecordReportsUnderItsNewIndex) {
    CReceiverWindow window;
    CMonitorRecord* record = NewTestMonitor(window.Handle(), 2, L"*Up*");
    record->StartThread();
    ASSERT_TRUE(window.PumpUntil([&] { return !window.m_reports.empty(); }, 10000));
    record->SuspendThread();
    record->SetIndex(9);
    record->ResumeThread();
    window.m_reports.clear();
    ASSERT_TRUE(window.PumpUntil([&] { return !window.m_reports.empty(); }, 5000));
    EXPECT_EQ(window.m_reports.back().index, 9u);
    delete record;
}

}  // namespace
