#include "model/SharedRoutines.h"

#include <winsock2.h>
#include <ws2tcpip.h>
#include <mmsystem.h>

#include <cstdint>
#include <cwctype>
#include <vector>

#include "framework/AppMessage.h"
#include "framework/Resolver.h"
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
    fw::CResolvedAddress result;
    if (result.Resolve(text, nullptr, &hints) != 0) return FALSE;
    return result.First() && result.First()->ai_family == AF_INET6 ? TRUE : FALSE;
}

namespace {

bool IsAsciiDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsHexDigit(wchar_t c) { return IsAsciiDigit(c) || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'); }

// "d.d.d.d", each part 1 to 3 digits.
bool IsDottedIPv4Form(const std::wstring& text) {
    int parts = 0;
    size_t digits = 0;
    for (wchar_t c : text) {
        if (IsAsciiDigit(c)) {
            if (++digits > 3) return false;
        } else if (c == L'.' && digits > 0) {
            ++parts;
            digits = 0;
        } else {
            return false;
        }
    }
    return digits > 0 && parts == 3;
}

}  // namespace

bool IsIPv6LiteralForm(const std::wstring& text, IPv6Zone zoneForm) {
    const size_t percent = text.find(L'%');
    const std::wstring address = text.substr(0, percent);
    if (percent != std::wstring::npos && zoneForm == IPv6Zone::Number) {
        const std::wstring zone = text.substr(percent + 1);
        if (zone.empty()) return false;
        for (wchar_t c : zone)
            if (!IsAsciiDigit(c)) return false;
    }
    const size_t lastColon = address.rfind(L':');
    if (lastColon == std::wstring::npos || address.find(L':') == lastColon) return false;
    const std::wstring tail = address.substr(lastColon + 1);
    if (tail.find(L'.') != std::wstring::npos && !IsDottedIPv4Form(tail)) return false;
    for (size_t i = 0; i < lastColon; ++i)
        if (address[i] != L':' && !IsHexDigit(address[i])) return false;
    if (tail.find(L'.') == std::wstring::npos)
        for (wchar_t c : tail)
            if (!IsHexDigit(c)) return false;
    return true;
}

std::wstring IPv6LiteralNameForm(std::wstring text) {
    fw::ReplaceAll(text, L":", L"-");
    fw::ReplaceAll(text, L"%", L"s");
    return text;
}

bool IsIPv6ZonePercent(const std::wstring& text, size_t at) {
    if (at >= text.size() || text[at] != L'%') return false;
    size_t start = at;
    while (start > 0 && (IsHexDigit(text[start - 1]) || text[start - 1] == L':' || text[start - 1] == L'.')) --start;
    size_t end = at + 1;
    while (end < text.size() && IsAsciiDigit(text[end])) ++end;
    // "%4a" or "%4_x" is no zone number but the start of other text.
    if (end < text.size() && (std::iswalnum(text[end]) || text[end] == L'_' || text[end] == L'%')) return false;
    return IsIPv6LiteralForm(text.substr(start, end - start));
}

std::wstring RightThree(const std::wstring& text) {
    return text.size() <= 3 ? text : text.substr(text.size() - 3);
}

bool IsExistingFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring GetWinInetErrorText(DWORD code) {
    // Only a module already loaded is asked: this runs on workers and must not load one.
    HMODULE wininet = GetModuleHandleW(L"WinINet.dll");
    std::wstring text = wininet ? fw::MessageTableText(code, wininet, true) : std::wstring();
    return text.empty() ? fw::Format(L"%lu", static_cast<unsigned long>(code)) : text;
}

void SetWaveOutVolume(UINT volume) { waveOutSetVolume(nullptr, volume * 0x10001u); }

BOOL GetFileVersion(DWORD& major, DWORD& minor, DWORD& build, DWORD& revision) {
    major = minor = build = revision = 0;
    std::wstring path = fw::ProgramPath();
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
