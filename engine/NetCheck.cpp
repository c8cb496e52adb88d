#include "engine/NetCheck.h"

// Placeholder bodies until the real checks land: every check reports MON_ERROR.
CNetCheck::CNetCheck() = default;
CNetCheck::~CNetCheck() { CloseIcmp(); }

int CNetCheck::PingIPv4(const std::string&) { return MON_ERROR; }
int CNetCheck::PingIPv6(const std::string&) { return MON_ERROR; }
int CNetCheck::TcpConnectIPv4(const std::string&, UINT) { return MON_ERROR; }
int CNetCheck::TcpConnectIPv6(const std::string&, UINT) { return MON_ERROR; }
int CNetCheck::CheckUrl(const std::string&, const std::wstring&) { return MON_ERROR; }

void CNetCheck::CloseIcmp() {
    m_hIcmp = INVALID_HANDLE_VALUE;
}
