#include "framework/InternetSession.h"

namespace fw {

namespace {
void SetDwordOption(HINTERNET handle, DWORD option, DWORD value) {
    InternetSetOptionW(handle, option, &value, sizeof(value));
}

const wchar_t* NullIfEmpty(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }
}  // namespace

DWORD CInternetSession::Open(const std::wstring& agent, DWORD accessType, DWORD flags) {
    m_session.Reset(InternetOpenW(agent.c_str(), accessType, nullptr, nullptr, flags));
    return m_session.Get() ? 0 : GetLastError();
}

void CInternetSession::SetOption(DWORD option, DWORD value) {
    SetDwordOption(m_session.Get(), option, value);
    m_options.emplace_back(option, value);
}

void CInternetSession::SetStatusCallback(INTERNET_STATUS_CALLBACK callback) {
    InternetSetStatusCallbackW(m_session.Get(), callback);
}

void CInternetSession::ApplyOptions(HINTERNET handle) const {
    for (const auto& option : m_options) SetDwordOption(handle, option.first, option.second);
}

DWORD CInternetSession::OpenHttp(const HttpTarget& target, DWORD flags, DWORD_PTR context, CInternetFile& file) {
    file.m_connection.Reset(InternetConnectW(m_session.Get(), target.host.c_str(), target.port,
                                             NullIfEmpty(target.user), NullIfEmpty(target.password),
                                             INTERNET_SERVICE_HTTP, 0, context));
    if (!file.m_connection.Get()) return GetLastError();
    ApplyOptions(file.m_connection.Get());
    if (target.secure) flags |= INTERNET_FLAG_SECURE;
    file.m_file.Reset(HttpOpenRequestW(file.m_connection.Get(), L"GET", target.object.c_str(), nullptr, nullptr,
                                       nullptr, flags, context));
    if (!file.m_file.Get()) return GetLastError();
    ApplyOptions(file.m_file.Get());
    if (!HttpSendRequestW(file.m_file.Get(), nullptr, 0, nullptr, 0)) return GetLastError();
    return 0;
}

DWORD CInternetSession::OpenUrl(const std::wstring& url, DWORD flags, DWORD_PTR context, CInternetFile& file) {
    file.m_file.Reset(InternetOpenUrlW(m_session.Get(), url.c_str(), nullptr, 0, flags, context));
    if (!file.m_file.Get()) return GetLastError();
    ApplyOptions(file.m_file.Get());
    return 0;
}

DWORD CInternetFile::QueryAvailable(DWORD& available) {
    available = 0;
    if (!InternetQueryDataAvailable(m_file.Get(), &available, 0, 0)) return GetLastError();
    return 0;
}

DWORD CInternetFile::Read(void* buffer, DWORD size, DWORD& read) {
    read = 0;
    if (!InternetReadFile(m_file.Get(), buffer, size, &read)) return GetLastError();
    return 0;
}

}  // namespace fw
