// The one table of URL parsing: what ParseHttpUrl, ParseIPv6Url and a URL monitor's
// SplitUrlAddress (IPv4 and IPv6 monitors) each make of an address. "-" is a refusal;
// "?": not asked.
#include <gtest/gtest.h>

#include "framework/StringUtil.h"
#include "model/UrlParser.h"

namespace {

std::wstring Http(const std::wstring& text) {
    HttpUrl url;
    url.host = L"unchanged";
    if (!ParseHttpUrl(text, url)) return url.host == L"unchanged" ? L"-" : L"- but changed";
    std::wstring out = fw::Format(L"%ls %u %ls", url.host.c_str(), url.port, url.object.c_str());
    if (url.https) out += L" https";
    if (url.bracketed) out += L" []";
    if (!url.user.empty() || !url.password.empty()) out += L" " + url.user + L":" + url.password;
    return out;
}

std::wstring V6(const std::wstring& text) {
    std::string host;
    UINT port = 12345;
    if (!ParseIPv6Url(fw::ToNarrow(text), host, port)) return port == 12345 ? L"-" : L"- but port changed";
    return fw::Format(L"%hs %u", host.c_str(), port);
}

std::wstring Split(const std::wstring& text, UINT ipVersion) {
    std::wstring host = L"x";
    UINT port = 1;
    bool ok = SplitUrlAddress(text, ipVersion, host, port);
    if (!ok) return host.empty() && port == 80 ? L"-" : L"- but not cleared";
    return fw::Format(L"%ls %u", host.c_str(), port);
}

}  // namespace

