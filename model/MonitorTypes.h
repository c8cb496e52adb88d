#pragma once
// The words every subsystem uses for a monitor's state and a check's outcome.
#include <windows.h>

enum MonitorStatus : int {
    MON_DOWN = 1,
    MON_UP = 2,          // Up (Ping, URL) or Open (TCP)
    MON_ERROR = 4,
    MON_ADDR_ERROR = 5,  // "IP ERROR", "URL ERROR" for URL monitors
    MON_CHECKING = 6,
    MON_CLOSED = 7,      // Closed (TCP) or S.n.F., string not found (URL)
    MON_DISABLED = 9,
    MON_VOLUME_TEST = 100,  // only asks the sound thread for the volume test sound
};

enum CheckMethod : UINT {
    METHOD_PING = 1,
    METHOD_TCP = 2,
    METHOD_URL = 3,
};

enum IpVersion : UINT {
    IPVER_4 = 0,
    IPVER_6 = 1,
};

constexpr DWORD kNoTime = 0xFFFFFFFFu;

// The outcome of one check, as reported with UM_CHECK_RESULT.
struct CheckResult {
    DWORD dwTimeMs = kNoTime;  // measured time, kNoTime for none
    DWORD dwError = 0;         // last system, socket or WinINet error code
    DWORD dwIpStatus = 0;      // last ICMP status code
};
