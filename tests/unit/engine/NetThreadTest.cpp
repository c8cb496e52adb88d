// The monitoring thread's cycle as the window sees it: handshake, reports, stop tests.
#include <gtest/gtest.h>

#include <atomic>
#include <winsock2.h>
#include <ws2tcpip.h>

#include "support/ReceiverWindow.h"
#include "engine/NetThread.h"
#include "framework/Handle.h"
#include "model/GlobalSettings.h"
#include "model/RecordLink.h"

namespace {
// Generous bounds: they only catch a thread that hangs.
constexpr DWORD kBound = 5000;

class CTestThread : public CNetThread {
public:
    // When set, the check signals `entered` and blocks until `release` is set.
    HANDLE m_hEntered = nullptr;
    HANDLE m_hRelease = nullptr;
    std::atomic<int>* m_pDispatches = nullptr;

protected:
    int RunCheck() override {
        if (!m_hEntered) return CNetThread::RunCheck();
        SetEvent(m_hEntered);
        WaitForSingleObject(m_hRelease, INFINITE);
        return MON_UP;
    }
    void DispatchNotifications() override {
        if (m_pDispatches) ++*m_pDispatches;
    }
};

// One monitor's thread started for the receiver; the test keeps a reference of the
// link and a handle of the thread, so it can stop it and see it end.
class CMonitorUnderTest {
public:
    CMonitorUnderTest(CReceiverWindow& receiver, UINT index) : m_record(receiver.Handle(), index) {
        m_record.CheckInterval = 0;
    }
    ~CMonitorUnderTest() {
        if (m_pLink) {
            m_pLink->m_bStop = true;
            m_pLink->Release();
        }
    }

    void Start(CTestThread* thread = new CTestThread()) {
        m_pLink = new CRecordLink(m_record.m_nIndex, m_record.m_hOwner);
        thread->Prepare(m_record, m_pLink);
        ASSERT_TRUE(thread->CreateThread(CREATE_SUSPENDED));
        HANDLE own = nullptr;
        DuplicateHandle(GetCurrentProcess(), thread->m_hThread, GetCurrentProcess(), &own, 0, FALSE,
                        DUPLICATE_SAME_ACCESS);
        m_thread.reset(new fw::CHandle(own));
        thread->m_bAutoDelete = true;
        thread->ResumeThread();
    }

    CMonitorRecord m_record;
    CRecordLink* m_pLink = nullptr;
    std::unique_ptr<fw::CHandle> m_thread;
};

size_t ReportCount(const CReceiverWindow& w) { return w.m_reports.size(); }

UINT ClosedLoopbackPort(int family) {
    SOCKET s = socket(family, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_storage address = {};
    int size = 0;
    if (family == AF_INET) {
        auto* v4 = reinterpret_cast<sockaddr_in*>(&address);
        v4->sin_family = AF_INET;
        v4->sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        size = sizeof(sockaddr_in);
    } else {
        auto* v6 = reinterpret_cast<sockaddr_in6*>(&address);
        v6->sin6_family = AF_INET6;
        v6->sin6_addr.s6_addr[15] = 1;
        size = sizeof(sockaddr_in6);
    }
    bind(s, reinterpret_cast<sockaddr*>(&address), size);
    getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
    closesocket(s);
    return ntohs(reinterpret_cast<sockaddr_in*>(&address)->sin_port);
}

class NetThreadTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    CReceiverWindow m_receiver;
};
}  // namespace

TEST_F(NetThreadTest, ReportsEveryCycleToTheOwnerWithTheLinksIndex) {
    CMonitorUnderTest monitor(m_receiver, 3);
    monitor.m_record.Name = L"*Up*";
    monitor.m_record.CheckMethod = 2;
    std::atomic<int> dispatches{0};
    auto* thread = new CTestThread();
    thread->m_pDispatches = &dispatches;
    monitor.Start(thread);
    ASSERT_TRUE(m_receiver.PumpUntil([&] { return ReportCount(m_receiver) >= 5; }, kBound));
    monitor.m_pLink->m_bStop = true;
    ASSERT_TRUE(m_receiver.WaitThreadEnd(monitor.m_thread->Get(), kBound));
    EXPECT_EQ(m_receiver.m_nHandshakes, 1);
    for (const ReceivedReport& r : m_receiver.m_reports) {
        EXPECT_EQ(r.index, 3u);
        EXPECT_EQ(r.status, MON_UP);
        EXPECT_EQ(r.result.dwTimeMs, 0u);
        EXPECT_EQ(r.result.dwError, 0u);
        EXPECT_EQ(r.result.dwIpStatus, 0u);
        EXPECT_EQ(r.link, monitor.m_pLink);
    }
    // Every report is followed by the notification logic (the last one may have been
    // cut short by the stop test before it).
    EXPECT_GE(dispatches.load() + 1, static_cast<int>(ReportCount(m_receiver)));
}

