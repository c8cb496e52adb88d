#include <gtest/gtest.h>
#include <winsock2.h>

#include <cstring>
#include <string>

#include "model/SharedRoutines.h"

namespace {

struct TextCase {
    const char* text;
    BOOL expected;
};

}  // namespace

TEST(IsValidHostName, AcceptsLettersDigitsDotsDashesUnderscores) {
    const TextCase cases[] = {
        {"", FALSE},
        {"ab", FALSE},                 // shorter than 3
        {"a.b", TRUE},
        {"my_host-01.lan", TRUE},
        {"my host", FALSE},            // blank
        {"...", TRUE},                 // order of dots is not checked
        {"10.0.0.1", TRUE},
        {"::1", FALSE},
        {"[::1]", FALSE},
        {"host:80", FALSE},
        {"h\xC3\xA9llo", FALSE},       // bytes of 128 and above are no letters
        {"tab\there", FALSE},
        {"UPPER.CASE", TRUE},
    };
    for (const auto& c : cases) EXPECT_EQ(IsValidHostName(c.text), c.expected) << c.text;
}

TEST(IsValidHostName, TextWithEmbeddedNulIsRejected) {
    EXPECT_FALSE(IsValidHostName(std::string("abc\0def", 7)));
}

class IsIPv6AddressTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WSADATA data;
        ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &data), 0);
    }
    static void TearDownTestSuite() { WSACleanup(); }
};

TEST_F(IsIPv6AddressTest, NumericIPv6LiteralsOnly) {
    const TextCase cases[] = {
        {"::1", TRUE},
        {"fe80::1", TRUE},
        {"2001:db8::8:800:200c:417a", TRUE},
        {"::ffff:127.0.0.1", TRUE},
        {"127.0.0.1", FALSE},
        {"localhost", FALSE},          // no lookup takes place
        {"[::1]", FALSE},              // brackets belong to URLs
        {"[::1", FALSE},
        {"::1]", FALSE},
        {"", FALSE},
        {"1:2:3:4:5:6:7:8:9", FALSE},
        {"::g", FALSE},
    };
    for (const auto& c : cases) EXPECT_EQ(IsIPv6Address(c.text), c.expected) << c.text;
}

TEST_F(IsIPv6AddressTest, TextWithEmbeddedNulIsRejected) {
    EXPECT_FALSE(IsIPv6Address(std::string("::1\0junk", 8)));
}

TEST(RightThree, LastThreeCharactersOrWholeText) {
    const struct {
        const wchar_t* text;
        const wchar_t* expected;
    } cases[] = {
        {L"Desktop.ico", L"ico"}, {L"x.ICO", L"ICO"}, {L"ab", L"ab"},
        {L"", L""},               {L"ico", L"ico"},   {L"a.bmp", L"bmp"},
    };
    for (const auto& c : cases) EXPECT_EQ(RightThree(c.text), c.expected) << c.text;
}

TEST(ParseIPv6Url, BracketedHostWithAndWithoutPort) {
    const struct {
        const char* url;
        BOOL ok;
        const char* host;
        UINT port;
    } cases[] = {
        {"http://[::1]:8080/status", TRUE, "::1", 8080},
        {"http://[::1]/status", TRUE, "::1", 80},
        {"http://[::1]", TRUE, "::1", 80},
        {"http://[::1]:x", TRUE, "::1", 80},             // no number after "]:"
        {"http://[::1]:", TRUE, "::1", 80},
        {"http://[fe80::1%4]:81", TRUE, "fe80::1%4", 81},
        {"http://[::1]:65535", TRUE, "::1", 65535},
        {"http://[::1]:080", TRUE, "::1", 80},           // decimal, leading zero kept as decimal
        {"http://[::1]:8080x", TRUE, "::1", 8080},       // what follows the port is ignored
        {"http://[::1]?q=]", TRUE, "::1", 80},
        {"HTTP://[::1]:8080/status", FALSE, "", 0},      // scheme in lower case only
        {"https://[::1]:8080/status", FALSE, "", 0},
        {"https://[::1]", FALSE, "", 0},
        {" http://[::1]", FALSE, "", 0},                 // at the very start
        {"http://[]", FALSE, "", 0},
        {"http://[]:80", FALSE, "", 0},
        {"http://[::1", FALSE, "", 0},                   // no closing bracket
        {"http://::1", FALSE, "", 0},
        {"http://[::1]:65536", FALSE, "", 0},            // would turn into another port
        {"http://[::1]:99999", FALSE, "", 0},
        {"http://[::1]:4294967376", FALSE, "", 0},       // would wrap to 80
        {"http://[::1]:-1", FALSE, "", 0},
        {"", FALSE, "", 0},
    };
    for (const auto& c : cases) {
        std::string host = "unchanged";
        UINT port = 12345;
        BOOL ok = ParseIPv6Url(c.url, host, port);
        EXPECT_EQ(ok, c.ok) << c.url;
        if (c.ok) {
            EXPECT_EQ(host, c.host) << c.url;
            EXPECT_EQ(port, c.port) << c.url;
        } else {
            EXPECT_EQ(port, 12345u) << c.url << ": port left unchanged on failure";
        }
    }
}

