#pragma once
// The one parser of the web addresses that monitors check. The platform's URL cracker
// is not used: it keeps the brackets of an IPv6 host, splits "[fe80::1]" at its first
// colon, wraps ports above 65535 and accepts an empty host.
#include <string>
#include <windows.h>

struct HttpUrl {
    std::wstring host;       // server name or address; an IPv6 address without its brackets
    UINT port = 80;          // 1..65535; the scheme's default (80, or 443 for https) when none is given
    bool bracketed = false;  // the host was written in square brackets (an IPv6 literal)
    bool https = false;      // the scheme is https rather than http
    std::wstring user;       // from "user[:password]@" before the host; empty when none
    std::wstring password;
    std::wstring object = L"/";  // path and query after the host and port, without the fragment
};

// Longest host ParseIPv6Url gives (the address between the brackets).
constexpr size_t kMaxIPv6UrlHost = 99;

// Parses an 8-bit http URL whose host is an IPv6 address in square brackets:
// "http://[addr]", "http://[addr]/path", "http://[addr]:port/path". The scheme must be
// "http://" in lower case at the very start. On TRUE, host is the text between the
// brackets (1..99 characters) and port the number after "]:" (80 when none is given,
// also when what follows "]:" is no number). FALSE for a host that does not have the
// form of an IPv6 literal (IsIPv6LiteralForm: a numeric zone at most), a host longer
// than 99 characters, a port of 0 or above 65535, or a URL holding a blank (any Unicode
// space) or a control character anywhere; port is left unchanged on FALSE.
BOOL ParseIPv6Url(const std::string& url, std::string& host, UINT& port);

// True when the text starts with "http://" or "https://" in any letter case.
bool HasHttpScheme(const std::wstring& text);

// The scheme of a URL in lower case ("http", "file", "ftp"...): the letter, digits, "+",
// "-" and "." before the first colon, starting with a letter. Empty when there is none.
std::wstring UrlSchemeOf(const std::wstring& text);

// Parses "http://host[:port][/path...]" with the scheme in any letter case ("https://"
// too, see HttpUrl::https). Accepted: a non-empty host; an optional "user[:password]@"
// before it; an optional port of 1..65535 (an empty one takes the
// default). A bracketed host goes through ParseIPv6Url and may be followed only by
// ":port" before the path. What follows the host and port is not examined: it becomes
// the object (path and query, "/" when none). A URL holding a blank (any Unicode space)
// or a control character anywhere is refused. On false, `url` is left unchanged.
bool ParseHttpUrl(const std::wstring& text, HttpUrl& url);

// Host and port of a URL monitor's address, as its log file names and tools use them:
// what ParseHttpUrl reads (for an IPv6 monitor, ipVersion 1, only an http address), or
// for an IPv6 monitor what ParseIPv6Url takes from any other address. When neither reads
// it, or ipVersion is neither 0 nor 1, host is empty, port 80 and the result false.
bool SplitUrlAddress(const std::wstring& address, UINT ipVersion, std::wstring& host, UINT& port);
