#include "engine/LogFormat.h"

#include "framework/StringUtil.h"
#include "framework/TimeText.h"
#include "model/DeviceNames.h"
#include "model/MonitorRecord.h"
#include "model/NetErrorCodes.h"
#include "model/SharedRoutines.h"
#include "model/StatusWords.h"

namespace {

// A field never breaks the line or adds a column.
std::wstring Field(std::wstring text) {
    for (wchar_t& c : text)
        if (c == L'\t' || c == L'\r' || c == L'\n') c = L' ';
    return text;
}

std::wstring FifthField(const LogEntry& e) {
    switch (e.status) {
    case MON_ERROR:
    case MON_ADDR_ERROR: return L"N/A";
    case MON_UP:
    case MON_CLOSED: return fw::Format(L"%lu", static_cast<unsigned long>(e.timeMs));
    case MON_DOWN:
        if (e.method == METHOD_PING && e.error == 0 && e.ipStatus == kIpDestHostUnreachable) return L"Unreachable";
        if (e.method == METHOD_TCP && e.error == kWsaHostUnreachable) return L"Unreachable";
        if (e.method == METHOD_URL && e.error == kInternetCannotConnect) return L"Failed";
        return L"Timeout";
    default: return L"";
    }
}

}  // namespace

std::wstring LogDayFolder(const std::wstring& logDir, const SYSTEMTIME& now) {
    return logDir + fw::Format(L"%d-%d-%d\\", now.wMonth, now.wDay, now.wYear);
}

std::wstring LogFileHost(const std::wstring& host, UINT ipVersion) {
    std::wstring text = ipVersion == IPVER_6 ? IPv6LiteralNameForm(host) : host;
    for (wchar_t& c : text) {
        switch (c) {
        case L'\\': case L'/': case L':': case L'*': case L'?': case L'"': case L'<': case L'>': case L'|':
            c = L'-';
            break;
        default:
            if (c < 32) c = L'-';
            break;
        }
    }
    return text;
}

std::wstring LogFileName(const std::wstring& dayFolder, const CMonitorRecord& record, int logFileType) {
    const wchar_t* ext = logFileType == 0 ? L"txt" : L"csv";
    const wchar_t* ipv = record.IPv == IPVER_6 ? L"IPv6" : L"IPv4";
    std::wstring leaf;
    switch (record.CheckMethod) {
    case METHOD_PING:
        leaf = fw::Format(L"%s_Ping_%s.%s", LogFileHost(record.IPorURLAddress, record.IPv).c_str(), ipv, ext);
        break;
    case METHOD_TCP:
        leaf = fw::Format(L"%s_TCP_%d_%s.%s", LogFileHost(record.IPorURLAddress, record.IPv).c_str(),
                          static_cast<int>(record.Port), ipv, ext);
        break;
    case METHOD_URL:
        leaf = fw::Format(L"%s_URL_%d_%s.%s", LogFileHost(record.m_strUrlHost, record.IPv).c_str(),
                          static_cast<int>(record.m_nUrlPort), ipv, ext);
        break;
    default: return std::wstring();
    }
    // "nul.example_Ping_IPv4.txt" would be the NUL device, its lines lost: a host whose
    // first label is a device name gets a file of its own, marked by a leading "_".
    if (IsReservedDeviceName(leaf)) leaf.insert(0, L"_");
    return dayFolder + leaf;
}

std::wstring TodaysLogFileName(const std::wstring& logDir, const CMonitorRecord& record, int logFileType,
                               const SYSTEMTIME& now) {
    return LogFileName(LogDayFolder(logDir, now), record, logFileType);
}

void UseIpStatusAsError(LogEntry& entry) {
    if (entry.method == METHOD_PING && entry.status != MON_UP && entry.ipStatus > 0 && entry.error == 0) {
        entry.error = entry.ipStatus;
        entry.ipStatus = 0;
    }
}

bool HasIpStatusText(const LogEntry& entry) {
    return entry.method == METHOD_PING && entry.status != MON_UP && entry.ipStatus > 0 && entry.error == 0;
}

namespace {
// The line of an entry, its last two fields given.
std::wstring LineOf(const LogEntry& entry, const std::wstring& text, DWORD code, bool tabSeparated) {
    const std::wstring word = StatusWord(entry.status, entry.method, StatusWordStyle::Display);
    const std::wstring fifth = FifthField(entry);
    if (word.empty() || fifth.empty()) return std::wstring();
    const wchar_t* sep = tabSeparated ? L"\t" : L" | ";
    std::wstring line;
    const std::wstring fields[] = {Field(fw::FormatTime(L"%x", entry.now)),
                                   Field(fw::FormatTime(L"%X", entry.now)),
                                   Field(entry.name),
                                   word,
                                   fifth,
                                   Field(text),
                                   fw::Format(L"%lu", static_cast<unsigned long>(code))};
    for (size_t i = 0; i < sizeof(fields) / sizeof(fields[0]); ++i) {
        if (i > 0) line += sep;
        line += fields[i];
    }
    return line + L"\r\n";
}
}  // namespace

std::wstring LogLine(const LogEntry& entry, bool tabSeparated) {
    return LineOf(entry, entry.errorText, entry.error, tabSeparated);
}

std::wstring NotRunLine(const LogEntry& entry, const std::wstring& why, bool tabSeparated) {
    return LineOf(entry, why, kNotRunCode, tabSeparated);
}
