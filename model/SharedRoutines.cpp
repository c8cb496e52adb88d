#include "model/SharedRoutines.h"

#include <winsock2.h>
#include <ws2tcpip.h>
#include <mmsystem.h>

#include <cstdint>
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
