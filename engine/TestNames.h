#pragma once
// Monitors named by a test name report a fixed or random status instead of checking.
#include <cstdint>
#include <string>
#include <windows.h>

bool IsTestName(const std::wstring& name);

// The C library's rand() sequence from seed 1, kept per thread, so "*RAND*" monitors
// give the same statuses on every runtime.
class CCrtRand {
public:
    int Next() {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFF);
    }

private:
    uint32_t m_state = 1;
};

struct TestOutcome {
    int status;
    DWORD timeMs;
    DWORD error;
    DWORD ipStatus;
};

// The result of a test-named monitor for one cycle. `current` holds the cycle's
// values before the test name applies (status 4, error 0, IP status 0, the time of an
// earlier cycle); a name that is no test name returns it unchanged.
TestOutcome ApplyTestName(const std::wstring& name, UINT method, CCrtRand& rng, const TestOutcome& current);
