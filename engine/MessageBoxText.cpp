#include "engine/MessageBoxText.h"

#include "engine/Placeholders.h"
#include "framework/StringUtil.h"
#include "framework/TimeText.h"
#include "model/MonitorRecord.h"
#include "model/StatusWords.h"

const wchar_t kNotificationCaption[] = L"Orvalen";

std::wstring MessageBoxText(const CMonitorRecord& record, const SYSTEMTIME& now) {
    const int status = record.m_nStatus;
    const UINT method = record.CheckMethod;
    const bool known = (status == MON_UP || status == MON_DOWN || status == MON_ERROR || status == MON_ADDR_ERROR ||
                        (status == MON_CLOSED && method != METHOD_PING));
    if (!known || MethodWord(method).empty()) return std::wstring();

    const std::wstring description =
        ExpandPlaceholders(record.MsgBoxDesc, PlaceholderUse::MsgBoxDesc, SubjectOf(record), now);
    const std::wstring date = fw::FormatTime(L"%x", now);
    const std::wstring time = fw::FormatTime(L"%X", now);
    const std::wstring word = StatusWord(status, method, StatusWordStyle::Display);
    std::wstring text = fw::Format(L"Description: %s\nStatus: %s\nDate: %s\nTime: %s\nName: %s\nMethod: %s\n",
                                   description.c_str(), word.c_str(), date.c_str(), time.c_str(),
                                   record.Name.c_str(), MethodWord(method).c_str());
    if (method == METHOD_URL) {
        text += fw::Format(L"URL: %s\r\n", record.IPorURLAddress.c_str());
    } else if (method == METHOD_TCP) {
        text += fw::Format(L"IP: %s\nPort: %d\r\n", record.IPorURLAddress.c_str(), static_cast<int>(record.Port));
    } else {
        text += fw::Format(L"IP: %s\r\n", record.IPorURLAddress.c_str());
    }
    return text;
}
