#include "ui/BoxText.h"

#include "framework/StringUtil.h"
#include "model/MonitorTypes.h"
#include "model/NetErrorCodes.h"
#include "model/StatusWords.h"

bool IsCaptionStatus(int status) {
    return status == MON_ERROR || status == MON_ADDR_ERROR || status == MON_CHECKING || status == MON_DISABLED;
}

bool IsNetworkStatus(int status) { return status == MON_UP || status == MON_DOWN || status == MON_CLOSED; }

std::wstring BoxCaption(int status, UINT method) {
    if (!IsCaptionStatus(status)) return L"";
    // Every method but URL has an IP error here, also one the program does not know.
    if (status == MON_ADDR_ERROR && method != METHOD_URL) method = METHOD_PING;
    return StatusWord(status, method);
}

std::wstring MethodLine(UINT method, UINT ipVersion, UINT port) {
    const wchar_t* ip = ipVersion == IPVER_4 ? L"IPv4" : L"IPv6";
    switch (method) {
    case METHOD_PING: return fw::Format(L"Method: Ping %s", ip);
    case METHOD_TCP: return fw::Format(L"Method: TCP %d %s", static_cast<int>(port), ip);
    case METHOD_URL: return fw::Format(L"Method: URL %s", ip);
    default: return L"";
    }
}

std::wstring StatusLine(int status, UINT method) {
    if (!IsNetworkStatus(status)) return L"";
    std::wstring word = StatusWord(status, method);
    return word.empty() ? word : L"Status: " + word;
}

std::wstring TimeLine(int status, UINT method, DWORD timeMs, DWORD error, DWORD ipStatus) {
    if (status == MON_DOWN) {
        switch (method) {
        case METHOD_URL: return error == kInternetCannotConnect ? L"Connect: Failed" : L"Connect: Timeout";
        case METHOD_TCP: return error == kWsaHostUnreachable ? L"Connect: Unreach." : L"Connect: Timeout";
        case METHOD_PING:
            if (error == kIpDestHostUnreachable || (error == 0 && ipStatus == kIpDestHostUnreachable))
                return L"Reply: Unreach.";
            return L"Reply: Timeout";
        default: return L"Reply: Timeout";
        }
    }
    const wchar_t* label = method == METHOD_URL ? L"Load" : method == METHOD_TCP ? L"Connect" : L"Reply";
    if ((status == MON_UP || status == MON_CLOSED) && timeMs == 0) return fw::Format(L"%s: <1 ms", label);
    return fw::Format(L"%s: %lu ms", label, static_cast<unsigned long>(timeMs));
}

std::vector<std::wstring> InfoLines(const BoxTextInput& box, const BoxLineSwitches& on) {
    std::vector<std::wstring> lines;
    if (on.ipAddress) lines.push_back(box.address);
    if (on.method) lines.push_back(MethodLine(box.method, box.ipVersion, box.port));
    if (IsCaptionStatus(box.status)) return lines;
    if (on.status) lines.push_back(StatusLine(box.status, box.method));
    if (on.replyTime) lines.push_back(TimeLine(box.status, box.method, box.timeMs, box.error, box.ipStatus));
    return lines;
}

size_t InfoLinesDrawn(size_t lineCount, int status) {
    size_t limit = IsNetworkStatus(status) ? 4 : 2;
    return lineCount < limit ? lineCount : limit;
}

UINT TextPlacementFlags(int textWidth, int boxWidth) {
    // Names and addresses are shown as typed: "R&D" must not turn into an underlined "RD"
    // (the width was measured with the "&" in it, too).
    UINT flags = DT_SINGLELINE | DT_NOPREFIX;
    return textWidth <= boxWidth ? (flags | DT_CENTER) : flags;
}

BoxColours BoxColoursFor(int status, COLORREF boxUp, COLORREF boxDown, COLORREF textUp, COLORREF textDown) {
    if (status == MON_UP) return {boxUp, textUp};
    if (status == MON_DOWN || status == MON_CLOSED) return {boxDown, textDown};
    return {RGB(255, 255, 255), RGB(0, 0, 0)};
}
