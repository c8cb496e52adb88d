#pragma once
// Room for notification work that holds something of the process while it lasts. An open
// message box keeps a thread until someone clicks it; a program waiting to start keeps its
// place in the programs' lane, and a start can block for minutes (a program on a network
// path whose server is gone), holding one of the lane's few workers. A host that flaps all
// night would pile up either without end: both are bounded per monitor and for the whole
// process. A monitor is named by its call budget (CMonitorRecord::CallBudget): the same
// across its restarts, fresh for a new record even where a deleted one's memory is used
// again. Work that finds no room is not done; the notification's other kinds still come.
#include <cstddef>
#include <map>
#include <mutex>
#include <windows.h>

// What asking for room gives: room, or which bound is reached.
enum class RoomAnswer { Given, MonitorFull, ProcessFull };

class CNotificationRoom {
public:
    CNotificationRoom(size_t maxPerMonitor, size_t maxInProcess)
        : m_maxPerMonitor(maxPerMonitor), m_maxInProcess(maxInProcess) {}
    CNotificationRoom(const CNotificationRoom&) = delete;
    CNotificationRoom& operator=(const CNotificationRoom&) = delete;

    // Takes room for one more piece of work of `monitor`, unless the monitor or the process
    // has all it may have.
    RoomAnswer Take(UINT64 monitor);
    // A piece of work of `monitor` is done (or was never started).
    void Give(UINT64 monitor);

    size_t MaxPerMonitor() const { return m_maxPerMonitor; }
    size_t MaxInProcess() const { return m_maxInProcess; }

private:
    std::mutex m_lock;
    std::map<UINT64, size_t> m_held;
    size_t m_total = 0;
    const size_t m_maxPerMonitor;
    const size_t m_maxInProcess;
};

// Room for one piece of work, given back when it goes (with the worker's job that holds it).
class CRoom {
public:
    CRoom() = default;
    CRoom(UINT64 monitor, CNotificationRoom& room) : m_answer(room.Take(monitor)), m_monitor(monitor) {
        if (m_answer == RoomAnswer::Given) m_room = &room;
    }
    CRoom(CRoom&& other) noexcept : m_room(other.m_room), m_answer(other.m_answer), m_monitor(other.m_monitor) {
        other.m_room = nullptr;
    }
    CRoom& operator=(CRoom&& other) noexcept {
        if (this != &other) {
            Free();
            m_room = other.m_room;
            m_answer = other.m_answer;
            m_monitor = other.m_monitor;
            other.m_room = nullptr;
        }
        return *this;
    }
    ~CRoom() { Free(); }

    // False when there was no room; Answer says which bound was reached.
    explicit operator bool() const { return m_room != nullptr; }
    RoomAnswer Answer() const { return m_answer; }

private:
    void Free() {
        if (m_room) m_room->Give(m_monitor);
        m_room = nullptr;
    }
    CNotificationRoom* m_room = nullptr;
    RoomAnswer m_answer = RoomAnswer::ProcessFull;
    UINT64 m_monitor = 0;
};
