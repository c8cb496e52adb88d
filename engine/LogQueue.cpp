#include "engine/LogQueue.h"

#include <chrono>
#include <vector>

#include "engine/LogWriter.h"
#include "framework/Thread.h"

namespace {
// The writer's calls are shallow.
constexpr unsigned kWriterStack = 256 * 1024;

template <class Lines>
std::wstring Joined(const Lines& lines) {
    std::wstring text;
    for (const std::wstring& line : lines) text += line;
    return text;
}

bool Due(DWORD at, DWORD now) { return static_cast<LONG>(now - at) >= 0; }
}  // namespace

CLogQueue::CLogQueue(Appender append, Limits limits) : m_append(std::move(append)), m_limits(limits) {}

bool CLogQueue::Post(const std::wstring& file, const std::wstring& line) {
    std::lock_guard<std::mutex> lock(m_lock);
    if (!m_started) {
        if (!fw::BeginDetachedThread(&CLogQueue::WriterMain, this, kWriterStack)) {
            ++m_dropped;
            return false;
        }
        m_started = true;
    }
    if (m_incoming.size() >= m_limits.queued) {
        ++m_dropped;
        return false;
    }
    m_incoming.push_back({file, line});
    m_wake.notify_one();
    return true;
}

bool CLogQueue::Drain(DWORD maxWaitMs) {
    std::unique_lock<std::mutex> lock(m_lock);
    return m_settled.wait_for(lock, std::chrono::milliseconds(maxWaitMs),
                              [this] { return m_incoming.empty() && !m_writing && m_heldLines == 0; });
}

size_t CLogQueue::Dropped() { return m_dropped.load(); }

unsigned __stdcall CLogQueue::WriterMain(void* queue) {
    static_cast<CLogQueue*>(queue)->Serve();
    return 0;
}

void CLogQueue::Serve() {
    std::unique_lock<std::mutex> lock(m_lock);
    for (;;) {
        const DWORD retryIn = NextRetryIn();
        auto linesCame = [this] { return !m_incoming.empty(); };
        if (retryIn == INFINITE)
            m_wake.wait(lock, linesCame);
        else
            m_wake.wait_for(lock, std::chrono::milliseconds(retryIn), linesCame);
        std::deque<Line> batch;
        batch.swap(m_incoming);
        m_writing = true;
        lock.unlock();
        // Neither the queue's lock nor the instances' log mutex is held while a held file
        // waits: posters and the other files' lines never wait for it.
        WriteBatch(batch);
        RetryHeldFiles();
        const size_t held = HeldLines();
        lock.lock();
        m_writing = false;
        m_heldLines = held;
        m_settled.notify_all();
    }
}

void CLogQueue::WriteBatch(std::deque<Line>& batch) {
    // A file's lines of one batch go in one write (one open, one turn of the log mutex).
    std::map<std::wstring, std::vector<std::wstring>> byFile;
    for (Line& line : batch) byFile[line.file].push_back(std::move(line.text));
    for (auto& [file, lines] : byFile) {
        auto held = m_held.find(file);
        if (held == m_held.end()) {
            if (m_append(file, Joined(lines)) != LogAppend::Held) continue;  // a failed file drops its lines
            held = m_held.emplace(file, HeldFile()).first;
            held->second.nextTry = GetTickCount() + m_limits.retryMs;
        }
        // Behind the lines that wait already: a file's lines keep their order.
        for (std::wstring& line : lines) Keep(held->second, std::move(line));
    }
}

void CLogQueue::Keep(HeldFile& held, std::wstring line) {
    // A file can stay held for hours (a spreadsheet left open overnight) while a monitor
    // logs every check: beyond the bound the newest lines of that file are dropped, so the
    // memory stays flat and the file, once free, gets its lines up to the gap and on from there.
    if (held.lines.size() >= m_limits.perHeldFile) {
        ++m_dropped;
        return;
    }
    held.lines.push_back(std::move(line));
}

void CLogQueue::RetryHeldFiles() {
    for (auto it = m_held.begin(); it != m_held.end();) {
        if (!Due(it->second.nextTry, GetTickCount())) {
            ++it;
            continue;
        }
        if (m_append(it->first, Joined(it->second.lines)) == LogAppend::Held) {
            it->second.nextTry = GetTickCount() + m_limits.retryMs;
            ++it;
        } else {
            it = m_held.erase(it);
        }
    }
}

DWORD CLogQueue::NextRetryIn() const {
    DWORD soonest = INFINITE;
    const DWORD now = GetTickCount();
    for (const auto& [file, held] : m_held) {
        const DWORD in = Due(held.nextTry, now) ? 0 : held.nextTry - now;
        if (in < soonest) soonest = in;
    }
    return soonest;
}

size_t CLogQueue::HeldLines() const {
    size_t n = 0;
    for (const auto& [file, held] : m_held) n += held.lines.size();
    return n;
}

CLogQueue& CLogQueue::Process() {
    static CLogQueue* queue = new CLogQueue(&AppendToLogFile);
    return *queue;
}
