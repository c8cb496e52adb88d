// The lane of execute-file programs: a monitor whose starts hang holds its share of the
// lane's workers and no more, the other monitors' programs still start, and a program
// without room is not run.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "engine/NotificationWorkers.h"
#include "engine/WorkQueue.h"
#include "framework/Handle.h"
#include "support/WaitUntil.h"

namespace {
std::mutex g_lock;
std::vector<std::wstring> g_started;  // the names of the programs whose start began
HANDLE g_hangsEnd = nullptr;

// A start as the shell makes it; the monitor named "hung" has its program on a server
// that is gone.
unsigned __stdcall StartProgram(void* param) {
    std::unique_ptr<NotificationJob> job(static_cast<NotificationJob*>(param));
    {
        std::lock_guard<std::mutex> hold(g_lock);
        g_started.push_back(job->record.Name);
    }
    if (job->record.Name == L"hung") WaitForSingleObject(g_hangsEnd, 20000);
    return 0;
}

size_t Started(const wchar_t* name) {
    std::lock_guard<std::mutex> hold(g_lock);
    return static_cast<size_t>(std::count(g_started.begin(), g_started.end(), name));
}
}  // namespace

TEST(ProgramRuns, AMonitorWhoseStartsHangHoldsItsShareOfTheLaneAndNoMore) {
    fw::CHandle hangsEnd = fw::NewEvent(true, false);
    g_hangsEnd = hangsEnd.Get();
    // Never destroyed, as the program's own: a worker may still hold a job.
    auto* lane = new CWorkQueue(kExecFileWorkers);
    auto* room = new CNotificationRoom(kProgramRunsPerMonitor, kProgramRunsInProcess);
    const UINT64 hungMonitor = 1, otherMonitor = 2;
    CMonitorRecord hung, other;
    hung.Name = L"hung";
    other.Name = L"other";
    auto queue = [&](UINT64 monitor, const CMonitorRecord& record) {
        return QueueProgramRun(monitor, record, SYSTEMTIME(), *room, *lane, StartProgram);
    };

    for (size_t i = 0; i < kProgramRunsPerMonitor; ++i) EXPECT_EQ(queue(hungMonitor, hung), ProgramQueued::Queued);
    EXPECT_EQ(queue(hungMonitor, hung), ProgramQueued::MonitorFull);
    ASSERT_TRUE(WaitUntil([] { return Started(L"hung") == kProgramRunsPerMonitor; }, 5000));
    EXPECT_LT(kProgramRunsPerMonitor, kExecFileWorkers);
    // The other monitor's programs start one after another on the workers left.
    for (size_t n = 1; n <= kExecFileWorkers; ++n) {
        EXPECT_EQ(queue(otherMonitor, other), ProgramQueued::Queued);
        EXPECT_TRUE(WaitUntil([n] { return Started(L"other") == n; }, 5000)) << n;
    }
    // The hung starts keep their room until they return; then it is free again.
    EXPECT_EQ(queue(hungMonitor, hung), ProgramQueued::MonitorFull);
    SetEvent(hangsEnd.Get());
    EXPECT_TRUE(WaitUntil([&] { return queue(hungMonitor, hung) == ProgramQueued::Queued; }, 5000));
    EXPECT_TRUE(WaitUntil([] { return Started(L"hung") == kProgramRunsPerMonitor + 1; }, 5000));
    EXPECT_EQ(Started(L"other"), kExecFileWorkers);
}