TEST_F(NetThreadTest, RandUrlMonitorFollowsTheSeedOneOrder) {
    CMonitorUnderTest monitor(m_receiver, 0);
    monitor.m_record.Name = L"*RAND*";
    monitor.m_record.CheckMethod = 3;
    monitor.m_record.IPorURLAddress = L"http://127.0.0.1:1/";
    monitor.Start();
    const int statuses[] = {2, 5, 7, 1, 5, 4, 4, 5, 2, 4, 2, 2, 4, 1, 4, 1};
    const DWORD times[] = {2, 1, 2, 0, 2, 2, 0, 2, 2, 0, 0, 0, 1, 2, 2, 2};
    const DWORD errors[] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 12029, 0, 12029};
    const size_t count = sizeof(statuses) / sizeof(statuses[0]);
    ASSERT_TRUE(m_receiver.PumpUntil([&] { return ReportCount(m_receiver) >= count; }, kBound));
    monitor.m_pLink->m_bStop = true;
    ASSERT_TRUE(m_receiver.WaitThreadEnd(monitor.m_thread->Get(), kBound));
    for (size_t i = 0; i < count; ++i) {
        EXPECT_EQ(m_receiver.m_reports[i].status, statuses[i]) << i;
        EXPECT_EQ(m_receiver.m_reports[i].result.dwTimeMs, times[i]) << i;
        EXPECT_EQ(m_receiver.m_reports[i].result.dwError, errors[i]) << i;
        EXPECT_EQ(m_receiver.m_reports[i].result.dwIpStatus, 0u) << i;
    }
}

TEST_F(NetThreadTest, IndexIsReadAtEveryReport) {
    CMonitorUnderTest monitor(m_receiver, 2);
    monitor.m_record.Name = L"*Down*";
    monitor.Start();
    ASSERT_TRUE(m_receiver.PumpUntil([&] { return ReportCount(m_receiver) >= 1; }, kBound));
    monitor.m_pLink->m_nIndex = 7;  // the window moved the box
    size_t moved = ReportCount(m_receiver);
    ASSERT_TRUE(m_receiver.PumpUntil([&] { return ReportCount(m_receiver) >= moved + 3; }, kBound));
    monitor.m_pLink->m_bStop = true;
    ASSERT_TRUE(m_receiver.WaitThreadEnd(monitor.m_thread->Get(), kBound));
    EXPECT_EQ(m_receiver.m_reports.front().index, 2u);
    // At most the report already under way when the index changed carries the old one.
    for (size_t i = moved + 1; i < ReportCount(m_receiver); ++i) EXPECT_EQ(m_receiver.m_reports[i].index, 7u) << i;
}

