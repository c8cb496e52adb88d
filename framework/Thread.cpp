#include "framework/Thread.h"

#include <memory>
#include <process.h>

namespace fw {

CWinThread::CWinThread() = default;

CWinThread::~CWinThread() = default;

bool CWinThread::CreateThread(DWORD flags, UINT stackSize) {
    unsigned id = 0;
    uintptr_t handle = _beginthreadex(nullptr, stackSize, &CWinThread::ThreadMain, this,
                                      flags | (stackSize ? STACK_SIZE_PARAM_IS_A_RESERVATION : 0), &id);
    if (!handle) return false;
    m_hThread = AdoptThreadHandle(handle);
    m_nThreadID = id;
    return true;
}

DWORD CWinThread::ResumeThread() { return ::ResumeThread(m_hThread); }
DWORD CWinThread::SuspendThread() { return ::SuspendThread(m_hThread); }

unsigned __stdcall CWinThread::ThreadMain(void* param) {
    auto* self = static_cast<CWinThread*>(param);
    self->InitInstance();
    int code = self->ExitInstance();
    std::unique_ptr<CWinThread> owned(self->m_bAutoDelete ? self : nullptr);
    return static_cast<unsigned>(code);
}

bool BeginDetachedThread(unsigned(__stdcall* proc)(void*), void* param, UINT stackSize) {
    uintptr_t handle = _beginthreadex(nullptr, stackSize, proc, param,
                                      stackSize ? STACK_SIZE_PARAM_IS_A_RESERVATION : 0, nullptr);
    if (!handle) return false;
    CHandle notKept = AdoptThreadHandle(handle);  // the thread runs on without it
    return true;
}

}  // namespace fw
