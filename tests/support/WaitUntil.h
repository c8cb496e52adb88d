#pragma once
// Waiting for what another thread or process does in its own time (a window shown, a
// file written, a count reached): asked again and again, within a bound.
#include <windows.h>

// Asks `done` every `intervalMs` until it holds or `timeoutMs` have passed; returns its
// last answer, so a bound reached just as the condition came true still counts.
template <class Done>
bool WaitUntil(Done done, DWORD timeoutMs, DWORD intervalMs = 20) {
    for (const DWORD start = GetTickCount();; Sleep(intervalMs)) {
        if (done()) return true;
        if (GetTickCount() - start >= timeoutMs) return done();
    }
}
