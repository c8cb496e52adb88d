#pragma once
// Time of one check, measured with the performance counter: milliseconds truncated
// from signed 64-bit arithmetic, kept as their low 32 bits.
#include <windows.h>

class CElapsedTimer {
public:
    CElapsedTimer() { Restart(); }

    void Restart() {
        QueryPerformanceFrequency(&m_frequency);
        QueryPerformanceCounter(&m_start);
    }

    DWORD ElapsedMs() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return MillisecondsBetween(m_start.QuadPart, now.QuadPart, m_frequency.QuadPart);
    }

    static DWORD MillisecondsBetween(LONGLONG start, LONGLONG end, LONGLONG frequency) {
        if (frequency <= 0) return 0;
        return static_cast<DWORD>((end - start) * 1000 / frequency);
    }

private:
    LARGE_INTEGER m_frequency;
    LARGE_INTEGER m_start;
};
