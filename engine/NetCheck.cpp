#include "engine/NetCheck.h"

#include "engine/CheckCodes.h"
#include "engine/EchoCall.h"
#include "engine/UrlFetch.h"
#include "model/MonitorRecord.h"

CNetCheck::CNetCheck() : m_nCallBudget(NewCallBudget()) {}

CNetCheck::~CNetCheck() {
    CloseIcmp();
}

int CNetCheck::SetOutcome(const CodeOutcome& outcome) {
    m_dwError = outcome.error;
    m_dwIpStatus = outcome.ipStatus;
    return outcome.status;
}
