#pragma once
// Owner of one kernel handle (file, mutex, event, thread...), closed when it goes.
#include <windows.h>

namespace fw {

class CHandle {
public:
    explicit CHandle(HANDLE handle = nullptr) : m_h(handle) {}
    ~CHandle() { Close(); }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;

    // False for none and for INVALID_HANDLE_VALUE.
    bool Valid() const { return m_h && m_h != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_h; }
    void Close() {
        if (Valid()) CloseHandle(m_h);
        m_h = nullptr;
    }

private:
    HANDLE m_h;
};

}  // namespace fw
