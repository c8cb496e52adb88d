#pragma once
// The map from the codes a check meets to the status it reports, one rule per kind of
// check, so every check of a kind maps the same way.
#include <windows.h>

struct CodeOutcome {
    int status;
    DWORD error;
    DWORD ipStatus;
};

// A ping whose send failed with code e (IPv4 and IPv6 alike).
CodeOutcome MapIcmpSendFailure(DWORD e);
// A ping whose reply carries status s, not 0.
CodeOutcome MapIcmpReplyStatus(DWORD s);

// A TCP connection that ended with code e (connect or SO_ERROR, IPv4 and IPv6 alike).
// Down, Closed and address errors keep e as their error.
int MapTcpError(DWORD e);

// A URL whose opening failed with the WinINet (or system) code e.
int MapUrlOpenError(DWORD e);
