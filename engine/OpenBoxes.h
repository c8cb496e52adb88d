#pragma once
// Room for open notification message boxes. A box keeps a thread until someone clicks it,
// so a host that flaps all night would open boxes until no thread could be created and
// every check failed: open boxes are bounded per monitor and for the whole process. A
// monitor is named by its call budget (CMonitorRecord::CallBudget): the same across its
// restarts, fresh for a new record even where a deleted one's memory is used again. A notification that finds no
// room shows no box; its sound, log line and program still come.
#include <cstddef>
#include <map>
#include <mutex>
#include <windows.h>

class COpenBoxes {
public:
    static constexpr size_t kMaxPerMonitor = 4;
    static constexpr size_t kMaxInProcess = 16;

    COpenBoxes(size_t maxPerMonitor = kMaxPerMonitor, size_t maxInProcess = kMaxInProcess)
        : m_maxPerMonitor(maxPerMonitor), m_maxInProcess(maxInProcess) {}
    COpenBoxes(const COpenBoxes&) = delete;
    COpenBoxes& operator=(const COpenBoxes&) = delete;

    // Takes room for one more box of `monitor`: false when the monitor or the process
    // has all the open boxes it may have.
    bool Take(UINT64 monitor);
    // A box of `monitor` has closed (or was never shown).
    void Give(UINT64 monitor);

    // The process's own, never destroyed (a box may close while the process ends).
    static COpenBoxes& Process();

private:
    std::mutex m_lock;
    std::map<UINT64, size_t> m_open;
    size_t m_total = 0;
    const size_t m_maxPerMonitor;
    const size_t m_maxInProcess;
};

// Room for one box, given back when it goes (with the worker's job that holds it).
class CBoxRoom {
public:
    CBoxRoom() = default;
    explicit CBoxRoom(UINT64 monitor, COpenBoxes& boxes = COpenBoxes::Process())
        : m_boxes(boxes.Take(monitor) ? &boxes : nullptr), m_monitor(monitor) {}
    CBoxRoom(CBoxRoom&& other) noexcept : m_boxes(other.m_boxes), m_monitor(other.m_monitor) {
        other.m_boxes = nullptr;
    }
    CBoxRoom& operator=(CBoxRoom&& other) noexcept {
        if (this != &other) {
            Free();
            m_boxes = other.m_boxes;
            m_monitor = other.m_monitor;
            other.m_boxes = nullptr;
        }
        return *this;
    }
    ~CBoxRoom() { Free(); }

    // False when there was no room.
    explicit operator bool() const { return m_boxes != nullptr; }

private:
    void Free() {
        if (m_boxes) m_boxes->Give(m_monitor);
        m_boxes = nullptr;
    }
    COpenBoxes* m_boxes = nullptr;
    UINT64 m_monitor = 0;
};
