#include <gtest/gtest.h>

#include "model/UrlParser.h"

namespace {

struct UrlCase {
    const wchar_t* text;
    bool ok;
    const wchar_t* host;
    UINT port;
    bool bracketed;
    bool https;
};

}  // namespace

TEST(ParseHttpUrl, SplitsHostAndPort) {
    const UrlCase cases[] = {
        // Plain hosts.
        {L"http://example.lan", true, L"example.lan", 80, false, false},
        {L"http://example.lan/", true, L"example.lan", 80, false, false},
        {L"http://example.lan:8080/status?x=1", true, L"example.lan", 8080, false, false},
        {L"HTTP://Example.LAN:81", true, L"Example.LAN", 81, false, false},
        {L"hTtP://127.0.0.1/index.html", true, L"127.0.0.1", 80, false, false},
        {L"http://127.0.0.1:65535", true, L"127.0.0.1", 65535, false, false},
        {L"http://127.0.0.1:1", true, L"127.0.0.1", 1, false, false},
        {L"http://127.0.0.1:/", true, L"127.0.0.1", 80, false, false},     // empty port: default
        {L"http://host?q=a:b", true, L"host", 80, false, false},
        {L"http://host#frag", true, L"host", 80, false, false},
        {L"http://user:pw@host:82/", true, L"host", 82, false, false},
        {L"http://host/a@b:99", true, L"host", 80, false, false},          // "@" in the path
        // https takes its own default port.
        {L"https://secure.lan", true, L"secure.lan", 443, false, true},
        {L"HTTPS://secure.lan:8443/x", true, L"secure.lan", 8443, false, true},
        // Bracketed IPv6 hosts lose their brackets.
        {L"http://[::1]", true, L"::1", 80, true, false},
        {L"http://[::1]/status", true, L"::1", 80, true, false},
        {L"http://[::1]:8080/status", true, L"::1", 8080, true, false},
        {L"HTTP://[fe80::1]:8080", true, L"fe80::1", 8080, true, false},
        {L"http://[fe80::1%4]/", true, L"fe80::1%4", 80, true, false},
        {L"https://[::1]", true, L"::1", 443, true, true},
        {L"http://[::1]:/", true, L"::1", 80, true, false},
        // Refused.
        {L"", false, L"", 0, false, false},
        {L"example.lan", false, L"", 0, false, false},
        {L"ftp://example.lan", false, L"", 0, false, false},
        {L"http:/example.lan", false, L"", 0, false, false},
        {L" http://example.lan", false, L"", 0, false, false},
        {L"http://", false, L"", 0, false, false},
        {L"http:///path", false, L"", 0, false, false},
        {L"http://:80/", false, L"", 0, false, false},
        {L"http://user@/", false, L"", 0, false, false},
        {L"http://host:0", false, L"", 0, false, false},
        {L"http://host:65536", false, L"", 0, false, false},
        {L"http://host:99999", false, L"", 0, false, false},
        {L"http://host:4294967376", false, L"", 0, false, false},  // would wrap to 80
        {L"http://host:-1", false, L"", 0, false, false},
        {L"http://host:+80", false, L"", 0, false, false},
        {L"http://host:8x", false, L"", 0, false, false},
        {L"http://ho st/", false, L"", 0, false, false},
        {L"http://ho\\st/", false, L"", 0, false, false},
        {L"http://host]/", false, L"", 0, false, false},
        {L"http://[]", false, L"", 0, false, false},
        {L"http://[]:80", false, L"", 0, false, false},
        {L"http://[::1", false, L"", 0, false, false},
        {L"http://[::1/x]", false, L"", 0, false, false},          // the path starts before "]"
        {L"http://[::1]x/", false, L"", 0, false, false},
        {L"http://[::1]:x", false, L"", 0, false, false},
        {L"http://[::1]:65536", false, L"", 0, false, false},
        {L"http://[::1]:0", false, L"", 0, false, false},
        {L"http://[f\u00e9::1]", false, L"", 0, false, false},
    };
    for (const auto& c : cases) {
        HttpUrl url;
        url.host = L"unchanged";
        bool ok = ParseHttpUrl(c.text, url);
        EXPECT_EQ(ok, c.ok) << c.text;
        if (!c.ok) {
            EXPECT_EQ(url.host, L"unchanged") << c.text;
            continue;
        }
        EXPECT_EQ(url.host, c.host) << c.text;
        EXPECT_EQ(url.port, c.port) << c.text;
        EXPECT_EQ(url.bracketed, c.bracketed) << c.text;
        EXPECT_EQ(url.https, c.https) << c.text;
    }
}

TEST(ParseHttpUrl, BracketedHostKeepsTheIPv6HostLimit) {
    std::wstring host99(99, L'a');
    HttpUrl url;
    EXPECT_TRUE(ParseHttpUrl(L"http://[" + host99 + L"]:81/", url));
    EXPECT_EQ(url.host, host99);
    EXPECT_FALSE(ParseHttpUrl(L"http://[" + host99 + L"b]:81/", url));
}
