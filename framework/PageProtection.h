#pragma once
// Writing into memory the loader protected (an import table slot), without taking away
// anything another thread relies on: the table may share a page with code that is
// running, so an executable page stays executable while it is written.
#include <windows.h>

namespace fw {

// The protection that makes a page of protection `current` writable: PAGE_EXECUTE_READWRITE
// when it was executable, PAGE_READWRITE otherwise.
DWORD WritableProtection(DWORD current);

// For one scope: `size` bytes at `address` are writable; the old protection is back after.
class CWritableBytes {
public:
    CWritableBytes(void* address, SIZE_T size);
    ~CWritableBytes();
    CWritableBytes(const CWritableBytes&) = delete;
    CWritableBytes& operator=(const CWritableBytes&) = delete;

    // False when the protection could not be changed (then nothing may be written).
    bool Writable() const { return m_writable; }

private:
    void* m_address;
    SIZE_T m_size;
    DWORD m_oldProtection = 0;
    bool m_writable = false;
};

}  // namespace fw
