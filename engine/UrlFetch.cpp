#include "engine/UrlFetch.h"

#include <algorithm>

#include "framework/WinInetReceiveWatch.h"

namespace {
// The WinINet time-outs of a check, all set to the check's time-out.
const DWORD kTimeOutOptions[] = {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT,
                                 INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_DATA_RECEIVE_TIMEOUT,
                                 INTERNET_OPTION_DATA_SEND_TIMEOUT};
constexpr DWORD kOpenFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_DONT_CACHE | INTERNET_FLAG_TRANSFER_ASCII;
}  // namespace

CUrlFetch::CUrlFetch(const FetchTarget& target, DWORD timeOutMs)
    : m_target(target), m_dwTimeOut(timeOutMs), m_step(FetchStepLimitMs(timeOutMs)) {}

std::shared_ptr<CUrlFetch> CUrlFetch::Start(const FetchTarget& target, DWORD timeOutMs) {
    std::shared_ptr<CUrlFetch> fetch(new CUrlFetch(target, timeOutMs));
    // The call holds its own reference, so the fetch outlives an abandoning check (the
    // pool lets go of it once the call has run).
    fetch->m_pooled = CCallPool::Process().Run([fetch] { fetch->Fetch(); });
    if (!fetch->m_pooled) return nullptr;
    return fetch;
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
    if (m_target.kind == FetchTarget::Kind::LocalFile) {
        FetchLocalFile();
        return;
    }
    fw::CInternetSession session;
    m_dwError = session.Open(L"", INTERNET_OPEN_TYPE_PRECONFIG, 0);
    if (m_dwError) {
        m_stage = Stage::SessionFailed;
        return;
    }
    for (DWORD option : kTimeOutOptions) session.SetOption(option, SystemTimeOutMs(m_dwTimeOut));
    // Each step WinINet reports, and each receive that brings bytes, starts a new bound
    // for the check that waits; once the check gives up, receives fail and WinINet
    // returns, so the handles close (at the end of this scope) and the thread is free.
    session.SetStatusCallback(&CUrlFetch::OnStatus);
    fw::CWinInetReceiveWatch receiving(&CUrlFetch::OnReceived, &CUrlFetch::IsAbandoned, this);
    CElapsedTimer timer;
    fw::CInternetFile file;
    MarkStep();
    const auto context = reinterpret_cast<DWORD_PTR>(this);
    m_dwError = m_target.kind == FetchTarget::Kind::Http
                    ? session.OpenHttp(m_target.http, kOpenFlags, context, file)
                    : session.OpenUrl(m_target.location, kOpenFlags, context, file);
    MarkStep();
    if (m_dwError) {
        m_stage = Stage::OpenFailed;
        return;
    }
    if (m_bAbandoned) return;  // nobody reads the page: the handles close now
    m_dwError = ReadInternetFile(file);
    if (m_dwError) {
        m_stage = Stage::ReadFailed;
        return;
    }
    m_dwTimeMs = timer.ElapsedMs();
    m_stage = Stage::Read;
}

void CUrlFetch::FetchLocalFile() {
    CElapsedTimer timer;
    fw::CFileHandle file = fw::OpenFileHandle(m_target.location, GENERIC_READ,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING,
                                              FILE_FLAG_SEQUENTIAL_SCAN);
    if (!file.Valid()) {
        m_dwError = GetLastError();
        m_stage = Stage::OpenFailed;
        return;
    }
    m_dwError = ReadLocalFile(file.Get());
    if (m_dwError) {
        m_stage = Stage::ReadFailed;
        return;
    }
    m_dwTimeMs = timer.ElapsedMs();
    m_stage = Stage::Read;
}

template <class Measure, class Reader>
DWORD CUrlFetch::ReadContent(Measure measure, Reader read) {
    m_body.clear();
    while (m_body.size() < kPageCap && !m_bAbandoned) {
        MarkStep();
        DWORD ready = 0;
        if (DWORD error = measure(ready)) return error;
        MarkStep();
        size_t filled = m_body.size();
        // Nothing ready is the end, which a one-byte read confirms.
        DWORD wanted = static_cast<DWORD>(std::min<size_t>({std::max<DWORD>(ready, 1), kReadChunk, kPageCap - filled}));
        m_body.resize(filled + wanted);
        DWORD got = 0;
        DWORD error = read(&m_body[filled], wanted, got);
        m_body.resize(filled + got);
        if (error) return error;
        if (got == 0) break;
    }
    return 0;
}

DWORD CUrlFetch::ReadInternetFile(fw::CInternetFile& file) {
    // Waits for what arrives next, then takes all of it: a read never waits for a whole
    // chunk that a slow server fills a byte at a time.
    return ReadContent([&file](DWORD& ready) { return file.QueryAvailable(ready); },
                       [&file](char* buffer, DWORD wanted, DWORD& read) { return file.Read(buffer, wanted, read); });
}

DWORD CUrlFetch::ReadLocalFile(HANDLE file) {
    return ReadContent(
        [](DWORD& ready) {
            ready = kReadChunk;
            return DWORD{0};
        },
        [file](char* buffer, DWORD wanted, DWORD& read) {
            return ReadFile(file, buffer, wanted, &read, nullptr) ? DWORD{0} : GetLastError();
        });
}
