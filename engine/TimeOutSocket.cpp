#include "engine/TimeOutSocket.h"

CTimeOutSocket::~CTimeOutSocket() { KillTimeOut(); }

bool CTimeOutSocket::SetTimeOut(UINT milliseconds) {
    KillTimeOut();
    m_nTimerID = SetTimer(nullptr, 0, milliseconds, nullptr);
    return m_nTimerID != 0;
}

void CTimeOutSocket::KillTimeOut() {
    if (m_nTimerID) KillTimer(nullptr, m_nTimerID);
    m_nTimerID = 0;
}

bool CTimeOutSocket::OnMessagePending() {
    MSG message;
    if (m_nTimerID && PeekMessageW(&message, nullptr, WM_TIMER, WM_TIMER, PM_NOREMOVE) &&
        message.wParam == m_nTimerID) {
        PeekMessageW(&message, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE);
        CancelBlockingCall();
        return false;
    }
    return fw::CSocket::OnMessagePending();
}
