#include "framework/WinInetReceiveWatch.h"

#include <winsock2.h>
#include <windows.h>

#include "framework/PageProtection.h"

namespace fw {

namespace {
using RecvFunction = int(WSAAPI*)(SOCKET, char*, int, int);

RecvFunction g_recv = nullptr;  // the real recv, set once before any slot points past it
thread_local ReceiveObserver t_observer = nullptr;
thread_local GivenUpQuery t_givenUp = nullptr;
thread_local void* t_context = nullptr;

bool GivenUp() { return t_givenUp && t_givenUp(t_context); }

int RefuseReceive() {
    WSASetLastError(WSAECONNABORTED);
    return SOCKET_ERROR;
}

int WSAAPI WatchedRecv(SOCKET s, char* buffer, int length, int flags) {
    if (GivenUp()) return RefuseReceive();
    int received = g_recv(s, buffer, length, flags);
    // Given up while waiting: what came is not handed on, so WinINet stops here too.
    if (received > 0 && GivenUp()) return RefuseReceive();
    // A peek (WinINet's test that a kept connection is still open) brings nothing new.
    if (received > 0 && !(flags & MSG_PEEK) && t_observer) t_observer(t_context);
    return received;
}

// Points every slot of `module`'s import table that holds `target` at `replacement`.
// Matching the resolved address finds recv imported by name and by ordinal alike.
bool RedirectImports(HMODULE module, void* target, void* replacement) {
    auto* base = reinterpret_cast<BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE) return false;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    if (nt->Signature != IMAGE_NT_SIGNATURE) return false;
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!imports.VirtualAddress) return false;
    bool redirected = false;
    for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         entry->Name; ++entry) {
        for (auto* slot = reinterpret_cast<void**>(base + entry->FirstThunk); *slot; ++slot) {
            if (*slot != target) continue;
            const CWritableBytes writable(slot, sizeof(*slot));
            if (!writable.Writable()) continue;
            InterlockedExchangePointer(slot, replacement);
            redirected = true;
        }
    }
    return redirected;
}

bool InstallWatch() {
    HMODULE wininet = GetModuleHandleW(L"wininet.dll");
    HMODULE winsock = GetModuleHandleW(L"ws2_32.dll");
    if (!wininet || !winsock) return false;
    auto* recv = reinterpret_cast<void*>(GetProcAddress(winsock, "recv"));
    if (!recv) return false;
    g_recv = reinterpret_cast<RecvFunction>(recv);
    return RedirectImports(wininet, recv, reinterpret_cast<void*>(&WatchedRecv));
}
}  // namespace

bool CWinInetReceiveWatch::Available() {
    static const bool installed = InstallWatch();  // once, whichever thread comes first
    return installed;
}

CWinInetReceiveWatch::CWinInetReceiveWatch(ReceiveObserver observer, GivenUpQuery givenUp, void* context) {
    if (!Available()) return;
    t_context = context;
    t_observer = observer;
    t_givenUp = givenUp;
}

CWinInetReceiveWatch::~CWinInetReceiveWatch() {
    t_observer = nullptr;
    t_givenUp = nullptr;
    t_context = nullptr;
}

}  // namespace fw
