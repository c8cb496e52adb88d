#include "dialogs/MonitorDialogRules.h"

#include "framework/StringUtil.h"
#include "model/MonitorTypes.h"
#include "model/SharedRoutines.h"
#include "model/UrlParser.h"

namespace {

const MethodLook kMethodLooks[] = {
    // Ping
    {1, 3, false, false, L"  Up", L"     Down", L"Up", L"Down", L"Up", L"Clo.", L"Closed", false, L"",
     {L"IPv4, Host or Computer Na.", L"IPv6, Host or Computer Na."}},
    // TCP
    {3, 10, true, false, L"Open", L"Closed,Down", L"Open", L"Closed,Down", L"Open", L"Clo.", L"Closed", true, L"",
     {L"IPv4, Host or Computer Na.", L"IPv6, Host or Computer Na."}},
    // URL
    {5, 30, false, true, L"  Up", L"Down,S.n.F.", L"Up", L"Down,S.n.F.", L"Up", L"S.n.F", L"S.n.F.", true,
     L"S.n.F. = Up, but String not Found", {L"URL (http://IPv4)", L"URL (http://[IPv6])"}},
};

const wchar_t* const kUrlExamplesV4 = L"\nhttp://IPv4Host\nhttp://IPv4Addr\nhttp://IPv4Addr:Port\nhttp://IPv4Addr:Port/index.html";
const wchar_t* const kUrlExamplesV6 =
    L"\nhttp://IPv6Host\nhttp://[IPv6 Addr.]\nhttp://[IPv6 Addr.]:Port\nhttp://[IPv6 Addr.]:Port/index.html";

// The opening of a message in the wording of its caller.
std::wstring Wording(bool fromOkOrApply, const wchar_t* okText, const wchar_t* fileText) {
    return fromOkOrApply ? okText : fileText;
}

}  // namespace

const MethodLook* MethodLookFor(UINT method) {
    if (method < METHOD_PING || method > METHOD_URL) return nullptr;
    return &kMethodLooks[method - 1];
}

std::wstring RepeatBalloonText(RepeatKind kind, bool typed, UINT count, UINT interval) {
    const unsigned long seconds = static_cast<unsigned long>(count) * interval;
    const wchar_t* format =
        kind == RepeatKind::MsgBox ? L"Show Message Box if IP change Status for %lu Checks = %lu hr %lu min %lu sec."
        : typed                    ? L"Play Sound if IP change Status for %lu Checks  = %lu hr %lu min %lu sec."
                                   : L"Play Sound if IP change Status for %lu Checks = %lu hr %lu min %lu sec.";
    return fw::Format(format, static_cast<unsigned long>(count), seconds / 3600, seconds % 3600 / 60,
                      seconds % 3600 % 60);
}

std::wstring IntervalBalloonText(UINT method) {
    if (method == METHOD_URL)
        return L"Be careful, low Check Interval is many log records on monitored Web Service. Please use this "
               L"method for monitoring only your own Web Service.";
    if (method == METHOD_TCP)
        return L"Be careful, low Check Interval is many log records on monitored TCP Service. Please use this "
               L"method for monitoring only your own TCP Service.";
    return L"";
}

AddressCheck CheckMonitorAddress(UINT method, UINT ipVersion, const std::wstring& address, bool fromOkOrApply) {
    AddressCheck check;
    const std::string narrow = fw::ToNarrow(address, CP_THREAD_ACP);
    if (method == METHOD_PING || method == METHOD_TCP) {
        if (ipVersion == IPVER_4) {
            check.ok = IsValidHostName(narrow) != FALSE;
            if (!check.ok)
                check.message = Wording(fromOkOrApply,
                                        L"The IP Address Edit Box does not contain a valid IPv4 Address or Host.",
                                        L"Access to File Settings the IP Address Edit Box must contain a valid IPv4 "
                                        L"Address or Host.");
        } else if (ipVersion == IPVER_6) {
            check.ok = IsValidHostName(narrow) || IsIPv6Address(narrow);
            if (!check.ok)
                check.message = Wording(fromOkOrApply,
                                        L"The IP Address Edit Box does not contain a valid IPv6 Address or Host.",
                                        L"Access to File Settings the IP Address Edit Box must contain a valid IPv6 "
                                        L"Address or Host.");
        }
        return check;
    }
    if (method != METHOD_URL) {
        check.ok = true;
        return check;
    }
    if (ipVersion != IPVER_4 && ipVersion != IPVER_6) return check;
    // Only the plain http service is checked; our own parser reads the server and port.
    HttpUrl url;
    if (ParseHttpUrl(address, url) && !url.https) {
        check.ok = check.hasUrl = true;
        check.urlHost = url.host;
        check.urlPort = url.port & 0xFFFF;
        return check;
    }
    std::string host;
    UINT port = 80;
    if (ipVersion == IPVER_6 && ParseIPv6Url(narrow, host, port)) {
        check.ok = check.hasUrl = true;
        check.urlHost = fw::ToWide(host, CP_THREAD_ACP);
        check.urlPort = port;
        return check;
    }
    if (ipVersion == IPVER_4)
        check.message = Wording(fromOkOrApply, L"The URL does not contain a valid IPv4 http service type.",
                                L"Access to File Settings the URL must contain a valid IPv4 http service type.") +
                        kUrlExamplesV4;
    else
        check.message = Wording(fromOkOrApply, L"The URL does not contain a valid IPv6 http service type.",
                                L"Access to File Settings the URL must contain a valid IPv6 http service type.") +
                        kUrlExamplesV6;
    return check;
}
