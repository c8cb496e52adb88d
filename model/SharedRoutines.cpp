#include "model/SharedRoutines.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstdint>
#include <vector>

#include "framework/StringUtil.h"

BOOL IsVistaOrLater() {
    OSVERSIONINFOEXW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    // A failed call leaves the major version 0, which answers FALSE.
    GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info));
    return info.dwMajorVersion >= 6 ? TRUE : FALSE;
}

BOOL IsRunningOnWine() {
    HMODULE ntdll = LoadLibraryW(L"ntdll.dll");
    if (!ntdll) return FALSE;
    bool wine = GetProcAddress(ntdll, "wine_get_version") != nullptr;
    FreeLibrary(ntdll);
    return wine ? TRUE : FALSE;
}

BOOL IsValidHostName(const std::string& text) {
    if (text.size() < 3) return FALSE;
    for (char c : text) {
        bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        bool digit = c >= '0' && c <= '9';
        if (!letter && !digit && c != '.' && c != '-' && c != '_') return FALSE;
    }
    return TRUE;
}

BOOL IsIPv6Address(const std::string& text) {
    // The platform's numeric parser accepts "[::1]"; a text with a NUL would be read
    // only up to it.
    if (text.find_first_of(std::string("[]\0", 3)) != std::string::npos) return FALSE;
    addrinfo hints = {};
    hints.ai_flags = AI_NUMERICHOST;
    hints.ai_family = AF_INET6;
    addrinfo* result = nullptr;
    if (getaddrinfo(text.c_str(), nullptr, &hints, &result) != 0) return FALSE;
    bool ipv6 = result && result->ai_family == AF_INET6;
    freeaddrinfo(result);
    return ipv6 ? TRUE : FALSE;
}

std::wstring RightThree(const std::wstring& text) {
    return text.size() <= 3 ? text : text.substr(text.size() - 3);
}

std::wstring GetWinInetErrorText(DWORD code) {
    // Only a module already loaded is asked: this runs on workers and must not load one.
    HMODULE wininet = GetModuleHandleW(L"WinINet.dll");
    if (wininet) {
        wchar_t* text = nullptr;
        // Inserts are ignored: there are no arguments to put in them.
        DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_ALLOCATE_BUFFER |
                                          FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK,
                                      wininet, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        if (length > 0 && text) {
            std::wstring message(text, length);
            LocalFree(text);
            return message;
        }
        if (text) LocalFree(text);
    }
    return fw::Format(L"%lu", static_cast<unsigned long>(code));
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsScanSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The port after "]:" read as an unsigned decimal number the way scanf's "%u" reads it
// (white space, an optional sign, digits). False when a number is there but is no
// port (above 65535, or negative); `present` tells whether there was a number.
bool ReadBracketPort(const std::string& url, size_t pos, bool& present, UINT& port) {
    present = false;
    while (pos < url.size() && IsScanSpace(url[pos])) ++pos;
    bool negative = false;
    if (pos < url.size() && (url[pos] == '+' || url[pos] == '-')) negative = url[pos++] == '-';
    if (pos >= url.size() || !IsDigit(url[pos])) return true;
    uint32_t value = 0;
    for (; pos < url.size() && IsDigit(url[pos]); ++pos) {
        value = value * 10 + static_cast<uint32_t>(url[pos] - '0');
        if (value > 65535) return false;
    }
    if (negative && value != 0) return false;
    present = true;
    port = value;
    return true;
}

}  // namespace

BOOL ParseIPv6Url(const std::string& url, std::string& host, UINT& port) {
    static const std::string kPrefix = "http://[";
    if (url.compare(0, kPrefix.size(), kPrefix) != 0) return FALSE;
    size_t close = url.find(']', kPrefix.size());
    if (close == std::string::npos) return FALSE;
    std::string address = url.substr(kPrefix.size(), close - kPrefix.size());
    // A longer host would have to be cut, naming another address.
    if (address.empty() || address.size() > kMaxIPv6UrlHost) return FALSE;
    if (address.find('\0') != std::string::npos) return FALSE;

    UINT parsedPort = 80;
    if (close + 1 < url.size() && url[close + 1] == ':') {
        bool present = false;
        UINT given = 0;
        if (!ReadBracketPort(url, close + 2, present, given)) return FALSE;
        if (present) parsedPort = given;
    }
    host = address;
    port = parsedPort;
    return TRUE;
}

namespace {

std::wstring RunningProgramPath() {
    std::vector<wchar_t> buffer(2048);
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return std::wstring();
        if (n < buffer.size()) return std::wstring(buffer.data(), n);
        if (buffer.size() >= 32768) return std::wstring();
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

BOOL GetFileVersion(DWORD& major, DWORD& minor, DWORD& build, DWORD& revision) {
    major = minor = build = revision = 0;
    std::wstring path = RunningProgramPath();
    if (path.empty()) return FALSE;
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) return FALSE;
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return FALSE;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT infoSize = 0;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &infoSize) || !info ||
        infoSize < sizeof(VS_FIXEDFILEINFO))
        return FALSE;
    major = HIWORD(info->dwFileVersionMS);
    minor = LOWORD(info->dwFileVersionMS);
    build = HIWORD(info->dwFileVersionLS);
    revision = LOWORD(info->dwFileVersionLS);
    return TRUE;
}

std::wstring CGlobalFunctions::GetVersionString() {
    DWORD major = 0, minor = 0, build = 0, revision = 0;
    GetFileVersion(major, minor, build, revision);
    m_strVersion = fw::Format(L"%lu.%lu.%lu.%lu", static_cast<unsigned long>(major),
                              static_cast<unsigned long>(minor), static_cast<unsigned long>(build),
                              static_cast<unsigned long>(revision));
    return m_strVersion;
}
