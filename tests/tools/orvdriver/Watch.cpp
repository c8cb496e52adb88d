// watch PID TITLE INTERVAL_MS SECONDS: a line of NAME=VALUE pairs every interval until the
// time is up or the process ends (then "ended=1"): what the process holds, and answer_ms,
// how long its window titled TITLE took to answer WM_NULL (-1: not within 1 s).
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "ProcessCounts.h"
#include "support/ProcessWindow.h"

namespace {

double NowMs() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) * 1000.0 / frequency.QuadPart;
}

double AnswerTime(DWORD pid, const wchar_t* title) {
    HWND window = FindProcessWindow(pid, title, false);
    DWORD_PTR result = 0;
    double start = NowMs();
    if (!window || !SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result)) return -1;
    return NowMs() - start;
}

}  // namespace

// Returns -1 for a command that is not this one.
int RunWatchCommand(int argc, wchar_t** argv) {
    if (std::wstring(argv[1]) != L"watch") return -1;
    if (argc < 6) return 2;
    const DWORD pid = wcstoul(argv[2], nullptr, 10), interval = wcstoul(argv[4], nullptr, 10);
    const double start = NowMs(), end = start + 1000.0 * wcstoul(argv[5], nullptr, 10);
    for (double next = start; NowMs() < end; next += interval) {
        double answer = AnswerTime(pid, argv[3]);
        ProcessCounts c;
        if (!ReadProcessCounts(pid, c)) {
            wprintf(L"t_s=%.1f ended=1\n", (NowMs() - start) / 1000.0);
            return 1;
        }
        wprintf(L"t_s=%.1f answer_ms=%.1f handles=%ld gdi=%ld threads=%ld windows=%ld private_kb=%ld ws_kb=%ld\n",
                (NowMs() - start) / 1000.0, answer, c.handles, c.gdiObjects, c.threads, c.windows, c.privateKb,
                c.workingSetKb);
        fflush(stdout);
        double wait = next + interval - NowMs();
        if (wait > 0) Sleep(static_cast<DWORD>(wait));
    }
    return 0;
}
