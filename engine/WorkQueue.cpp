#include "engine/WorkQueue.h"

#include <chrono>

#include "framework/Thread.h"

CWorkQueue::CWorkQueue(unsigned maxWorkers) : m_maxWorkers(maxWorkers ? maxWorkers : 1) {}

bool CWorkQueue::Post(Job job) {
    std::unique_lock<std::mutex> lock(m_lock);
    if (m_closed) return false;
    m_jobs.push_back(std::move(job));
    // A worker more when the jobs outnumber the idle workers and the limit allows one.
    if (m_jobs.size() > m_idle && m_workers < m_maxWorkers) {
        if (fw::BeginDetachedThread(&CWorkQueue::WorkerMain, this, kWorkerStack)) {
            ++m_workers;
        } else if (m_workers == 0) {
            m_jobs.pop_back();
            return false;
        }
    }
    lock.unlock();
    m_ready.notify_one();
    return true;
}

unsigned __stdcall CWorkQueue::WorkerMain(void* queue) {
    static_cast<CWorkQueue*>(queue)->Serve();
    return 0;
}

void CWorkQueue::Serve() {
    for (;;) {
        Job job;
        {
            std::unique_lock<std::mutex> lock(m_lock);
            ++m_idle;
            m_ready.wait(lock, [this] { return !m_jobs.empty() && !m_startNoMore; });
            --m_idle;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
            ++m_running;
        }
        job();
        job = nullptr;  // what it held goes before it counts as ended
        {
            std::lock_guard<std::mutex> lock(m_lock);
            --m_running;
        }
        m_ended.notify_all();
    }
}

bool CWorkQueue::CloseAndWait(DWORD milliseconds) {
    std::unique_lock<std::mutex> lock(m_lock);
    m_closed = true;
    const bool ended = m_ended.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                        [this] { return m_jobs.empty() && m_running == 0; });
    m_startNoMore = true;
    return ended;
}

bool CWorkQueue::IsClosed() {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_closed;
}