TEST(ParseIPv6Url, HostLongerThan99CharactersIsRejectedNotCut) {
    std::string host99(99, 'a');
    std::string host;
    UINT port = 0;
    EXPECT_TRUE(ParseIPv6Url("http://[" + host99 + "]:81/", host, port));
    EXPECT_EQ(host, host99);
    EXPECT_EQ(port, 81u);

    port = 7;
    EXPECT_FALSE(ParseIPv6Url("http://[" + host99 + "b]:81/", host, port));
    EXPECT_FALSE(ParseIPv6Url("http://[" + host99 + "b]", host, port));
    EXPECT_EQ(port, 7u);
}

// The WinINet module is loaded only for this test and freed again, so the answer with
// and without it can be compared. The texts themselves are the platform's.
TEST(GetWinInetErrorText, ModuleTextWhenLoadedNumberOtherwise) {
    if (GetModuleHandleW(L"WinINet.dll") == nullptr) {
        EXPECT_EQ(GetWinInetErrorText(12029), L"12029");
    }

    HMODULE wininet = LoadLibraryW(L"wininet.dll");
    ASSERT_NE(wininet, nullptr);
    std::wstring known = GetWinInetErrorText(12029);
    EXPECT_FALSE(known.empty());
    EXPECT_NE(known, L"12029");
    EXPECT_EQ(known.find_first_not_of(L"0123456789"), 0u) << "a text, not a number";
    EXPECT_EQ(known.find(L'\n'), std::wstring::npos) << "line breaks are not kept";

    // A code the module has no message for.
    EXPECT_EQ(GetWinInetErrorText(12999), L"12999");
    EXPECT_EQ(GetWinInetErrorText(4294967295u), L"4294967295");
    FreeLibrary(wininet);
}

TEST(IsRunningOnWine, MatchesTheWineRegistryKey) {
    HKEY key = nullptr;
    bool wineKey = RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Wine", 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (key) RegCloseKey(key);
    EXPECT_EQ(IsRunningOnWine() != FALSE, wineKey);
}

TEST(IsVistaOrLater, AgreesWithVerifyVersionInfo) {
    OSVERSIONINFOEXW wanted = {};
    wanted.dwOSVersionInfoSize = sizeof(wanted);
    wanted.dwMajorVersion = 6;
    DWORDLONG mask = VerSetConditionMask(0, VER_MAJORVERSION, VER_GREATER_EQUAL);
    bool atLeast6 = VerifyVersionInfoW(&wanted, VER_MAJORVERSION, mask) != FALSE;
    EXPECT_EQ(IsVistaOrLater() != FALSE, atLeast6);
}

namespace {

// The fixed part of this program's own version resource, found by its signature.
bool ReadOwnFixedFileInfo(VS_FIXEDFILEINFO& info) {
    HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(VS_VERSION_INFO), MAKEINTRESOURCEW(16));
    if (!resource) return false;
    HGLOBAL loaded = LoadResource(nullptr, resource);
    const BYTE* data = static_cast<const BYTE*>(LockResource(loaded));
    DWORD size = SizeofResource(nullptr, resource);
    for (DWORD offset = 0; data && offset + sizeof(info) <= size; offset += 4) {
        DWORD signature = 0;
        memcpy(&signature, data + offset, sizeof(signature));
        if (signature == 0xFEEF04BD) {
            memcpy(&info, data + offset, sizeof(info));
            return true;
        }
    }
    return false;
}

}  // namespace

TEST(GetVersionString, IsTheProgramsOwnVersionWithoutPadding) {
    VS_FIXEDFILEINFO info = {};
    ASSERT_TRUE(ReadOwnFixedFileInfo(info));
    wchar_t expected[64];
    swprintf(expected, 64, L"%u.%u.%u.%u", HIWORD(info.dwFileVersionMS), LOWORD(info.dwFileVersionMS),
             HIWORD(info.dwFileVersionLS), LOWORD(info.dwFileVersionLS));

    CGlobalFunctions functions;
    EXPECT_EQ(functions.GetVersionString(), expected);

    DWORD major = 9, minor = 9, build = 9, revision = 9;
    EXPECT_TRUE(GetFileVersion(major, minor, build, revision));
    EXPECT_EQ(major, HIWORD(info.dwFileVersionMS));
    EXPECT_EQ(revision, LOWORD(info.dwFileVersionLS));
}
