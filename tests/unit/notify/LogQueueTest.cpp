// The log lines' queue: a file another program holds delays only its own lines, what
// waits is bounded, and the program's end waits for the lines within its bound.
#include <gtest/gtest.h>

#include <map>
#include <mutex>
#include <set>

#include "engine/LogQueue.h"

namespace {
// Files as the queue's writer finds them: free, held by another program, or failing.
struct FakeFiles {
    std::mutex lock;
    std::map<std::wstring, std::wstring> written;
    std::set<std::wstring> held, failing;
    HANDLE gate = CreateEventW(nullptr, TRUE, TRUE, nullptr);  // reset: every append waits

    LogAppend Append(const std::wstring& file, const std::wstring& text) {
        WaitForSingleObject(gate, INFINITE);
        std::lock_guard<std::mutex> hold(lock);
        if (held.count(file)) return LogAppend::Held;
        if (failing.count(file)) return LogAppend::Failed;
        written[file] += text;
        return LogAppend::Written;
    }
    std::wstring Of(const std::wstring& file) {
        std::lock_guard<std::mutex> hold(lock);
        return written[file];
    }
};

// Never destroyed, as the program's own: the writer thread lives on.
CLogQueue* NewQueue(FakeFiles* files, CLogQueue::Limits limits) {
    return new CLogQueue([files](const std::wstring& f, const std::wstring& t) { return files->Append(f, t); },
                         limits);
}
}  // namespace

TEST(LogQueue, AHeldFileDelaysOnlyItsOwnLinesKeepsTheirOrderAndDropsBeyondItsBound) {
    auto* files = new FakeFiles;
    CLogQueue* queue = NewQueue(files, {100, 3, 20});
    files->held = {L"held"};
    files->failing = {L"gone"};
    for (const wchar_t* line : {L"h1 ", L"h2 ", L"h3 ", L"h4 ", L"h5 "}) EXPECT_TRUE(queue->Post(L"held", line));
    EXPECT_TRUE(queue->Post(L"gone", L"g1 "));
    for (const wchar_t* line : {L"f1 ", L"f2 ", L"f3 "}) EXPECT_TRUE(queue->Post(L"free", line));
    // The held file keeps its three lines waiting: the queue never settles meanwhile.
    EXPECT_FALSE(queue->Drain(300));
    EXPECT_EQ(files->Of(L"free"), L"f1 f2 f3 ");
    EXPECT_EQ(files->Of(L"held"), L"");
    EXPECT_EQ(files->Of(L"gone"), L"");  // a file that cannot be written drops its line at once
    EXPECT_EQ(queue->Dropped(), 2u);    // h4, h5
    EXPECT_TRUE(queue->Post(L"free", L"f4 "));
    EXPECT_TRUE(queue->Post(L"held", L"h6 "));  // still beyond the bound
    EXPECT_FALSE(queue->Drain(100));
    EXPECT_EQ(files->Of(L"free"), L"f1 f2 f3 f4 ");
    {
        std::lock_guard<std::mutex> hold(files->lock);
        files->held.clear();
    }
    EXPECT_TRUE(queue->Drain(2000));
    EXPECT_EQ(files->Of(L"held"), L"h1 h2 h3 ");
    EXPECT_TRUE(queue->Post(L"held", L"h7 "));
    EXPECT_TRUE(queue->Drain(2000));
    EXPECT_EQ(files->Of(L"held"), L"h1 h2 h3 h7 ");
    EXPECT_EQ(queue->Dropped(), 3u);
}

TEST(LogQueue, TheQueueIsBoundedAndTheEndWaitsNoLongerThanItsBound) {
    auto* files = new FakeFiles;
    CLogQueue* queue = NewQueue(files, {4, 1000, 20});
    ResetEvent(files->gate);  // the writer stalls in its first append (a slow disk)
    EXPECT_TRUE(queue->Post(L"a", L"1 "));
    int accepted = 0;  // beside what the stalled writer took (at most one batch of the bound)
    while (accepted < 50 && queue->Post(L"a", L"x ")) ++accepted;
    EXPECT_LE(accepted, 8);
    EXPECT_EQ(queue->Dropped(), 1u);
    const DWORD start = GetTickCount();
    EXPECT_FALSE(queue->Drain(200));
    const DWORD waited = GetTickCount() - start;
    EXPECT_GE(waited, 150u);
    EXPECT_LT(waited, 1000u);
    SetEvent(files->gate);
    EXPECT_TRUE(queue->Drain(2000));
    std::wstring expected = L"1 ";
    for (int i = 0; i < accepted; ++i) expected += L"x ";
    EXPECT_EQ(files->Of(L"a"), expected);
}
