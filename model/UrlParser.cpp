#include "model/UrlParser.h"

#include <cstdint>
#include <cwctype>

#include "framework/StringUtil.h"
#include "model/SharedRoutines.h"

namespace {

bool StartsWithNoCase(const std::wstring& text, const wchar_t* prefix) {
    size_t i = 0;
    for (; prefix[i]; ++i) {
        if (i >= text.size() || std::towlower(text[i]) != prefix[i]) return false;
    }
    return true;
}

// Digits only, 1..65535.
bool ParsePortNumber(const std::wstring& text, UINT& port) {
    if (text.empty()) return false;
    UINT value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return false;
        value = value * 10 + static_cast<UINT>(c - L'0');
        if (value > 65535) return false;
    }
    if (value == 0) return false;
    port = value;
    return true;
}

// Blanks, control characters, backslashes and stray brackets never belong to a host.
bool HasForbiddenHostCharacter(const std::wstring& text) {
    for (wchar_t c : text) {
        if (c <= L' ' || c == 0x7F || c == L'\\' || c == L'[' || c == L']') return true;
    }
    return false;
}

bool IsPrintableAscii(const std::wstring& text) {
    for (wchar_t c : text) {
        if (c <= L' ' || c >= 0x7F) return false;
    }
    return true;
}

// A URL never holds a blank or a control character unescaped; one that does would reach
// a program's command line as more than one argument.
bool HoldsBlankOrControl(const std::wstring& text) {
    for (wchar_t c : text) {
        if (c <= L' ' || (c >= 0x7F && c <= 0xA0) || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 ||
            c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000 || c == 0xFEFF)
            return true;
    }
    return false;
}

// The path and query of what follows the host and port ("/" when none).
std::wstring ObjectOf(const std::wstring& rest) {
    std::wstring object = rest.substr(0, rest.find(L'#'));
    if (object.empty() || object[0] != L'/') object.insert(0, L"/");
    return object;
}

}  // namespace

bool HasHttpScheme(const std::wstring& text) {
    return StartsWithNoCase(text, L"http://") || StartsWithNoCase(text, L"https://");
}

std::wstring UrlSchemeOf(const std::wstring& text) {
    std::wstring scheme;
    for (wchar_t c : text) {
        if (c == L':') return scheme;
        const bool letter = (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
        const bool other = (c >= L'0' && c <= L'9') || c == L'+' || c == L'-' || c == L'.';
        if (!letter && (scheme.empty() || !other)) return L"";
        scheme += static_cast<wchar_t>(std::towlower(c));
    }
    return L"";
}

bool ParseHttpUrl(const std::wstring& text, HttpUrl& url) {
    HttpUrl parsed;
    size_t pos = 0;
    if (StartsWithNoCase(text, L"http://")) {
        pos = 7;
    } else if (StartsWithNoCase(text, L"https://")) {
        pos = 8;
        parsed.https = true;
        parsed.port = 443;
    } else {
        return false;
    }
    if (HoldsBlankOrControl(text)) return false;

    size_t end = text.find_first_of(L"/?#", pos);
    if (end == std::wstring::npos) end = text.size();
    std::wstring authority = text.substr(pos, end - pos);
    size_t at = authority.rfind(L'@');
    if (at != std::wstring::npos) {
        std::wstring userInfo = authority.substr(0, at);
        size_t colon = userInfo.find(L':');
        parsed.user = userInfo.substr(0, colon);
        if (colon != std::wstring::npos) parsed.password = userInfo.substr(colon + 1);
        authority.erase(0, at + 1);
    }
    parsed.object = ObjectOf(text.substr(end));
    if (authority.empty()) return false;

    std::wstring portText;
    if (authority[0] == L'[') {
        size_t close = authority.find(L']');
        if (close == std::wstring::npos) return false;
        std::wstring literal = authority.substr(0, close + 1);
        std::wstring rest = authority.substr(close + 1);
        if (!rest.empty()) {
            if (rest[0] != L':') return false;
            portText = rest.substr(1);
        }
        // ASCII only, so the 8-bit form handed on is exact.
        if (!IsPrintableAscii(literal)) return false;
        std::string host;
        UINT ignored = 0;
        if (!ParseIPv6Url("http://" + fw::ToNarrow(literal), host, ignored)) return false;
        parsed.host = fw::ToWide(host);
        parsed.bracketed = true;
    } else {
        size_t colon = authority.find(L':');
        parsed.host = authority.substr(0, colon);
        if (colon != std::wstring::npos) portText = authority.substr(colon + 1);
        if (parsed.host.empty() || HasForbiddenHostCharacter(parsed.host)) return false;
    }

    // "host:" with nothing after the colon keeps the scheme's default.
    if (!portText.empty() && !ParsePortNumber(portText, parsed.port)) return false;
    url = parsed;
    return true;
}

bool SplitUrlAddress(const std::wstring& address, UINT ipVersion, std::wstring& host, UINT& port) {
    host.clear();
    port = 80;
    if (ipVersion > 1) return false;
    HttpUrl url;
    // An IPv6 monitor takes only an http address this way; anything else goes to the
    // bracketed-address parser.
    if (ParseHttpUrl(address, url) && (ipVersion == 0 || !url.https)) {
        host = url.host;
        port = url.port;
        return true;
    }
    if (ipVersion != 1) return false;
    std::string ipv6Host;
    UINT ipv6Port = 80;
    if (!ParseIPv6Url(fw::ToNarrow(address), ipv6Host, ipv6Port)) return false;
    host = fw::ToWide(ipv6Host);
    port = ipv6Port;
    return true;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsScanSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The port after "]:" read as an unsigned decimal number the way scanf's "%u" reads it
// (white space, an optional sign, digits). False when a number is there but is no
// port (0, above 65535, or negative); `present` tells whether there was a number.
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
    // Port 0 is no port either: refused as by every other path.
    if (negative || value == 0) return false;
    present = true;
    port = value;
    return true;
}

}  // namespace

BOOL ParseIPv6Url(const std::string& url, std::string& host, UINT& port) {
    static const std::string kPrefix = "http://[";
    if (url.compare(0, kPrefix.size(), kPrefix) != 0 || HoldsBlankOrControl(fw::ToWide(url))) return FALSE;
    size_t close = url.find(']', kPrefix.size());
    if (close == std::string::npos) return FALSE;
    std::string address = url.substr(kPrefix.size(), close - kPrefix.size());
    // A longer host would have to be cut, naming another address.
    if (address.empty() || address.size() > kMaxIPv6UrlHost) return FALSE;
    if (address.find('\0') != std::string::npos) return FALSE;
    // Only an address may stand between the brackets: any other text would reach the
    // tools' command lines as the monitor's host.
    if (!IsIPv6LiteralForm(fw::ToWide(address))) return FALSE;

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
