#pragma once
// What another process holds, read from outside: handles, GDI objects, threads,
// windows and memory. Where Wine leaves a documented call unimplemented (it answers 0
// for GetProcessHandleCount and GetGuiResources), the same count is taken by copying the
// process's handles one by one and from the process's own GDI handle table.
#include <windows.h>

struct ProcessCounts {
    long handles = -1;       // kernel handles
    long gdiObjects = -1;    // GDI objects, without the stock objects every process has
    long threads = -1;
    long windows = -1;       // top-level and child windows
    long privateKb = -1;     // private bytes (commit charge)
    long workingSetKb = -1;
};

// False when the process cannot be opened (it has ended).
bool ReadProcessCounts(DWORD pid, ProcessCounts& counts);
