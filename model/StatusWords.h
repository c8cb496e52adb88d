#pragma once
// The word for a monitor's status, the same in a box, in Status Info, in message
// boxes and in the logs: it depends on the status and, for some, on the method.
#include <string>
#include <windows.h>

enum class StatusWordStyle {
    Display,    // "IP ERROR" / "URL ERROR": box, Status Info, message boxes, logs
    Parameter,  // "IPERROR" / "URLERROR": "%status" in launched programs' parameters
};

// "Up" or "Open" (2), "Down" (1), "Closed" or "S.n.F." (7), "ERROR" (4), "IP ERROR" or
// "URL ERROR" (5), "CHECKING" (6), "DISABLED" (9); empty for a pair that has no word
// (a method other than Ping, TCP or URL where the word depends on it; 7 with Ping).
std::wstring StatusWord(int status, UINT method, StatusWordStyle style = StatusWordStyle::Display);

// The display word as Status Info spells it: "S.n.F." with its meaning, "S.n.F. (String
// not Found)"; every other word as StatusWord gives it.
std::wstring StatusInfoWord(int status, UINT method);

// "Ping", "TCP", "URL" for methods 1, 2, 3; empty for any other.
std::wstring MethodWord(UINT method);
