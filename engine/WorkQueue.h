#pragma once
// Jobs run first in, first out by a few threads of the queue's own, started as jobs
// wait and kept for the life of the process. A notification that is due becomes a job
// here instead of a thread of its own: a burst of changes then costs no burst of
// threads (in a 32-bit process under Wine fewer than 500 fit, and beyond them workers
// silently failed to start), and jobs of one lane keep their order.
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <windows.h>

class CWorkQueue {
public:
    using Job = std::function<void()>;

    // At most `maxWorkers` jobs run at the same time; with one, strictly one after the
    // other in the order they were posted.
    explicit CWorkQueue(unsigned maxWorkers);

    CWorkQueue(const CWorkQueue&) = delete;
    CWorkQueue& operator=(const CWorkQueue&) = delete;

    // Queues the job. False (the job dropped) when the queue has no worker and none can
    // be started, or once it is closed.
    bool Post(Job job);

    // Takes no more jobs and waits at most `milliseconds` until those queued and running
    // have ended; a job still queued then never starts. True when every job ended. For
    // the process's end, which would cut a job off wherever it stands (a program whose
    // start was cut off between its creation and its first run was seen to stay, never
    // running, for good).
    bool CloseAndWait(DWORD milliseconds);
    bool IsClosed();

    // Stack reserved for each worker: jobs are shallow, and the address space of a
    // 32-bit process is better kept for the heap.
    static constexpr unsigned kWorkerStack = 256 * 1024;

private:
    static unsigned __stdcall WorkerMain(void* queue);
    void Serve();

    const unsigned m_maxWorkers;
    std::mutex m_lock;
    std::condition_variable m_ready;
    std::condition_variable m_ended;  // a job has ended
    std::deque<Job> m_jobs;
    unsigned m_workers = 0;
    unsigned m_idle = 0;
    unsigned m_running = 0;
    bool m_closed = false;        // no more jobs are taken
    bool m_startNoMore = false;   // no queued job starts any more
};
