#include "model/StatusWords.h"

#include "model/MonitorTypes.h"

std::wstring StatusWord(int status, UINT method) {
    const bool known = method == METHOD_PING || method == METHOD_TCP || method == METHOD_URL;
    switch (status) {
    case MON_ERROR: return L"ERROR";
    case MON_CHECKING: return L"CHECKING";
    case MON_DISABLED: return L"DISABLED";
    case MON_ADDR_ERROR:
        if (method == METHOD_URL) return L"URL ERROR";
        return known ? L"IP ERROR" : L"";
    case MON_UP:
        if (method == METHOD_TCP) return L"Open";
        return known ? L"Up" : L"";
    case MON_DOWN: return known ? L"Down" : L"";
    case MON_CLOSED:
        if (method == METHOD_TCP) return L"Closed";
        if (method == METHOD_URL) return L"S.n.F.";
        return L"";
    default: return L"";
    }
}
