#pragma once
// A blocking socket whose connection attempt a thread timer cancels: the timer's
// WM_TIMER arrives in the queue that the blocking connect pumps.
#include "framework/Socket.h"

class CTimeOutSocket : public fw::CSocket {
public:
    CTimeOutSocket() = default;
    ~CTimeOutSocket() override;

    // Starts the thread timer; false (reason in GetLastError) when the system gives none.
    bool SetTimeOut(UINT milliseconds);
    void KillTimeOut();

    UINT_PTR m_nTimerID = 0;

protected:
    bool OnMessagePending() override;
};
