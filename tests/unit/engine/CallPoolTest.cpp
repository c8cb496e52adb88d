// The pool that makes the monitors' blocking calls: a call never waits behind another
// (a stuck one holds up nothing), calls one after another share one thread, a caller can
// stop waiting and wait again, what a call captured is let go once it ran, and threads
// left idle end.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <memory>
#include <vector>

#include "engine/CallPool.h"
#include "framework/Handle.h"
#include "support/WaitUntil.h"

namespace {
constexpr UINT kStack = 64 * 1024;

// Waits until `done` holds, 10 s at most.
template <class Done>
bool WaitFor(Done done) {
    return WaitUntil(done, 10000, 10);
}
}  // namespace

TEST(CallPool, CallsInARowShareOneThreadAndEachEndsOnce) {
    // Never destroyed, as the program's own pool: a thread may still be idle in it.
    auto* pool = new CCallPool(kStack, 60000);
    std::atomic<int> runs{0};
    std::vector<DWORD> threads;
    for (int i = 0; i < 20; ++i) {
        DWORD ranOn = 0;
        auto call = pool->Run([&] {
            ranOn = GetCurrentThreadId();
            ++runs;
        });
        ASSERT_TRUE(call);
        ASSERT_TRUE(call->WaitEnded(5000)) << "call " << i;
        EXPECT_TRUE(call->WaitEnded(0)) << "an ended call stays ended";
        threads.push_back(ranOn);
    }
    EXPECT_EQ(runs.load(), 20);
    EXPECT_EQ(pool->ThreadCount(), 1u);
    for (DWORD t : threads) EXPECT_EQ(t, threads.front());
    EXPECT_NE(threads.front(), GetCurrentThreadId());
}

TEST(CallPool, AStuckCallHoldsUpNoOtherAndIsWaitedForAgainLater) {
    auto* pool = new CCallPool(kStack, 60000);
    fw::CHandle release = fw::NewEvent(true, false);
    HANDLE releaseEvent = release.Get();
    // Three calls stuck at once, then calls one by one while they stay stuck.
    std::vector<std::shared_ptr<CPooledCall>> stuck;
    for (int i = 0; i < 3; ++i)
        stuck.push_back(pool->Run([releaseEvent] { WaitForSingleObject(releaseEvent, INFINITE); }));
    for (const auto& call : stuck) EXPECT_FALSE(call->WaitEnded(50));
    for (int i = 0; i < 5; ++i) {
        auto quick = pool->Run([] {});
        ASSERT_TRUE(quick);
        EXPECT_TRUE(quick->WaitEnded(5000)) << "quick call " << i;
    }
    EXPECT_EQ(pool->ThreadCount(), 4u) << "three stuck, one for the quick calls";
    SetEvent(releaseEvent);
    for (const auto& call : stuck) EXPECT_TRUE(call->WaitEnded(5000));
    // The threads freed by the stuck calls serve again instead of new ones.
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(pool->Run([] {})->WaitEnded(5000));
    EXPECT_EQ(pool->ThreadCount(), 4u);
}

TEST(CallPool, WhatACallCapturedIsLetGoOnceItRan) {
    auto* pool = new CCallPool(kStack, 60000);
    auto captured = std::make_shared<int>(7);
    std::weak_ptr<int> watch = captured;
    auto call = pool->Run([captured] {});
    captured.reset();
    ASSERT_TRUE(call->WaitEnded(5000));
    EXPECT_TRUE(WaitFor([&] { return watch.expired(); }));
}

TEST(CallPool, IdleThreadsEndAndANewCallStartsAnother) {
    auto* pool = new CCallPool(kStack, 200);
    fw::CHandle release = fw::NewEvent(true, false);
    HANDLE releaseEvent = release.Get();
    std::vector<std::shared_ptr<CPooledCall>> calls;
    for (int i = 0; i < 3; ++i) calls.push_back(pool->Run([releaseEvent] { WaitForSingleObject(releaseEvent, INFINITE); }));
    EXPECT_EQ(pool->ThreadCount(), 3u);
    SetEvent(releaseEvent);
    for (const auto& call : calls) ASSERT_TRUE(call->WaitEnded(5000));
    EXPECT_TRUE(WaitFor([&] { return pool->ThreadCount() == 0; })) << pool->ThreadCount() << " threads left";
    EXPECT_TRUE(pool->Run([] {})->WaitEnded(5000));
}
