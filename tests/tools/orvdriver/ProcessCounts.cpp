#include "ProcessCounts.h"

#include <psapi.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <vector>

namespace {

using NtQueryInformationThreadFn = NTSTATUS(NTAPI*)(HANDLE, ULONG, PVOID, ULONG, PULONG);

FARPROC NtdllEntry(const char* name) { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), name); }

// Handle values are multiples of 4 from 4 on, and a process's table is filled from its
// lowest free entry: past this many values in a row that name nothing, none is in use.
constexpr DWORD kHandleProbeGap = 1024;

// The handles of another process, counted by asking for a duplicate of each value in turn.
// The system's handle list would be quicker, but Wine's server crashes walking it while a
// process that inherits no handles is starting (its table is still empty), and the program
// starts such processes at any time.
long HandlesByDuplicating(HANDLE process) {
    long count = 0;
    for (DWORD value = 4, gap = 0; gap < kHandleProbeGap; value += 4) {
        HANDLE copy = nullptr;
        if (DuplicateHandle(process, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(value)), GetCurrentProcess(),
                            &copy, 0, FALSE, DUPLICATE_SAME_ACCESS)) {
            CloseHandle(copy);
            ++count;
            gap = 0;
        } else if (GetLastError() == ERROR_INVALID_HANDLE) {
            ++gap;
        } else {
            ++count;  // a handle that may not be copied is still in use
            gap = 0;
        }
    }
    return count;
}

long CountHandles(HANDLE process) {
    DWORD count = 0;
    if (GetProcessHandleCount(process, &count) && count > 0) return static_cast<long>(count);
    return HandlesByDuplicating(process);
}

DWORD AnyThreadOf(DWORD pid, long* threadCount) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    DWORD first = 0;
    long n = 0;
    if (Thread32First(snapshot, &entry)) {
        do {
            if (entry.th32OwnerProcessID != pid) continue;
            if (!first) first = entry.th32ThreadID;
            ++n;
        } while (Thread32Next(snapshot, &entry));
    }
    CloseHandle(snapshot);
    if (threadCount) *threadCount = n;
    return first;
}

// Wine's GDI handle table entry (24 bytes); a type of 0 marks a free entry, the top bit
// of the extended type a stock object.
#pragma pack(push, 8)
struct WineGdiEntry {
    unsigned long long object;
    ULONG owner;
    UCHAR extType;
    UCHAR generation;
    UCHAR type;
    UCHAR flags;
    unsigned long long userPointer;
};
#pragma pack(pop)
constexpr size_t kWineGdiEntries = 0x10000;
// Where the 64-bit TEB and PEB of a 32-bit process keep the way to the table.
constexpr size_t kTeb32ToTeb64 = 0xF70;
constexpr size_t kTeb64ToPeb64 = 0x60;
constexpr size_t kPeb64ToGdiTable = 0xF8;

struct ThreadBasicInformation {
    NTSTATUS exitStatus;
    PVOID tebBaseAddress;
    CLIENT_ID clientId;
    ULONG_PTR affinityMask;
    LONG priority;
    LONG basePriority;
};

template <typename T>
bool ReadRemote(HANDLE process, unsigned long long address, T& value) {
    SIZE_T read = 0;
    return address && address <= 0xFFFFFFFFull &&
           ReadProcessMemory(process, reinterpret_cast<LPCVOID>(static_cast<ULONG_PTR>(address)), &value,
                             sizeof(value), &read) &&
           read == sizeof(value);
}

long GdiObjectsFromWineTable(HANDLE process, DWORD anyThread) {
    auto query = reinterpret_cast<NtQueryInformationThreadFn>(NtdllEntry("NtQueryInformationThread"));
    HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, anyThread);
    if (!query || !thread) {
        if (thread) CloseHandle(thread);
        return -1;
    }
    ThreadBasicInformation info = {};
    NTSTATUS status = query(thread, 0, &info, sizeof(info), nullptr);
    CloseHandle(thread);
    if (status < 0) return -1;
    ULONG teb64 = 0;
    unsigned long long peb64 = 0, table = 0;
    if (!ReadRemote(process, reinterpret_cast<ULONG_PTR>(info.tebBaseAddress) + kTeb32ToTeb64, teb64) ||
        !ReadRemote(process, teb64 + kTeb64ToPeb64, peb64) || !ReadRemote(process, peb64 + kPeb64ToGdiTable, table) ||
        table > 0xFFFFFFFFull)
        return -1;
    std::vector<WineGdiEntry> entries(kWineGdiEntries);
    SIZE_T read = 0;
    if (!ReadProcessMemory(process, reinterpret_cast<LPCVOID>(static_cast<ULONG_PTR>(table)), entries.data(),
                           entries.size() * sizeof(WineGdiEntry), &read))
        return -1;
    long used = 0;
    for (const WineGdiEntry& e : entries)
        if (e.type && !(e.extType & 0x80)) ++used;
    return used;
}

struct WindowCount {
    DWORD pid;
    long count;
};

BOOL CALLBACK CountChild(HWND, LPARAM param) {
    ++reinterpret_cast<WindowCount*>(param)->count;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM param) {
    auto* c = reinterpret_cast<WindowCount*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != c->pid) return TRUE;
    ++c->count;
    EnumChildWindows(hwnd, CountChild, param);
    return TRUE;
}

}  // namespace

bool ReadProcessCounts(DWORD pid, ProcessCounts& counts) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | PROCESS_DUP_HANDLE, FALSE, pid);
    if (!process) return false;
    DWORD exitCode = 0;
    if (GetExitCodeProcess(process, &exitCode) && exitCode != STILL_ACTIVE) {
        CloseHandle(process);
        return false;
    }
    counts = ProcessCounts();
    counts.handles = CountHandles(process);
    DWORD anyThread = AnyThreadOf(pid, &counts.threads);
    DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
    counts.gdiObjects = gdi ? static_cast<long>(gdi) : GdiObjectsFromWineTable(process, anyThread);
    WindowCount windows = {pid, 0};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&windows));
    counts.windows = windows.count;
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof(memory);
    if (GetProcessMemoryInfo(process, &memory, sizeof(memory))) {
        counts.privateKb = static_cast<long>(memory.PagefileUsage / 1024);
        counts.workingSetKb = static_cast<long>(memory.WorkingSetSize / 1024);
    }
    CloseHandle(process);
    return true;
}
