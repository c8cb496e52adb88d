#include "engine/NetCheck.h"

#include "engine/CheckCodes.h"

CNetCheck::CNetCheck() = default;

CNetCheck::~CNetCheck() { CloseIcmp(); }

int CNetCheck::SetOutcome(const CodeOutcome& outcome) {
    m_dwError = outcome.error;
    m_dwIpStatus = outcome.ipStatus;
    return outcome.status;
}

int CNetCheck::CheckUrl(const std::string&, std::wstring) { return MON_ERROR; }
