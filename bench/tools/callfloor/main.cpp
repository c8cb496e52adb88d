// callfloor: the calls a check is made of under Wine, and nothing else, so that the
// cost of the program's checks can be set against what those calls cost by themselves.
// COUNT threads each make one check a second and report it to a window on the main
// thread with SendMessageW, as the monitoring threads do; the window's procedure
// returns at once. No guard, no pool, no notification, no drawing.
//   callfloor ping COUNT          IcmpSendEcho to 127.0.0.1, 127.0.0.2, ... (a handle
//                                 per thread, kept; 1 byte of data, 1060-byte reply)
//   callfloor url COUNT URL       a WinINet session per check: the five time-outs, the
//                                 request (reload, no cache, ASCII), the page read whole
// Runs until it is ended.
#include <winsock2.h>
#include <windows.h>

#include <iphlpapi.h>
#include <icmpapi.h>
#include <wininet.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr UINT kReport = WM_USER + 4;
constexpr DWORD kTimeOutMs = 3000;
HWND g_window = nullptr;

struct Job {
    bool ping = true;
    IPAddr address = 0;
    std::wstring host, object;
    INTERNET_PORT port = 80;
};

DWORD PingOnce(HANDLE icmp, IPAddr address) {
    char data = 0;
    char reply[1060];
    return IcmpSendEcho(icmp, address, &data, 1, nullptr, reply, sizeof(reply), kTimeOutMs);
}

DWORD FetchOnce(const Job& job) {
    HINTERNET session = InternetOpenW(L"", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    if (!session) return 0;
    const DWORD options[] = {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT,
                             INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_DATA_RECEIVE_TIMEOUT,
                             INTERNET_OPTION_DATA_SEND_TIMEOUT};
    for (DWORD option : options) {
        DWORD value = kTimeOutMs;
        InternetSetOptionW(session, option, &value, sizeof(value));
    }
    DWORD total = 0;
    HINTERNET connection = InternetConnectW(session, job.host.c_str(), job.port, nullptr, nullptr,
                                            INTERNET_SERVICE_HTTP, 0, 1);
    if (connection) {
        HINTERNET request = HttpOpenRequestW(connection, L"GET", job.object.c_str(), nullptr, nullptr, nullptr,
                                             INTERNET_FLAG_RELOAD | INTERNET_FLAG_DONT_CACHE |
                                                 INTERNET_FLAG_TRANSFER_ASCII,
                                             1);
        if (request && HttpSendRequestW(request, nullptr, 0, nullptr, 0)) {
            char buffer[4096];
            DWORD read = 0;
            while (InternetReadFile(request, buffer, sizeof(buffer), &read) && read > 0) total += read;
        }
        if (request) InternetCloseHandle(request);
        InternetCloseHandle(connection);
    }
    InternetCloseHandle(session);
    return total;
}

DWORD WINAPI CheckLoop(void* parameter) {
    const Job& job = *static_cast<const Job*>(parameter);
    HANDLE icmp = job.ping ? IcmpCreateFile() : INVALID_HANDLE_VALUE;
    for (;;) {
        const DWORD started = GetTickCount();
        DWORD result = job.ping ? PingOnce(icmp, job.address) : FetchOnce(job);
        SendMessageW(g_window, kReport, 0, reinterpret_cast<LPARAM>(&result));
        const DWORD spent = GetTickCount() - started;
        Sleep(spent < 1000 ? 1000 - spent : 0);
    }
}

// Splits http://host[:port]/object.
bool ParseUrl(const std::wstring& url, Job& job) {
    const std::wstring scheme = L"http://";
    if (url.compare(0, scheme.size(), scheme) != 0) return false;
    const size_t slash = url.find(L'/', scheme.size());
    std::wstring authority = url.substr(scheme.size(), slash - scheme.size());
    job.object = slash == std::wstring::npos ? L"/" : url.substr(slash);
    const size_t colon = authority.find(L':');
    if (colon != std::wstring::npos) {
        job.port = static_cast<INTERNET_PORT>(_wtoi(authority.c_str() + colon + 1));
        authority.resize(colon);
    }
    job.host = authority;
    return !job.host.empty();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring kind = argc > 1 ? argv[1] : L"";
    const int count = argc > 2 ? _wtoi(argv[2]) : 0;
    if ((kind != L"ping" && (kind != L"url" || argc < 4)) || count <= 0) {
        fwprintf(stderr, L"usage: callfloor ping COUNT | callfloor url COUNT URL\n");
        return 2;
    }
    Job prototype;
    prototype.ping = kind == L"ping";
    if (!prototype.ping && !ParseUrl(argv[3], prototype)) {
        fwprintf(stderr, L"callfloor: only http://host[:port]/path URLs\n");
        return 2;
    }

    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"CallFloorReports";
    RegisterClassW(&windowClass);
    g_window = CreateWindowW(windowClass.lpszClassName, L"callfloor", 0, 0, 0, 0, 0, nullptr, nullptr,
                             windowClass.hInstance, nullptr);

    std::vector<Job> jobs(count, prototype);
    for (int i = 0; i < count; ++i) {
        if (prototype.ping) jobs[i].address = htonl(0x7F000001u + static_cast<u_long>(i));  // 127.0.0.1 + i
        // Spread over the second as the program's threads end up, each on its own phase.
        CloseHandle(CreateThread(nullptr, 0, CheckLoop, &jobs[i], 0, nullptr));
        Sleep(1000 / count);
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
