#include "engine/NetThread.h"

#include "framework/AppMessage.h"
#include "framework/StringUtil.h"
#include "framework/TimeText.h"
#include "model/Messages.h"
#include "model/RecordLink.h"

#include <winsock2.h>

CNetThread::CNetThread() = default;

CNetThread::~CNetThread() {
    if (m_pLink) m_pLink->SetRunningCopy(nullptr);
}

void CNetThread::Prepare(const CMonitorRecord& owner, CRecordLink* link) {
    m_Record = owner;
    m_pLink = fw::CComPtr<CRecordLink>(link);
    link->SetRunningCopy(&m_Record);
    m_Check.SetStopFlag(&link->m_bStop);
    std::string address = fw::ToNarrow(owner.IPorURLAddress);
    if (address.size() > 250) address.resize(250);
    m_strAddress = address;
    m_nPort = owner.Port;
    m_nMethod = owner.CheckMethod;
    m_nIpVersion = owner.IPv;
    m_strPhrase = owner.Phrase;
    m_nInterval = owner.CheckInterval;
    m_strName = owner.Name;
}

bool CNetThread::StopRequested() const { return m_pLink && m_pLink->m_bStop.load(); }

bool CNetThread::StopTest() {
    if (!StopRequested()) return false;
    m_Check.CloseIcmp();
    return true;
}

int CNetThread::RunCheck() {
    if (IsTestName(m_strName)) return MON_ERROR;
    if (m_nMethod == METHOD_PING && m_nIpVersion == IPVER_4) return m_Check.PingIPv4(m_strAddress);
    if (m_nMethod == METHOD_PING && m_nIpVersion == IPVER_6) return m_Check.PingIPv6(m_strAddress);
    if (m_nMethod == METHOD_TCP && m_nIpVersion == IPVER_4) return m_Check.TcpConnectIPv4(m_strAddress, m_nPort);
    if (m_nMethod == METHOD_TCP && m_nIpVersion == IPVER_6) return m_Check.TcpConnectIPv6(m_strAddress, m_nPort);
    if (m_nMethod == METHOD_URL) return m_Check.CheckUrl(m_strAddress, m_strPhrase);
    return MON_ERROR;
}

void CNetThread::Report(int status) {
    CheckReport report;
    report.result.dwTimeMs = m_Check.m_dwTimeMs;
    report.result.dwError = m_Check.m_dwError;
    report.result.dwIpStatus = m_Check.m_dwIpStatus;
    report.link = m_pLink.Get();
    HWND window = m_pLink->m_hOwner.load();
    UINT index = m_pLink->m_nIndex.load();
    if (window && index != kIndexTornDown) {
        m_pLink->m_pReportInFlight.store(&report);
        SendMessageW(window, UM_CHECK_RESULT, MAKEWPARAM(LOWORD(index), LOWORD(status)),
                     reinterpret_cast<LPARAM>(&report));
        m_pLink->m_pReportInFlight.store(nullptr);
    }
}

void CNetThread::InitInstance() {
    WSADATA wsa;
    if (WSAStartup(MAKEWORD(2, 2), &wsa) != 0)
        fw::AppMessageBox(L"Failed to Initialize Sockets", MB_ICONERROR);

    HWND owner = m_pLink->m_hOwner.load();
    // Only a window that answers the handshake takes results: else nothing is checked.
    if (!owner || !SendMessageW(owner, UM_GET_MAIN_DLG, 0, 0)) return;

    for (;;) {
        m_Check.m_dwError = 0;
        m_Check.m_dwIpStatus = 0;
        int status = RunCheck();
        m_resultTime = fw::LocalNow();
        if (StopTest()) return;

        TestOutcome outcome{status, m_Check.m_dwTimeMs, m_Check.m_dwError, m_Check.m_dwIpStatus};
        outcome = ApplyTestName(m_strName, m_nMethod, m_rand, outcome);
        status = outcome.status;
        m_Check.m_dwTimeMs = outcome.timeMs;
        m_Check.m_dwError = outcome.error;
        m_Check.m_dwIpStatus = outcome.ipStatus;
        if (StopTest()) return;

        Report(status);
        // A monitor deleted, disabled or replaced meanwhile notifies nothing more.
        if (StopTest()) return;
        m_Record.m_nStatus = status;
        m_Record.m_dwTimeMs = m_Check.m_dwTimeMs;
        m_Record.m_dwError = m_Check.m_dwError;
        m_Record.m_dwIpStatus = m_Check.m_dwIpStatus;
        DispatchNotifications();
        if (StopTest()) return;

        for (UINT i = 0; i < m_nInterval; ++i) {
            if (StopTest()) return;
            Sleep(1000);
        }
        if (StopTest()) return;
    }
}
