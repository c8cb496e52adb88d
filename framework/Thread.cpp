#include "framework/Thread.h"

#include <process.h>

namespace fw {

CWinThread::CWinThread() = default;

CWinThread::~CWinThread() {
    if (m_hThread) CloseHandle(m_hThread);
}

bool CWinThread::CreateThread(DWORD flags, UINT stackSize) {
    unsigned id = 0;
    uintptr_t handle = _beginthreadex(nullptr, stackSize, &CWinThread::ThreadMain, this,
                                      flags | (stackSize ? STACK_SIZE_PARAM_IS_A_RESERVATION : 0), &id);
    if (!handle) return false;
    m_hThread = reinterpret_cast<HANDLE>(handle);
    m_nThreadID = id;
    return true;
}

DWORD CWinThread::ResumeThread() { return ::ResumeThread(m_hThread); }
DWORD CWinThread::SuspendThread() { return ::SuspendThread(m_hThread); }

unsigned __stdcall CWinThread::ThreadMain(void* param) {
    auto* self = static_cast<CWinThread*>(param);
    self->InitInstance();
    int code = self->ExitInstance();
    if (self->m_bAutoDelete) delete self;
    return static_cast<unsigned>(code);
}

bool BeginDetachedThread(unsigned(__stdcall* proc)(void*), void* param, UINT stackSize) {
    uintptr_t handle = _beginthreadex(nullptr, stackSize, proc, param,
                                      stackSize ? STACK_SIZE_PARAM_IS_A_RESERVATION : 0, nullptr);
    if (!handle) return false;
    CloseHandle(reinterpret_cast<HANDLE>(handle));
    return true;
}

}  // namespace fw
