#pragma once
// A thin layer over WinINet: a session and the files it opens (an http request, or
// whatever InternetOpenUrl opens). Failures come back as the error code that the
// framework's internet exception would carry (0 for success), never as exceptions.
// Options set on the session are set again on every connection and request it opens,
// since some WinINet implementations heed a time-out only on the handle that blocks.
#include <string>
#include <utility>
#include <vector>
#include <windows.h>
#include <wininet.h>

#include "framework/Handle.h"

namespace fw {

struct HttpTarget {
    std::wstring host;
    INTERNET_PORT port = INTERNET_DEFAULT_HTTP_PORT;
    bool secure = false;
    std::wstring object = L"/";  // path and query
    std::wstring user;
    std::wstring password;
};

class CInternetSession;

// One opened file: an http request, sent, or a file InternetOpenUrl opened; its content
// is read with Read.
class CInternetFile {
public:
    // How many bytes can be read at once, waiting until some have arrived (0 at the end).
    // Returns 0 or the error.
    DWORD QueryAvailable(DWORD& available);
    // Reads up to `size` bytes; `read` is 0 at the end. Returns 0 or the error.
    DWORD Read(void* buffer, DWORD size, DWORD& read);

private:
    friend class CInternetSession;
    CInternetHandle m_connection;  // none for a file InternetOpenUrl opened
    CInternetHandle m_file;
};

class CInternetSession {
public:
    // Opens the session (InternetOpenW); returns 0 or the error.
    DWORD Open(const std::wstring& agent, DWORD accessType, DWORD flags);

    // Sets a 4-byte option on the session and on every handle opened from now on.
    void SetOption(DWORD option, DWORD value);

    // Calls `callback` with the context given to OpenHttp or OpenUrl at each step of the
    // session's requests (resolving, connecting, sending, receiving), on the calling thread.
    void SetStatusCallback(INTERNET_STATUS_CALLBACK callback);

    // Connects, opens and sends a GET request for the target. Returns 0 or the error.
    DWORD OpenHttp(const HttpTarget& target, DWORD flags, DWORD_PTR context, CInternetFile& file);

    // Opens a URL of any scheme WinINet opens by itself (InternetOpenUrlW): one it does not
    // open gives ERROR_INTERNET_UNRECOGNIZED_SCHEME. Returns 0 or the error.
    DWORD OpenUrl(const std::wstring& url, DWORD flags, DWORD_PTR context, CInternetFile& file);

    void Close() { m_session.Close(); }

private:
    void ApplyOptions(HINTERNET handle) const;

    CInternetHandle m_session;
    std::vector<std::pair<DWORD, DWORD>> m_options;
};

}  // namespace fw
