// The queue that notifications wait in: one lane keeps the order of its jobs, no more
// jobs run at once than the queue has workers, and workers stay for later jobs.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "engine/WorkQueue.h"
#include "support/WaitUntil.h"

namespace {
// Waits until `count` reaches `target`, 10 s at most.
bool WaitFor(const std::atomic<int>& count, int target) {
    return WaitUntil([&] { return count.load() >= target; }, 10000, 10);
}
}  // namespace

TEST(WorkQueue, OneWorkerRunsEveryJobInTheOrderEachPosterPostedIt) {
    // Never destroyed, as the program's own queues: a worker may still be waiting.
    auto* queue = new CWorkQueue(1);
    std::mutex lock;
    std::vector<std::pair<int, int>> ran;  // (poster, number) in the order the jobs ran
    std::atomic<int> done{0};
    constexpr int kPosters = 4, kJobs = 150;
    std::vector<std::thread> posters;
    for (int p = 0; p < kPosters; ++p)
        posters.emplace_back([&, p] {
            for (int n = 0; n < kJobs; ++n)
                queue->Post([&, p, n] {
                    std::lock_guard<std::mutex> guard(lock);
                    ran.emplace_back(p, n);
                    ++done;
                });
        });
    for (auto& t : posters) t.join();
    ASSERT_TRUE(WaitFor(done, kPosters * kJobs));
    std::lock_guard<std::mutex> guard(lock);
    int next[kPosters] = {};
    for (const auto& job : ran) EXPECT_EQ(job.second, next[job.first]++) << "poster " << job.first;
}

TEST(WorkQueue, AsManyWorkersAsAllowedForABurstAndTheSameOneForJobsOneByOne) {
    auto* queue = new CWorkQueue(3);
    std::atomic<int> running{0}, most{0}, done{0};
    for (int i = 0; i < 24; ++i)
        ASSERT_TRUE(queue->Post([&] {
            int now = ++running, seen = most.load();
            while (now > seen && !most.compare_exchange_weak(seen, now)) {
            }
            Sleep(20);
            --running;
            ++done;
        }));
    ASSERT_TRUE(WaitFor(done, 24));
    EXPECT_EQ(most.load(), 3);

    auto* single = new CWorkQueue(2);
    std::mutex lock;
    std::set<DWORD> threads;
    std::atomic<int> served{0};
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(single->Post([&] {
            std::lock_guard<std::mutex> guard(lock);
            threads.insert(GetCurrentThreadId());
            ++served;
        }));
        ASSERT_TRUE(WaitFor(served, round + 1));
        Sleep(50);
    }
    std::lock_guard<std::mutex> guard(lock);
    EXPECT_EQ(threads.size(), 1u);
}

// The process's end: a closed queue takes no job, gives those queued and running the time
// it was given, and then starts none of those still queued.
TEST(WorkQueue, ClosedTakesNoJobAndStartsNoneAfterItsWait) {
    auto* queue = new CWorkQueue(1);
    std::atomic<int> ran{0};
    std::atomic<bool> release{false};
    ASSERT_TRUE(queue->Post([&] {
        while (!release) Sleep(5);
        ++ran;
    }));
    ASSERT_TRUE(queue->Post([&] { ++ran; }));  // waits behind the running one
    const DWORD started = GetTickCount();
    EXPECT_FALSE(queue->CloseAndWait(200));
    EXPECT_GE(GetTickCount() - started, 190u);
    EXPECT_FALSE(queue->Post([&] { ++ran; }));
    EXPECT_TRUE(queue->IsClosed());
    release = true;
    ASSERT_TRUE(WaitFor(ran, 1));
    Sleep(200);
    EXPECT_EQ(ran.load(), 1);  // the queued one never started

    auto* quick = new CWorkQueue(2);
    std::atomic<int> done{0};
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(quick->Post([&] { Sleep(20), ++done; }));
    EXPECT_TRUE(quick->CloseAndWait(10000));
    EXPECT_EQ(done.load(), 4);
}
