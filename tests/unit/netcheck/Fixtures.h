#pragma once
// What the fixture-based network tests share: the ports of the loopback servers that
// tests/fixtures/netcheck_server.py starts (handed over in the environment by
// tests/fixtures/run_netcheck.sh), Winsock, and the check time-out they run under.
// Without those servers the tests are skipped: they never reach beyond loopback, and
// run by hand outside the test namespace even a failed name lookup would.
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

// The value of NETFIX_<name> from the environment, 0 when missing.
UINT FixturePort(const char* name);

// The check time-out of these tests, in milliseconds.
constexpr DWORD kTestTimeOut = 1000;

// A step that WinINet or the system does not end in time is given up within the
// time-out and 500 ms; the test allows a little more for a busy machine's scheduling
// (the benchmark measures the bound itself).
constexpr DWORD kStepBound = kTestTimeOut + 500 + 100;

// A check that must end by itself ends within this bound, generous on purpose.
constexpr DWORD kHangBound = 2 * kTestTimeOut;

#define NEED_FIXTURE(var, name)                                               \
    const UINT var = FixturePort(name);                                       \
    if (!var) GTEST_SKIP() << "needs the loopback fixtures (" name " unset)"

// Milliseconds since some fixed moment, for hang bounds only.
inline DWORD NowMs() { return GetTickCount(); }
