#include "model/UrlParser.h"

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
