#pragma once
// What each of the five instances is called and guarded by.
#include <string>

constexpr int kInstanceCount = 5;

// The instance index chosen by the command line: "/secondary", "/tertiary",
// "/quaternary", "/quinary" (case-sensitive, anywhere); the one tested last wins.
int InstanceFromCommandLine(const std::wstring& commandLine);

// The command-line switch of an instance: empty for the first, "/secondary",
// "/tertiary", "/quaternary", "/quinary" for the others (and empty out of range).
std::wstring InstanceSwitch(int instance);

// "K3A92D7E1-...58" followed by "A" to "E".
std::wstring InstanceMutexName(int instance);

// "Orvalen " (trailing blank), "Orvalen II" ... "Orvalen V".
std::wstring InstanceWindowTitle(int instance);
