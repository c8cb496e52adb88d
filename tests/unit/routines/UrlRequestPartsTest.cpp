// What a URL check takes from an address besides host and port: the object it asks
// for and the credentials written before the host.
#include <gtest/gtest.h>

#include "model/UrlParser.h"

namespace {
struct PartsCase {
    const wchar_t* text;
    const wchar_t* object;
    const wchar_t* user;
    const wchar_t* password;
};
}  // namespace

TEST(ParseHttpUrl, GivesObjectAndCredentials) {
    const PartsCase cases[] = {
        {L"http://host", L"/", L"", L""},
        {L"http://host/", L"/", L"", L""},
        {L"http://host:81/status?x=1", L"/status?x=1", L"", L""},
        {L"http://host?q=1", L"/?q=1", L"", L""},
        {L"http://host/page#part", L"/page", L"", L""},
        {L"http://host#part", L"/", L"", L""},
        {L"http://[::1]:8080/a/b", L"/a/b", L"", L""},
        {L"http://user:pw@host/x", L"/x", L"user", L"pw"},
        {L"http://user@host/", L"/", L"user", L""},
        {L"http://user:p:w@host/", L"/", L"user", L"p:w"},
        {L"http://host/a@b:99", L"/a@b:99", L"", L""},
    };
    for (const PartsCase& c : cases) {
        HttpUrl url;
        ASSERT_TRUE(ParseHttpUrl(c.text, url)) << c.text;
        EXPECT_EQ(url.object, c.object) << c.text;
        EXPECT_EQ(url.user, c.user) << c.text;
        EXPECT_EQ(url.password, c.password) << c.text;
    }
}

TEST(HasHttpScheme, OnlyWebSchemes) {
    EXPECT_TRUE(HasHttpScheme(L"http://x"));
    EXPECT_TRUE(HasHttpScheme(L"HTTPS://x"));
    EXPECT_TRUE(HasHttpScheme(L"http://"));
    EXPECT_FALSE(HasHttpScheme(L"ftp://x"));
    EXPECT_FALSE(HasHttpScheme(L"http:/x"));
    EXPECT_FALSE(HasHttpScheme(L"httpx://x"));
    EXPECT_FALSE(HasHttpScheme(L""));
}
