// procwatch: watches another process from outside: what it holds (handles, GDI
// objects, threads, windows, memory) and how fast its window answers a message.
//   procwatch sample PID
//       one line of counts
//   procwatch watch PID TITLE INTERVAL_MS SECONDS
//       a line every interval until the time is up or the process ends; answer_ms is
//       how long the window titled TITLE took to answer WM_NULL (-1: not within 1 s)
// Lines are NAME=VALUE pairs.
#include <windows.h>

#include "support/ProcessWindow.h"

#include <cstdio>
#include <cwchar>
#include <string>

#include "ProcessCounts.h"

namespace {

constexpr UINT kAnswerLimitMs = 1000;

double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / frequency.QuadPart;
}

// How long the window takes to answer WM_NULL; -1 when it does not within the limit
// (or there is no such window).
double AnswerTime(DWORD pid, const wchar_t* title) {
    HWND window = FindProcessWindow(pid, title, false);
    if (!window) return -1;
    DWORD_PTR result = 0;
    double start = NowMs();
    if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerLimitMs, &result)) return -1;
    return NowMs() - start;
}

void PrintCounts(const ProcessCounts& c) {
    wprintf(L"handles=%ld gdi=%ld threads=%ld windows=%ld private_kb=%ld ws_kb=%ld", c.handles, c.gdiObjects,
            c.threads, c.windows, c.privateKb, c.workingSetKb);
}

int Usage() {
    fwprintf(stderr, L"usage: procwatch sample PID | watch PID TITLE INTERVAL_MS SECONDS\n");
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return Usage();
    const std::wstring cmd = argv[1];
    const DWORD pid = wcstoul(argv[2], nullptr, 10);
    if (cmd == L"sample") {
        ProcessCounts counts;
        if (!ReadProcessCounts(pid, counts)) return 1;
        PrintCounts(counts);
        wprintf(L"\n");
        return 0;
    }
    if (cmd != L"watch" || argc < 6) return Usage();
    const wchar_t* title = argv[3];
    const DWORD interval = wcstoul(argv[4], nullptr, 10);
    const double end = NowMs() + 1000.0 * wcstoul(argv[5], nullptr, 10);
    const double start = NowMs();
    for (double next = start; NowMs() < end; next += interval) {
        double answer = AnswerTime(pid, title);
        ProcessCounts counts;
        if (!ReadProcessCounts(pid, counts)) {
            wprintf(L"t_s=%.1f ended=1\n", (NowMs() - start) / 1000.0);
            return 1;
        }
        wprintf(L"t_s=%.1f answer_ms=%.1f ", (NowMs() - start) / 1000.0, answer);
        PrintCounts(counts);
        wprintf(L"\n");
        fflush(stdout);
        double wait = next + interval - NowMs();
        if (wait > 0) Sleep(static_cast<DWORD>(wait));
    }
    return 0;
}
