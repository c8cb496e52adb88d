#pragma once
// Small routines shared by the window, the dialogs and the monitoring workers. None
// keeps state between calls and none shows anything to the user; all are reentrant.
#include <string>
#include <windows.h>

// TRUE when the platform's major version is 6 or more.
BOOL IsVistaOrLater();

// TRUE when the program runs under Wine (ntdll exports "wine_get_version").
BOOL IsRunningOnWine();

// Host-name test of an address as typed (8-bit text): at least 3 characters, each an
// ASCII letter, a digit, ".", "-" or "_". Label order and lengths are not checked.
BOOL IsValidHostName(const std::string& text);

// TRUE when the platform's numeric resolver reads the 8-bit text as an IPv6 address
// (no name lookup; a zone suffix is accepted where the platform accepts it). Square
// brackets give FALSE: "[::1]" is a URL's host form, not an address. Needs Winsock
// started (WSAStartup), as every network routine here.
BOOL IsIPv6Address(const std::string& text);

// The zone an IPv6 literal may end with, after "%".
enum class IPv6Zone {
    Number,  // a number ("fe80::1%4", the form Windows gives), the only zone that may
             // stand in a URL's brackets or reach the command interpreter
    Any,     // any text, such as an interface name ("fe80::1%eth0"): the literal is put
             // in brackets by a tool the shell opens, whatever its zone
};

// True when the text has the form of an IPv6 literal: hex digits and colons (two at
// least), the last group perhaps a dotted IPv4 address ("::ffff:127.0.0.1"), then
// perhaps "%" and a zone. The form only, without asking the platform: it is what keeps
// a bracketed URL host or a zone from carrying other text, and what tells a literal
// from a host name.
bool IsIPv6LiteralForm(const std::wstring& text, IPv6Zone zone = IPv6Zone::Number);

// An IPv6 address in the letters a host or file name may hold, as the
// "ipv6-literal.net" names write it: ":" becomes "-" and "%" becomes "s"
// ("fe80::1%4" gives "fe80--1s4").
std::wstring IPv6LiteralNameForm(std::wstring text);

// True when the "%" at `at` in `text` ends an IPv6 literal written there and is followed
// by its numeric zone alone ("ping fe80::1%4 -n 2"). Every other "%" could start a
// %name% expansion of the command interpreter.
bool IsIPv6ZonePercent(const std::wstring& text, size_t at);

// The last three characters of the text (the whole text when shorter). Callers lower
// the case before comparing it with "ico".
std::wstring RightThree(const std::wstring& text);

// TRUE when a file (not a folder) is at the path: a folder of that name is no file to
// read or replace.
bool IsExistingFile(const std::wstring& path);

// The WinINet module's message for the code, or the code in decimal when that module
// is not loaded in this process or has no message for it.
std::wstring GetWinInetErrorText(DWORD code);

// The running program file's version (its VERSIONINFO). FALSE, with all four zero,
// when the file carries no readable version.
BOOL GetFileVersion(DWORD& major, DWORD& minor, DWORD& build, DWORD& revision);

// Sets the wave-out volume (0 to kFullVolume) to the same level on the left and the
// right channel. No sound device is no error here: the call's failure is not reported.
constexpr UINT kFullVolume = 65535;
void SetWaveOutVolume(UINT volume);

class CGlobalFunctions {
public:
    CGlobalFunctions() = default;
    virtual ~CGlobalFunctions() = default;

    // "major.minor.build.revision" of the running program file, without padding.
    std::wstring GetVersionString();

private:
    std::wstring m_strVersion;
};
