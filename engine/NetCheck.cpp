#include "engine/NetCheck.h"

#include "engine/CallWorker.h"
#include "engine/CheckCodes.h"
#include "engine/EchoCall.h"
#include "engine/UrlFetch.h"

CNetCheck::CNetCheck() = default;

CNetCheck::~CNetCheck() {
    CloseIcmp();
    for (CCallWorker* worker : {m_echoWorker.get(), m_fetchWorker.get()})
        if (worker) worker->Retire();
}

int CNetCheck::SetOutcome(const CodeOutcome& outcome) {
    m_dwError = outcome.error;
    m_dwIpStatus = outcome.ipStatus;
    return outcome.status;
}
