#include <gtest/gtest.h>
#include <winsock2.h>

#include <cstring>
#include <string>

#include "framework/AppMessage.h"
#include "framework/Handle.h"
#include "model/SharedRoutines.h"
#include "support/TempFiles.h"

// The two address tests of the monitor dialog, on the same texts.
TEST(AddressTests, HostNamesAndIPv6Literals) {
    WSADATA data;
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &data), 0);
    const struct {
        std::string text;
        BOOL hostName, ipv6;
    } cases[] = {
        {"", FALSE, FALSE},           {"ab", FALSE, FALSE},        {"a.b", TRUE, FALSE},
        {"my_host-01.lan", TRUE, FALSE}, {"my host", FALSE, FALSE}, {"...", TRUE, FALSE},
        {"10.0.0.1", TRUE, FALSE},    {"localhost", TRUE, FALSE},  // no lookup takes place
        {"host:80", FALSE, FALSE},    {"h\xC3\xA9llo", FALSE, FALSE}, {"tab\there", FALSE, FALSE},
        {"::1", FALSE, TRUE},         {"fe80::1", FALSE, TRUE},
        {"2001:db8::8:800:200c:417a", FALSE, TRUE}, {"::ffff:127.0.0.1", FALSE, TRUE},
        {"[::1]", FALSE, FALSE},      {"[::1", FALSE, FALSE},      {"::1]", FALSE, FALSE},
        {"1:2:3:4:5:6:7:8:9", FALSE, FALSE}, {"::g", FALSE, FALSE},
        {std::string("abc\0def", 7), FALSE, FALSE}, {std::string("::1\0junk", 8), FALSE, FALSE},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidHostName(c.text), c.hostName) << c.text;
        EXPECT_EQ(IsIPv6Address(c.text), c.ipv6) << c.text;
    }
    WSACleanup();
}

// The form of an IPv6 literal, asked of no platform: what a bracketed URL host and a
// zone "%" kept in a command line must have (a numeric zone), and what the tools put in
// brackets (any zone).
TEST(AddressTests, IPv6LiteralForm) {
    const struct {
        const wchar_t* text;
        bool numberZone, anyZone;
    } cases[] = {
        {L"::1", true, true},           {L"fe80::1%4", true, true},        {L"FE80::A:b%12", true, true},
        {L"::ffff:127.0.0.1", true, true}, {L"::ffff:127.0.0.1%3", true, true}, {L"1:2:3:4:5:6:7:8", true, true},
        {L"::", true, true},            {L"1:2", false, false},            {L"db", false, false},
        {L"", false, false},            {L"fe80::1%", false, true},        {L"fe80::1%eth0", false, true},
        {L"fe80::1%4%5", false, true},  {L"fe80::1%-4", false, true},      {L"x%CMDCMDLINE:~-8,1%calc", false, false},
        {L"::1%CMDCMDLINE:~-8,1%", false, true}, {L"::g", false, false},   {L"::1.2.3", false, false},
        {L"::1.2.3.4.5", false, false}, {L"::1234.1.1.1", false, false},   {L"1.2.3.4::1", false, false},
        {L"::1 ", false, false},        {L"[::1]", false, false},          {L"::\u0661", false, false},
        {L"host:8080", false, false},   {L"a:b:c", true, true},            {L"g::1%eth0", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsIPv6LiteralForm(c.text), c.numberZone) << testing::PrintToString(c.text);
        EXPECT_EQ(IsIPv6LiteralForm(c.text, IPv6Zone::Any), c.anyZone) << testing::PrintToString(c.text);
    }
}

TEST(RightThree, LastThreeCharactersOrWholeText) {
    const wchar_t* cases[][2] = {{L"Desktop.ico", L"ico"}, {L"x.ICO", L"ICO"}, {L"ab", L"ab"}, {L"", L""}};
    for (const auto& c : cases) EXPECT_EQ(RightThree(c[0]), c[1]) << c[0];
}

// A folder of the name is no file: a backup or a skin must not be taken from it.
TEST(IsExistingFile, FilesOnlyNotFolders) {
    CTempFolder temp;
    WriteBytes(temp.File(L"a.ini"), "[main]");
    CreateDirectoryW(temp.File(L"Skins.ini").c_str(), nullptr);
    const struct {
        std::wstring path;
        bool file;
    } cases[] = {{temp.File(L"a.ini"), true}, {temp.File(L"Skins.ini"), false}, {temp.File(L"b.ini"), false},
                 {temp.Path(), false}, {L"", false}};
    for (const auto& c : cases) EXPECT_EQ(IsExistingFile(c.path), c.file) << c.path.c_str();
}

// System and WinINet texts: the platform's, on one line, with nothing trailing; the
// number when WinINet is not loaded or has no text for the code.
TEST(ErrorTexts, PlatformTextsWithoutTrailingBlanksOrNumbers) {
    if (GetModuleHandleW(L"WinINet.dll") == nullptr) EXPECT_EQ(GetWinInetErrorText(12029), L"12029");
    HMODULE wininet = LoadLibraryW(L"wininet.dll");
    ASSERT_NE(wininet, nullptr);
    const std::wstring texts[] = {GetWinInetErrorText(12029), fw::SystemErrorText(ERROR_FILE_NOT_FOUND),
                                  fw::MessageTableText(ERROR_ACCESS_DENIED, nullptr, true)};
    for (const std::wstring& text : texts) {
        ASSERT_FALSE(text.empty()) << &text - texts;
        EXPECT_NE(text.find_first_not_of(L"0123456789"), std::wstring::npos) << "a text, not a number";
        EXPECT_NE(text.back(), L' ') << text.c_str();
        EXPECT_NE(text.back(), L'\n') << text.c_str();
    }
    EXPECT_EQ(GetWinInetErrorText(12029).find(L'\n'), std::wstring::npos);
    EXPECT_EQ(GetWinInetErrorText(12999), L"12999");
    FreeLibrary(wininet);
}

TEST(PlatformTests, WineVersionAndOwnVersionResource) {
    const bool wineKey = fw::OpenRegKey(HKEY_CURRENT_USER, L"Software\\Wine", KEY_READ).Valid();
    EXPECT_EQ(IsRunningOnWine() != FALSE, wineKey);

    OSVERSIONINFOEXW wanted = {sizeof(wanted), 6};
    DWORDLONG mask = VerSetConditionMask(0, VER_MAJORVERSION, VER_GREATER_EQUAL);
    EXPECT_EQ(IsVistaOrLater() != FALSE, VerifyVersionInfoW(&wanted, VER_MAJORVERSION, mask) != FALSE);

    // The fixed part of this program's own version resource, found by its signature.
    HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(VS_VERSION_INFO), MAKEINTRESOURCEW(16));
    ASSERT_NE(resource, nullptr);
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, resource)));
    VS_FIXEDFILEINFO info = {};
    for (DWORD offset = 0; offset + sizeof(info) <= SizeofResource(nullptr, resource) && !info.dwSignature; offset += 4)
        if (*reinterpret_cast<const DWORD*>(data + offset) == 0xFEEF04BD) memcpy(&info, data + offset, sizeof(info));
    ASSERT_EQ(info.dwSignature, 0xFEEF04BDu);
    wchar_t expected[64];
    swprintf(expected, 64, L"%u.%u.%u.%u", HIWORD(info.dwFileVersionMS), LOWORD(info.dwFileVersionMS),
             HIWORD(info.dwFileVersionLS), LOWORD(info.dwFileVersionLS));
    EXPECT_EQ(CGlobalFunctions().GetVersionString(), expected);
}
