#pragma once
// A worker thread object: created suspended, run by InitInstance, and deleted by its
// own thread when m_bAutoDelete is set and the thread ends.
#include <windows.h>

#include "framework/Handle.h"

namespace fw {

class CWinThread {
public:
    CWinThread();
    virtual ~CWinThread();

    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;

    // Creates the system thread (suspended when `flags` holds CREATE_SUSPENDED).
    // Returns false when the system cannot create it; the object is then untouched.
    bool CreateThread(DWORD flags = CREATE_SUSPENDED, UINT stackSize = 0);
    DWORD ResumeThread();
    DWORD SuspendThread();

    // The thread's work. Returning ends the thread: ExitInstance runs, then the
    // object is deleted when m_bAutoDelete is set.
    virtual void InitInstance() = 0;
    virtual int ExitInstance() { return 0; }

    bool m_bAutoDelete = false;
    CHandle m_hThread;
    unsigned m_nThreadID = 0;

private:
    static unsigned __stdcall ThreadMain(void* param);
};

// Runs `proc(param)` on a new detached thread; false when it cannot be created.
bool BeginDetachedThread(unsigned(__stdcall* proc)(void*), void* param, UINT stackSize = 0);

}  // namespace fw
