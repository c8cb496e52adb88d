// checktimer: runs the program's own network check against one target a number of
// times, one check after the other on this thread as a monitoring thread would, and
// prints for each check its status, codes, reported time and how long it took; at the
// end, how the private bytes grew over the second half of the checks (so that what
// the first checks set up once is not counted).
//   checktimer ping4|ping6|tcp4|tcp6|url TARGET PORT TIMEOUT_MS SAMPLES [PHRASE]
// TARGET is a host for ping and tcp, the whole URL for url (PORT is then ignored).
#include <winsock2.h>
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "engine/NetCheck.h"
#include "framework/StringUtil.h"
#include "model/GlobalSettings.h"

namespace {

int Usage() {
    fwprintf(stderr, L"usage: checktimer ping4|ping6|tcp4|tcp6|url TARGET PORT TIMEOUT_MS SAMPLES [PHRASE]\n");
    return 2;
}

long PrivateKb() {
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof(memory);
    // PagefileUsage is the commit charge: the process's private bytes.
    return GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory))
               ? static_cast<long>(memory.PagefileUsage / 1024)
               : -1;
}

int RunOnce(CNetCheck& check, const std::wstring& method, const std::string& target, UINT port,
            const std::wstring& phrase) {
    if (method == L"ping4") return check.PingIPv4(target);
    if (method == L"ping6") return check.PingIPv6(target);
    if (method == L"tcp4") return check.TcpConnectIPv4(target, port);
    if (method == L"tcp6") return check.TcpConnectIPv6(target, port);
    return check.CheckUrl(target, phrase);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 6) return Usage();
    const std::wstring method = argv[1];
    if (method != L"ping4" && method != L"ping6" && method != L"tcp4" && method != L"tcp6" && method != L"url")
        return Usage();
    const std::string target = fw::ToNarrow(argv[2]);
    const UINT port = static_cast<UINT>(wcstoul(argv[3], nullptr, 10));
    g_dwTimeOut = static_cast<DWORD>(wcstoul(argv[4], nullptr, 10));
    const unsigned samples = static_cast<unsigned>(wcstoul(argv[5], nullptr, 10));
    const std::wstring phrase = argc > 6 ? argv[6] : L"";

    WSADATA wsa;
    if (WSAStartup(MAKEWORD(2, 2), &wsa) != 0) return 1;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    CNetCheck check;
    long privateAtHalf = -1;
    for (unsigned i = 0; i < samples; ++i) {
        if (i == samples / 2) {
            // A URL check's fetch thread ends just after the check: let it go first.
            Sleep(200);
            privateAtHalf = PrivateKb();
        }
        // As a monitoring thread does before every check.
        check.m_dwError = 0;
        check.m_dwIpStatus = 0;
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        int status = RunOnce(check, method, target, port, phrase);
        QueryPerformanceCounter(&end);
        double elapsed = static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart;
        wprintf(L"sample=%u status=%d error=%lu ipstatus=%lu time_ms=%ld elapsed_ms=%.3f\n", i, status,
                check.m_dwError, check.m_dwIpStatus,
                check.m_dwTimeMs == kNoTime ? -1L : static_cast<long>(check.m_dwTimeMs), elapsed);
        fflush(stdout);
    }
    Sleep(200);
    wprintf(L"private_kb_half=%ld private_kb_end=%ld checks_after_half=%u\n", privateAtHalf, PrivateKb(),
            samples - samples / 2);
    WSACleanup();
    return 0;
}
