// The monitoring thread's cycle as the window sees it: handshake, reports, stop tests.
#include <gtest/gtest.h>

#include <atomic>

#include "support/ReceiverWindow.h"
#include "engine/NetThread.h"
#include "framework/Handle.h"
#include "model/GlobalSettings.h"

namespace {
constexpr DWORD kBound = 5000;  // only catches a thread that hangs

class CTestThread : public CNetThread {
public:
    HANDLE m_hRelease = nullptr;  // when set, the check waits for it
    std::atomic<int> m_dispatches{0};

protected:
    int RunCheck() override {
        if (m_hRelease) WaitForSingleObject(m_hRelease, INFINITE);
        return CNetThread::RunCheck();
    }
    void DispatchNotifications() override { ++m_dispatches; }
};

// One monitor's thread started for a receiver; the test keeps the link and a handle of
// the thread, so it can stop it and see it end.
struct Monitor {
    Monitor(CReceiverWindow& receiver, UINT index, const wchar_t* name) : record(receiver.Handle(), index) {
        record.Name = name;
        record.CheckInterval = 0;
    }
    ~Monitor() {
        if (link) link->m_bStop = true;
    }
    CTestThread* Start() {
        link.Attach(new CRecordLink(record.m_nIndex, record.m_hOwner));
        thread->Prepare(record, link.Get());
        EXPECT_TRUE(thread->CreateThread(CREATE_SUSPENDED));
        handle = fw::DuplicateOwnHandle(thread->m_hThread);
        thread->m_bAutoDelete = true;
        CTestThread* started = thread;
        thread->ResumeThread();
        return started;
    }
    bool StopAndWait(CReceiverWindow& receiver) {
        link->m_bStop = true;
        if (thread->m_hRelease) SetEvent(thread->m_hRelease);
        return receiver.WaitThreadEnd(handle, 3000);
    }
    CMonitorRecord record;
    CTestThread* thread = new CTestThread();  // deletes itself once started
    fw::CComPtr<CRecordLink> link;
    fw::CHandle handle;
};

bool PumpReports(CReceiverWindow& receiver, size_t count) {
    return receiver.PumpUntil([&] { return receiver.m_reports.size() >= count; }, kBound);
}
}  // namespace

TEST(NetThread, ReportsEveryCycleThroughItsLinkAndReadsTheIndexEachTime) {
    CReceiverWindow receiver;
    Monitor monitor(receiver, 3, L"*Up*");
    CTestThread* thread = monitor.Start();
    ASSERT_TRUE(PumpReports(receiver, 3));
    monitor.link->m_nIndex = 7;  // the window moved the box
    const size_t moved = receiver.m_reports.size();
    ASSERT_TRUE(PumpReports(receiver, moved + 3));
    const int dispatches = thread->m_dispatches;
    ASSERT_TRUE(monitor.StopAndWait(receiver));
    EXPECT_EQ(receiver.m_nHandshakes, 1);
    for (size_t i = 0; i < receiver.m_reports.size(); ++i) {
        const ReceivedReport& r = receiver.m_reports[i];
        // At most the report under way when the index changed carries the old one.
        if (i != moved) {
            EXPECT_EQ(r.index, i < moved ? 3u : 7u) << i;
        }
        EXPECT_EQ(r.status, MON_UP);
        EXPECT_EQ(r.result.dwError, 0u);
        EXPECT_EQ(r.link, monitor.link.Get());
    }
    // Every report is followed by the notifications (the last may be cut by the stop).
    EXPECT_GE(dispatches + 1, static_cast<int>(moved + 3));
}

TEST(NetThread, StopsWithoutAReportWhenAskedDuringTheCheckTheWaitOrWithoutWindow) {
    struct Case {
        const char* name;
        bool holdCheck, answerHandshake;
        UINT interval;
        size_t reports;
    };
    const Case cases[] = {
        {"stop during the check", true, true, 0, 0},
        {"stop during a ten-minute wait, within one step", false, true, 600, 1},
        {"no window object", false, false, 0, 0},
    };
    for (const Case& c : cases) {
        CReceiverWindow receiver;
        receiver.m_bAnswerHandshake = c.answerHandshake;
        Monitor monitor(receiver, 0, L"*Closed*");
        monitor.record.CheckInterval = c.interval;
        fw::CHandle release = fw::NewEvent(true, false);
        if (c.holdCheck) monitor.thread->m_hRelease = release;
        monitor.Start();
        receiver.PumpUntil([&] { return receiver.m_reports.size() >= c.reports && receiver.m_nHandshakes; }, kBound);
        EXPECT_TRUE(monitor.StopAndWait(receiver)) << c.name;
        EXPECT_EQ(receiver.m_reports.size(), c.reports) << c.name;
    }
}

TEST(NetThread, EachMethodRunsItsCheck) {
    g_dwTimeOut = 2000;
    struct Case {
        const char* name;
        UINT method, ipVersion;
        const wchar_t* address;
        int status;
    };
    // Port 1 of loopback is closed here.
    const Case cases[] = {
        {"ping v4", 1, 0, L"127.0.0.1", MON_UP},
        {"ping v6 of an IPv4 address", 1, 1, L"127.0.0.1", MON_ADDR_ERROR},
        {"tcp v4", 2, 0, L"127.0.0.1", MON_CLOSED},
        {"tcp v6", 2, 1, L"::1", MON_CLOSED},
        {"url, any IP version", 3, 7, L"http://127.0.0.1:1/", MON_DOWN},
        {"unknown method", 9, 0, L"127.0.0.1", MON_ERROR},
        {"ping, unknown IP version", 1, 2, L"127.0.0.1", MON_ERROR},
        {"tcp, unknown IP version", 2, 5, L"127.0.0.1", MON_ERROR},
    };
    for (const Case& c : cases) {
        CReceiverWindow receiver;
        Monitor monitor(receiver, 1, L"Box");
        monitor.record.CheckMethod = c.method;
        monitor.record.IPv = c.ipVersion;
        monitor.record.IPorURLAddress = c.address;
        monitor.record.Port = 1;
        monitor.record.CheckInterval = 60;
        monitor.Start();
        ASSERT_TRUE(PumpReports(receiver, 1)) << c.name;
        EXPECT_TRUE(monitor.StopAndWait(receiver)) << c.name;
        EXPECT_EQ(receiver.m_reports[0].status, c.status) << c.name;
    }
    g_dwTimeOut = 3000;
}
