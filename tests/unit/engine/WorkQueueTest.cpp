// The queue that notifications wait in: every job runs, one lane keeps the order of its
// jobs, and no more jobs run at once than the queue has workers.
#include <gtest/gtest.h>
#include <windows.h>

#include <process.h>

#include <atomic>
#include <mutex>
#include <vector>

#include "engine/WorkQueue.h"

namespace {

// Waits until `count` reaches `target`, 10 s at most.
bool WaitFor(const std::atomic<int>& count, int target) {
    for (int i = 0; i < 1000 && count.load() < target; ++i) Sleep(10);
    return count.load() >= target;
}

struct PostingThread {
    CWorkQueue* queue;
    int lane;
    int jobs;
    std::mutex* lock;
    std::vector<std::pair<int, int>>* ran;  // (lane, number) in the order the jobs ran
    std::atomic<int>* done;
};

unsigned __stdcall PostJobs(void* param) {
    auto* p = static_cast<PostingThread*>(param);
    for (int n = 0; n < p->jobs; ++n) {
        p->queue->Post([p, n] {
            std::lock_guard<std::mutex> guard(*p->lock);
            p->ran->emplace_back(p->lane, n);
            p->done->fetch_add(1);
        });
    }
    return 0;
}

}  // namespace

TEST(WorkQueue, OneWorkerRunsEveryJobInTheOrderEachPosterPostedIt) {
    // Never destroyed, as the program's own queues: a worker may still be waiting.
    auto* queue = new CWorkQueue(1);
    std::mutex lock;
    std::vector<std::pair<int, int>> ran;
    std::atomic<int> done{0};
    constexpr int kPosters = 4, kJobs = 150;
    PostingThread posters[kPosters];
    HANDLE threads[kPosters];
    for (int i = 0; i < kPosters; ++i) {
        posters[i] = {queue, i, kJobs, &lock, &ran, &done};
        threads[i] = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, PostJobs, &posters[i], 0, nullptr));
        ASSERT_NE(threads[i], nullptr);
    }
    WaitForMultipleObjects(kPosters, threads, TRUE, 10000);
    for (HANDLE h : threads) CloseHandle(h);
    ASSERT_TRUE(WaitFor(done, kPosters * kJobs));

    std::lock_guard<std::mutex> guard(lock);
    ASSERT_EQ(ran.size(), static_cast<size_t>(kPosters * kJobs));
    int next[kPosters] = {};
    for (const auto& job : ran) {
        EXPECT_EQ(job.second, next[job.first]) << "lane " << job.first;
        next[job.first] = job.second + 1;
    }
}

TEST(WorkQueue, NoMoreJobsRunAtOnceThanItHasWorkers) {
    auto* queue = new CWorkQueue(3);
    std::atomic<int> running{0}, most{0}, done{0};
    constexpr int kJobs = 24;
    for (int i = 0; i < kJobs; ++i) {
        ASSERT_TRUE(queue->Post([&] {
            int now = running.fetch_add(1) + 1;
            int seen = most.load();
            while (now > seen && !most.compare_exchange_weak(seen, now)) {
            }
            Sleep(20);
            running.fetch_sub(1);
            done.fetch_add(1);
        }));
    }
    ASSERT_TRUE(WaitFor(done, kJobs));
    EXPECT_LE(most.load(), 3);
    // A burst of waiting jobs brings every worker in.
    EXPECT_EQ(most.load(), 3);
}

TEST(WorkQueue, WorkersStayForLaterJobs) {
    auto* queue = new CWorkQueue(2);
    std::atomic<int> done{0};
    std::mutex lock;
    std::vector<DWORD> threadIds;
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(queue->Post([&] {
            std::lock_guard<std::mutex> guard(lock);
            threadIds.push_back(GetCurrentThreadId());
            done.fetch_add(1);
        }));
        ASSERT_TRUE(WaitFor(done, round + 1));
        Sleep(50);
    }
    // Jobs that come one at a time are all served by the one worker started first.
    std::lock_guard<std::mutex> guard(lock);
    ASSERT_EQ(threadIds.size(), 3u);
    EXPECT_EQ(threadIds[0], threadIds[1]);
    EXPECT_EQ(threadIds[1], threadIds[2]);
}
