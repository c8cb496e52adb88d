#pragma once
// The network checks of one monitoring thread.
#include <string>
#include <windows.h>

#include "model/MonitorTypes.h"

class CNetCheck {
public:
    CNetCheck();
    ~CNetCheck();

    CNetCheck(const CNetCheck&) = delete;
    CNetCheck& operator=(const CNetCheck&) = delete;

    int PingIPv4(const std::string& host);
    int PingIPv6(const std::string& host);
    int TcpConnectIPv4(const std::string& host, UINT port);
    int TcpConnectIPv6(const std::string& host, UINT port);
    int CheckUrl(const std::string& url, const std::wstring& phrase);

    // Closes the ICMP handle, when one is held.
    void CloseIcmp();

    HANDLE m_hIcmp = INVALID_HANDLE_VALUE;
    DWORD m_dwTimeMs = kNoTime;
    DWORD m_dwError = 0;
    DWORD m_dwIpStatus = 0;
};
