#include "engine/UrlFetch.h"

#include <algorithm>


namespace {
// The WinINet time-outs of a check, all set to the check's time-out.
const DWORD kTimeOutOptions[] = {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT,
                                 INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_DATA_RECEIVE_TIMEOUT,
                                 INTERNET_OPTION_DATA_SEND_TIMEOUT};
constexpr DWORD kOpenFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_DONT_CACHE | INTERNET_FLAG_TRANSFER_ASCII;
}  // namespace

CUrlFetch::CUrlFetch(const fw::HttpTarget& target, DWORD timeOutMs)
    : m_target(target), m_dwTimeOut(timeOutMs), m_ended(fw::NewEvent(true, false)) {}

std::shared_ptr<CUrlFetch> CUrlFetch::Start(CCallWorker& worker, const fw::HttpTarget& target, DWORD timeOutMs) {
    std::shared_ptr<CUrlFetch> fetch(new CUrlFetch(target, timeOutMs));
    if (!fetch->m_ended.Valid()) return nullptr;
    // The call holds its own reference, so the fetch outlives an abandoning check.
    worker.Begin([fetch] {
        fetch->Fetch();
        SetEvent(fetch->m_ended.Get());
    });
    return fetch;
}

bool CUrlFetch::WaitEnded(DWORD milliseconds) const {
    return WaitForSingleObject(m_ended.Get(), milliseconds) == WAIT_OBJECT_0;
}

void CALLBACK CUrlFetch::OnStatus(HINTERNET, DWORD_PTR context, DWORD status, void*, DWORD) {
    switch (status) {
    case INTERNET_STATUS_RESOLVING_NAME:
    case INTERNET_STATUS_NAME_RESOLVED:
    case INTERNET_STATUS_CONNECTING_TO_SERVER:
    case INTERNET_STATUS_CONNECTED_TO_SERVER:
    case INTERNET_STATUS_SENDING_REQUEST:
    case INTERNET_STATUS_REQUEST_SENT:
    case INTERNET_STATUS_RECEIVING_RESPONSE:
    case INTERNET_STATUS_RESPONSE_RECEIVED:
    case INTERNET_STATUS_REDIRECT:
        reinterpret_cast<CUrlFetch*>(context)->MarkStep();
        break;
    default: break;
    }
}

void CUrlFetch::Fetch() {
    MarkStep();
    fw::CInternetSession session;
    m_dwError = session.Open(L"", INTERNET_OPEN_TYPE_PRECONFIG, 0);
    if (m_dwError) {
        m_stage = Stage::SessionFailed;
        return;
    }
    for (DWORD option : kTimeOutOptions) session.SetOption(option, m_dwTimeOut);
    // Each step WinINet reports starts a new bound for the check that waits.
    session.SetStatusCallback(&CUrlFetch::OnStatus);
    CElapsedTimer timer;
    fw::CHttpFile file;
    MarkStep();
    m_dwError = session.OpenHttp(m_target, kOpenFlags, reinterpret_cast<DWORD_PTR>(this), file);
    if (m_dwError) {
        m_stage = Stage::OpenFailed;
        return;
    }
    m_dwError = ReadBody(file);
    if (m_dwError) {
        m_stage = Stage::ReadFailed;
        return;
    }
    m_dwTimeMs = timer.ElapsedMs();
    m_stage = Stage::Read;
}

DWORD CUrlFetch::ReadBody(fw::CHttpFile& file) {
    m_body.clear();
    while (m_body.size() < kPageCap && !m_bAbandoned) {
        // Waits for what arrives next, then takes all of it: a read never waits for a
        // whole chunk that a slow server fills a byte at a time.
        MarkStep();
        DWORD available = 0;
        if (DWORD error = file.QueryAvailable(available)) return error;
        MarkStep();
        size_t filled = m_body.size();
        // Nothing available is the end of the body, which a one-byte read confirms.
        DWORD wanted = static_cast<DWORD>(
            std::min<size_t>({std::max<DWORD>(available, 1), kReadChunk, kPageCap - filled}));
        m_body.resize(filled + wanted);
        DWORD read = 0;
        DWORD error = file.Read(&m_body[filled], wanted, read);
        m_body.resize(filled + read);
        if (error) return error;
        if (read == 0) break;
    }
    return 0;
}
