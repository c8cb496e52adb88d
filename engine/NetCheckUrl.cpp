// The URL check: fetch a page and look for the phrase in it.
#include <algorithm>
#include <shlwapi.h>

#include "engine/CallBound.h"
#include "engine/CheckCodes.h"
#include "engine/ElapsedTimer.h"
#include "engine/NetCheck.h"
#include "engine/StepTimer.h"
#include "engine/StuckCalls.h"
#include "engine/UrlFetch.h"
#include "framework/StringUtil.h"
#include "model/GlobalSettings.h"
#include "model/UrlParser.h"

namespace {
fw::HttpTarget HttpTargetOf(const HttpUrl& url) {
    fw::HttpTarget target;
    target.host = url.host;
    target.port = static_cast<INTERNET_PORT>(url.port);
    target.secure = url.https;
    target.object = url.object;
    target.user = url.user;
    target.password = url.password;
    return target;
}

// What a URL opens: http and https pages through our own parser (never the platform's
// URL cracker), file: URLs as local files, ftp: as WinINet opens it. Returns
// 0, or the error of an address that opens nothing.
DWORD FetchTargetOf(const std::wstring& address, FetchTarget& target) {
    const std::wstring scheme = UrlSchemeOf(address);
    if (scheme == L"http" || scheme == L"https") {
        HttpUrl parsed;
        if (!ParseHttpUrl(address, parsed)) return ERROR_INTERNET_INVALID_URL;
        target.kind = FetchTarget::Kind::Http;
        target.http = HttpTargetOf(parsed);
    } else if (scheme == L"file") {
        wchar_t path[MAX_PATH] = {};
        DWORD length = MAX_PATH;
        if (FAILED(PathCreateFromUrlW(address.c_str(), path, &length, 0))) return ERROR_INTERNET_INVALID_URL;
        target.kind = FetchTarget::Kind::LocalFile;
        target.location = path;
    } else if (scheme == L"ftp") {
        target.kind = FetchTarget::Kind::OtherUrl;
        target.location = address;
    } else {
        // Nothing else opens a page, and Wine's WinINet was seen to crash on text such as
        // "::1" handed to it as an address: it is not asked.
        return ERROR_INTERNET_UNRECOGNIZED_SCHEME;
    }
    return 0;
}
}  // namespace

bool CNetCheck::WaitForFetch(const CUrlFetch& fetch, DWORD overallLimitMs) const {
    CElapsedTimer started;
    for (;;) {
        if (fetch.WaitEnded(std::min(fetch.StepMsLeft(), kWaitPollMs))) return true;
        if (StopRequested() || started.ElapsedMs() >= overallLimitMs) return false;
        if (fetch.StepMsLeft() == 0) return false;
    }
}

int CNetCheck::CheckUrl(const std::string& url, std::wstring phrase) {
    m_dwError = 0;
    m_dwIpStatus = 0;
    FetchTarget target;
    if (DWORD error = FetchTargetOf(fw::ToWide(url), target)) {
        m_dwError = error;
        return MapUrlOpenError(error);
    }

    DWORD timeOut = g_dwTimeOut.load();
    // Beyond its fetches left stuck in a connect, a monitor reports the server as not
    // answering without starting yet another (each holds a thread).
    CStuckCallRoom room(m_nCallBudget);
    if (!room) return SetOutcome({MON_DOWN, ERROR_INTERNET_TIMEOUT, 0});
    std::shared_ptr<CUrlFetch> fetch = CUrlFetch::Start(target, timeOut);
    if (!fetch) return SetOutcome({MON_ERROR, GetLastError(), 0});
    // The overall limit is for pages that never end: a step the time-out allows is not cut.
    if (!WaitForFetch(*fetch, std::max(m_dwUrlOverallLimitMs, CallBoundMs(timeOut)))) {
        // The abandoned fetch keeps its pool thread until WinINet returns, which its
        // failing receives make it do at once when the server still sends; else the step
        // it is in ends within that step's bound, and it is stuck only if it outlives it
        // (at once when the step ran out, later when a stop cut the wait).
        fetch->Abandon();
        room.Keep([fetch] { return fetch->WaitEnded(0); }, fetch->StepMsLeft() + kStepEndMarginMs);
        return SetOutcome({MON_DOWN, ERROR_INTERNET_TIMEOUT, 0});
    }

    m_dwError = fetch->m_dwError;
    switch (fetch->m_stage) {
    case CUrlFetch::Stage::SessionFailed:
        return MON_ERROR;
    case CUrlFetch::Stage::OpenFailed:
        return MapUrlOpenError(m_dwError);
    case CUrlFetch::Stage::ReadFailed:
        m_dwTimeMs = kNoTime;
        return MON_DOWN;
    case CUrlFetch::Stage::Read:
        break;
    }
    m_dwTimeMs = fetch->m_dwTimeMs;
    // The page is converted as a whole: no character split between reads, and a zero
    // byte inside the page does not end its text.
    std::wstring text = fw::ToWide(fetch->m_body);
    return text.find(phrase) != std::wstring::npos ? MON_UP : MON_CLOSED;
}
