#pragma once
// The WinINet error codes and ICMP statuses that the checks, the boxes, Status Info and
// the logs tell apart: their ranges and the few codes with a rule of their own.
#include <windows.h>

// WinINet's codes: the WinINet module has the text of these, the system of no other.
constexpr DWORD kWinInetErrorFirst = 12001;
constexpr DWORD kWinInetErrorLast = 12156;
constexpr bool IsWinInetError(DWORD code) { return code >= kWinInetErrorFirst && code <= kWinInetErrorLast; }

// ICMP statuses (IP_STATUS) an echo can fail with, as opposed to system error codes.
constexpr DWORD kIpStatusFirst = 11001;
constexpr DWORD kIpStatusLast = 11050;
constexpr bool IsIpStatus(DWORD code) { return code >= kIpStatusFirst && code <= kIpStatusLast; }

constexpr DWORD kIpDestHostUnreachable = 11003;
constexpr DWORD kIpRequestTimedOut = 11010;
constexpr DWORD kIpGeneralFailure = 11050;  // has no text of its own: "General Failure"

constexpr DWORD kInternetCannotConnect = 12029;

// A connect that found no route to the host (10065): a TCP monitor's "Unreach.".
constexpr DWORD kWsaHostUnreachable = WSAEHOSTUNREACH;
