#include "model/StatusWords.h"

#include "model/MonitorTypes.h"

std::wstring StatusWord(int status, UINT method, StatusWordStyle style) {
    const bool known = method == METHOD_PING || method == METHOD_TCP || method == METHOD_URL;
    const bool display = style == StatusWordStyle::Display;
    switch (status) {
    case MON_ERROR: return L"ERROR";
    case MON_CHECKING: return L"CHECKING";
    case MON_DISABLED: return L"DISABLED";
    case MON_ADDR_ERROR:
        if (method == METHOD_URL) return display ? L"URL ERROR" : L"URLERROR";
        if (!known) return L"";
        return display ? L"IP ERROR" : L"IPERROR";
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

std::wstring StatusInfoWord(int status, UINT method) {
    std::wstring word = StatusWord(status, method);
    if (status == MON_CLOSED && method == METHOD_URL) word += L" (String not Found)";
    return word;
}

std::wstring MethodWord(UINT method) {
    switch (method) {
    case METHOD_PING: return L"Ping";
    case METHOD_TCP: return L"TCP";
    case METHOD_URL: return L"URL";
    default: return L"";
    }
}
