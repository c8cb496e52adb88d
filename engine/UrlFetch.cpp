#include "engine/UrlFetch.h"

#include <algorithm>

#include "engine/ElapsedTimer.h"
#include "framework/Thread.h"

namespace {
// The WinINet time-outs of a check, all set to the check's time-out.
const DWORD kTimeOutOptions[] = {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT,
                                 INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_DATA_RECEIVE_TIMEOUT,
                                 INTERNET_OPTION_DATA_SEND_TIMEOUT};
constexpr DWORD kOpenFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_DONT_CACHE | INTERNET_FLAG_TRANSFER_ASCII;
constexpr DWORD_PTR kContext = 1;
}  // namespace

CUrlFetch::CUrlFetch(const fw::HttpTarget& target, DWORD timeOutMs)
    : m_target(target), m_dwTimeOut(timeOutMs), m_ended(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

std::shared_ptr<CUrlFetch> CUrlFetch::Start(const fw::HttpTarget& target, DWORD timeOutMs) {
    std::shared_ptr<CUrlFetch> fetch(new CUrlFetch(target, timeOutMs));
    if (!fetch->m_ended.Valid()) return nullptr;
    // The worker holds its own reference, so the fetch outlives an abandoning check.
    auto workerReference = std::make_unique<std::shared_ptr<CUrlFetch>>(fetch);
    if (!fw::BeginDetachedThread(&CUrlFetch::WorkerMain, workerReference.get())) return nullptr;
    workerReference.release();  // the worker's now
    return fetch;
}

unsigned __stdcall CUrlFetch::WorkerMain(void* param) {
    std::unique_ptr<std::shared_ptr<CUrlFetch>> reference(static_cast<std::shared_ptr<CUrlFetch>*>(param));
    (*reference)->Fetch();
    SetEvent((*reference)->m_ended.Get());
    return 0;
}

bool CUrlFetch::WaitEnded(DWORD milliseconds) const {
    return WaitForSingleObject(m_ended.Get(), milliseconds) == WAIT_OBJECT_0;
}

void CUrlFetch::Fetch() {
    fw::CInternetSession session;
    m_dwError = session.Open(L"", INTERNET_OPEN_TYPE_PRECONFIG, 0);
    if (m_dwError) {
        m_stage = Stage::SessionFailed;
        return;
    }
    for (DWORD option : kTimeOutOptions) session.SetOption(option, m_dwTimeOut);
    CElapsedTimer timer;
    fw::CHttpFile file;
    m_dwError = session.OpenHttp(m_target, kOpenFlags, kContext, file);
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
        size_t filled = m_body.size();
        DWORD wanted = static_cast<DWORD>(std::min<size_t>(kReadChunk, kPageCap - filled));
        m_body.resize(filled + wanted);
        DWORD read = 0;
        DWORD error = file.Read(&m_body[filled], wanted, read);
        m_body.resize(filled + read);
        if (error) return error;
        if (read == 0) break;
    }
    return 0;
}