TEST(UrlParsing, EveryParserOnEveryAddress) {
    const std::wstring a99 = L"::" + std::wstring(97, L'a'), a100 = L"http://[" + a99 + L"b]:81/";
    const struct {
        std::wstring text;
        std::wstring http, v6, split4, split6;
    } cases[] = {
        {L"http://example.lan", L"example.lan 80 /", L"-", L"example.lan 80", L"example.lan 80"},
        {L"http://example.lan:8080/s?x=1#f", L"example.lan 8080 /s?x=1", L"-", L"example.lan 8080", L"example.lan 8080"},
        {L"HTTP://Example.LAN:81", L"Example.LAN 81 /", L"-", L"Example.LAN 81", L"Example.LAN 81"},
        {L"http://127.0.0.1:65535", L"127.0.0.1 65535 /", L"-", L"127.0.0.1 65535", L"127.0.0.1 65535"},
        {L"http://127.0.0.1:1", L"127.0.0.1 1 /", L"-", L"127.0.0.1 1", L"?"},
        {L"http://127.0.0.1:/", L"127.0.0.1 80 /", L"-", L"127.0.0.1 80", L"?"},
        {L"http://host?q=a:b", L"host 80 /?q=a:b", L"-", L"?", L"?"},
        {L"http://host#frag", L"host 80 /", L"-", L"?", L"?"},
        {L"http://user:p:w@host:82/x", L"host 82 /x user:p:w", L"-", L"host 82", L"?"},
        {L"http://user@host/", L"host 80 / user:", L"-", L"?", L"?"},
        {L"http://host/a@b:99", L"host 80 /a@b:99", L"-", L"?", L"?"},
        {L"https://secure.lan", L"secure.lan 443 / https", L"-", L"secure.lan 443", L"-"},
        {L"HTTPS://secure.lan:8443/x", L"secure.lan 8443 /x https", L"-", L"secure.lan 8443", L"-"},
        {L"http://[::1]", L"::1 80 / []", L"::1 80", L"::1 80", L"::1 80"},
        {L"http://[::1]:8080/status", L"::1 8080 /status []", L"::1 8080", L"::1 8080", L"::1 8080"},
        {L"HTTP://[fe80::1]:8080", L"fe80::1 8080 / []", L"-", L"fe80::1 8080", L"fe80::1 8080"},
        {L"http://[fe80::1%4]/", L"fe80::1%4 80 / []", L"fe80::1%4 80", L"?", L"?"},
        {L"https://[::1]", L"::1 443 / https []", L"-", L"::1 443", L"-"},
        {L"http://[::1]:/", L"::1 80 / []", L"::1 80", L"?", L"?"},
        {L"http://[::1]:080", L"::1 80 / []", L"::1 80", L"?", L"?"},
        {L"http://[::1]?q=]", L"::1 80 /?q=] []", L"::1 80", L"?", L"?"},
        // Only the bracketed-address parser takes these, so only an IPv6 monitor does.
        {L"http://[::1]:x", L"-", L"::1 80", L"-", L"::1 80"},
        {L"http://[::1]:8080x", L"-", L"::1 8080", L"-", L"::1 8080"},
        {L"http://[::1]x/", L"-", L"::1 80", L"-", L"::1 80"},
        {L"http://[" + a99 + L"]:81/", a99 + L" 81 / []", a99 + L" 81", L"?", L"?"},
        {L"http://[f\u00e9::1]", L"-", L"?", L"?", L"?"},
        {L"http://[::ffff:127.0.0.1]:81", L"::ffff:127.0.0.1 81 / []", L"::ffff:127.0.0.1 81", L"?", L"?"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Http(c.text), c.http) << c.text;
        if (c.v6 != L"?") EXPECT_EQ(V6(c.text), c.v6) << c.text;
        if (c.split4 != L"?") EXPECT_EQ(Split(c.text, 0), c.split4) << c.text;
        if (c.split6 != L"?") EXPECT_EQ(Split(c.text, 1), c.split6) << c.text;
        EXPECT_EQ(Split(c.text, 2), L"-") << c.text << ": IP version out of range";
    }
    // Refused by every parser: a port is 1..65535 on every path, a host is never cut, and
    // these are no URLs.
    for (const std::wstring& text :
         {L"http://[::1]:0", L"http://[::1]:-0", L"http://[::1]:65536", L"http://[::1]:4294967376", L"http://[::1]:-1",
          L"http://host:0", L"http://host:65536", L"http://host:4294967376", L"http://host:-1", L"http://host:+80",
          L"http://host:8x", a100.c_str(), L"", L"example.lan", L"ftp://example.lan",
          L"http:/example.lan", L" http://[::1]", L"http://", L"http:///path", L"http://:80/", L"http://user@/",
          L"http://ho st/", L"http://ho\\st/", L"http://host]/", L"http://[]", L"http://[]:80", L"http://[::1",
          // Between the brackets only an IPv6 literal, its zone a number: any other text
          // would become the host the tools put into command lines.
          L"http://[x%CMDCMDLINE:~-8,1%calc]/", L"http://[::1%CMDCMDLINE:~-8,1%]/", L"http://[fe80::1%eth0]/",
          L"http://[fe80::1%]/", L"http://[db]:80/", L"http://[::1 ]/", L"http://[::1&calc]/", L"http://[1:2]/",
          // A blank or a control character anywhere: in a command line it would make
          // more arguments of the address.
          L"http://127.0.0.1:9/a --output C:\\x.exe", L"http://[::1]:9/a --output C:\\x.exe", L"http://[::1]: 80/",
          L"http://h/a\tb", L"http://h/a\r\nb", L"http://[::1]/\x7F", L"http://h/\x85", L"http://h/a\u00A0b",
          L"http://h/a\u3000b", L"http://h/a\u2002b", L"http://h/ "})
        EXPECT_EQ(Http(text) + V6(text) + Split(text, 0) + Split(text, 1), L"----") << text;
    for (const wchar_t* web : {L"http://", L"HTTPS://x", L"hTtP://x"}) EXPECT_TRUE(HasHttpScheme(web)) << web;
    for (const wchar_t* other : {L"ftp://x", L"http:/x", L"httpx://x", L""}) EXPECT_FALSE(HasHttpScheme(other)) << other;
}

// The scheme decides how a URL check opens an address.
TEST(UrlSchemeOf, LettersBeforeTheFirstColon) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"http://x", L"http"},      {L"HTTPS://x", L"https"},        {L"File:///C:/a.txt", L"file"},
        {L"ftp://h/a", L"ftp"},       {L"a+b-c.d9:x", L"a+b-c.d9"},     {L"mailto:someone", L"mailto"},
        {L"C:\\a.txt", L"c"},         {L"127.0.0.1", L""},              {L"127.0.0.1:80", L""},
        {L"9p://x", L""},             {L"ab c://x", L""},               {L":x", L""},
        {L"nocolon", L""},            {L"", L""},                       {L" http://x", L""},
    };
    for (const auto& c : cases) EXPECT_EQ(UrlSchemeOf(c.first), c.second) << c.first;
}
