#pragma once
// The log lines of every monitor, appended by one writer thread of the queue's own, each
// file's lines in the order they came. A file that another program holds without write
// sharing (a spreadsheet opened from View Log) delays only its own lines: they wait apart
// and the file is tried again now and then, while the lines of other files go on. What
// waits is bounded, so a file held for hours costs no growing memory.
#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>

enum class LogAppend { Written, Held, Failed };

class CLogQueue {
public:
    // Appends text (whole lines) to a file in one write; Held when another program has
    // the file open without write sharing.
    using Appender = std::function<LogAppend(const std::wstring& file, const std::wstring& text)>;

    struct Limits {
        size_t queued = 10000;      // lines not yet handled by the writer
        size_t perHeldFile = 1000;  // lines waiting for one held file
        DWORD retryMs = 200;        // between tries of a held file
    };

    explicit CLogQueue(Appender append) : CLogQueue(std::move(append), Limits()) {}
    CLogQueue(Appender append, Limits limits);
    CLogQueue(const CLogQueue&) = delete;
    CLogQueue& operator=(const CLogQueue&) = delete;

    // Queues a line for `file`. False when it is dropped: the queue is full, or the
    // writer thread cannot be started.
    bool Post(const std::wstring& file, const std::wstring& line);

    // Waits until every line posted so far is written or given up, held files being
    // tried meanwhile, at most `maxWaitMs`. True when nothing is left waiting.
    bool Drain(DWORD maxWaitMs);

    // Lines dropped so far, because the queue or a held file's lines were full.
    size_t Dropped();

    // The process's queue, writing through AppendLogLine; never destroyed (its writer
    // may still run while the process ends).
    static CLogQueue& Process();

private:
    struct Line {
        std::wstring file, text;
    };
    struct HeldFile {
        std::deque<std::wstring> lines;
        DWORD nextTry = 0;
    };

    static unsigned __stdcall WriterMain(void* queue);
    void Serve();
    void WriteBatch(std::deque<Line>& batch);
    void RetryHeldFiles();
    void Keep(HeldFile& held, std::wstring line);
    DWORD NextRetryIn() const;
    size_t HeldLines() const;

    const Appender m_append;
    const Limits m_limits;
    std::mutex m_lock;
    std::condition_variable m_wake;     // lines came
    std::condition_variable m_settled;  // the writer has handled what it took
    std::deque<Line> m_incoming;
    bool m_writing = false;   // the writer works on lines it took
    size_t m_heldLines = 0;   // lines waiting for held files, as the writer last counted
    bool m_started = false;
    std::atomic<size_t> m_dropped{0};
    std::map<std::wstring, HeldFile> m_held;  // the writer's own
};