TEST_F(NetThreadTest, StopDuringTheCheckEndsWithoutAReport) {
    CMonitorUnderTest monitor(m_receiver, 0);
    monitor.m_record.Name = L"*Up*";
    fw::CHandle entered(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    fw::CHandle release(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    auto* thread = new CTestThread();
    thread->m_hEntered = entered.Get();
    thread->m_hRelease = release.Get();
    monitor.Start(thread);
    ASSERT_TRUE(m_receiver.PumpUntil([&] { return WaitForSingleObject(entered.Get(), 0) == WAIT_OBJECT_0; }, kBound));
    monitor.m_pLink->m_bStop = true;
    SetEvent(release.Get());
    EXPECT_TRUE(m_receiver.WaitThreadEnd(monitor.m_thread->Get(), kBound));
    EXPECT_EQ(ReportCount(m_receiver), 0u);
}

TEST_F(NetThreadTest, StopDuringTheWaitEndsWithinTheSecondStep) {
    CMonitorUnderTest monitor(m_receiver, 0);
    monitor.m_record.Name = L"*Closed*";
    monitor.m_record.CheckInterval = 600;
    monitor.Start();
    ASSERT_TRUE(m_receiver.PumpUntil([&] { return ReportCount(m_receiver) >= 1; }, kBound));
    monitor.m_pLink->m_bStop = true;
    // One one-second step, with room to spare; the interval would be ten minutes.
    EXPECT_TRUE(m_receiver.WaitThreadEnd(monitor.m_thread->Get(), 3000));
    EXPECT_EQ(ReportCount(m_receiver), 1u);
}

TEST_F(NetThreadTest, NoWindowObjectEndsTheThreadAtOnce) {
    m_receiver.m_bAnswerHandshake = false;
    CMonitorUnderTest monitor(m_receiver, 0);
    monitor.m_record.Name = L"*Up*";
    monitor.Start();
    EXPECT_TRUE(m_receiver.WaitThreadEnd(monitor.m_thread->Get(), kBound));
    EXPECT_EQ(m_receiver.m_nHandshakes, 1);
    EXPECT_EQ(ReportCount(m_receiver), 0u);
}

TEST_F(NetThreadTest, EachMethodRunsItsCheck) {
    g_dwTimeOut = 2000;
    UINT closed4 = ClosedLoopbackPort(AF_INET);
    UINT closed6 = ClosedLoopbackPort(AF_INET6);
    struct Case {
        const char* name;
        UINT method;
        UINT ipVersion;
        std::wstring address;
        UINT port;
        int status;
        DWORD error;
    };
    const Case cases[] = {
        {"ping v4", 1, 0, L"127.0.0.1", 0, MON_UP, 0},
        {"ping v6 of an IPv4 address", 1, 1, L"127.0.0.1", 0, MON_ADDR_ERROR, 0},
        {"tcp v4 refused", 2, 0, L"127.0.0.1", closed4, MON_CLOSED, 10061},
        {"tcp v6 refused", 2, 1, L"::1", closed6, MON_CLOSED, 10061},
        {"url refused, any IP version", 3, 7, L"http://127.0.0.1:" + std::to_wstring(closed4) + L"/", 0, MON_DOWN,
         12029},
        {"unknown method", 9, 0, L"127.0.0.1", 0, MON_ERROR, 0},
        {"ping with an unknown IP version", 1, 2, L"127.0.0.1", 0, MON_ERROR, 0},
        {"tcp with an unknown IP version", 2, 5, L"127.0.0.1", closed4, MON_ERROR, 0},
    };
    for (const Case& c : cases) {
        CReceiverWindow receiver;
        CMonitorUnderTest monitor(receiver, 1);
        monitor.m_record.Name = L"Box";
        monitor.m_record.CheckMethod = c.method;
        monitor.m_record.IPv = c.ipVersion;
        monitor.m_record.IPorURLAddress = c.address;
        monitor.m_record.Port = c.port;
        monitor.m_record.CheckInterval = 60;
        monitor.Start();
        ASSERT_TRUE(receiver.PumpUntil([&] { return ReportCount(receiver) >= 1; }, kBound)) << c.name;
        monitor.m_pLink->m_bStop = true;
        EXPECT_TRUE(receiver.WaitThreadEnd(monitor.m_thread->Get(), kBound)) << c.name;
        EXPECT_EQ(receiver.m_reports[0].status, c.status) << c.name;
        EXPECT_EQ(receiver.m_reports[0].result.dwError, c.error) << c.name;
        EXPECT_EQ(receiver.m_reports[0].result.dwIpStatus, 0u) << c.name;
    }
    g_dwTimeOut = 3000;
}

TEST_F(NetThreadTest, ARecordLetGoIsNeverReportedAgain) {
    CMonitorRecord record(m_receiver.Handle(), 4);
    record.Name = L"*Up*";
    record.CheckInterval = 0;
    record.StartThread();
    ASSERT_TRUE(m_receiver.PumpUntil([&] { return ReportCount(m_receiver) >= 1; }, kBound));
    record.KillThread();
    // Pump a while: whatever was under way arrives, then nothing more.
    m_receiver.PumpUntil([] { return false; }, 200);
    size_t after = ReportCount(m_receiver);
    m_receiver.PumpUntil([] { return false; }, 300);
    EXPECT_EQ(ReportCount(m_receiver), after);
    EXPECT_EQ(record.Link(), nullptr);
}
