#include "engine/LogWriter.h"

#include <shlwapi.h>

#include "framework/AppMessage.h"
#include "framework/Handle.h"
#include "framework/StringUtil.h"
#include "framework/TimeText.h"
#include "model/GlobalSettings.h"
#include "model/MonitorRecord.h"
#include "model/NetErrorCodes.h"
#include "model/SharedRoutines.h"
#include "model/SharedSettings.h"

namespace {

// One name for every instance: lines of one target come from all of them.
const wchar_t kLogMutexName[] = L"OrvalenLogAppend-5E0C2B7A";
// A writer that holds the mutex longer than this is taken as hung.
constexpr DWORD kLogMutexWaitMs = 30000;
// What the program's end waits at most for its last lines (a held file among them).
constexpr DWORD kFinishLinesMs = 3000;

// Holds the log mutex for its lifetime (when it could be had).
class CLogLock {
public:
    CLogLock() : m_mutex(fw::NewMutex(kLogMutexName)) {
        if (!m_mutex.Valid()) return;
        DWORD wait = WaitForSingleObject(m_mutex.Get(), kLogMutexWaitMs);
        m_owned = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
    }
    ~CLogLock() {
        if (m_owned) ReleaseMutex(m_mutex.Get());
    }
    CLogLock(const CLogLock&) = delete;
    CLogLock& operator=(const CLogLock&) = delete;

private:
    fw::CHandle m_mutex;
    bool m_owned = false;
};

}  // namespace

// Bound at run time: Wine's is a stub that aborts the process.
std::wstring IcmpStatusText(DWORD ipStatus) {
    if (IsRunningOnWine()) return std::wstring();
    using GetIpErrorStringFn = DWORD(WINAPI*)(ULONG, PWSTR, PDWORD);
    HMODULE iphlpapi = GetModuleHandleW(L"iphlpapi.dll");
    if (!iphlpapi) return std::wstring();
    auto fn = reinterpret_cast<GetIpErrorStringFn>(GetProcAddress(iphlpapi, "GetIpErrorString"));
    if (!fn) return std::wstring();
    wchar_t buffer[2024] = {};
    DWORD size = 2023;
    if (fn(ipStatus, buffer, &size) != NO_ERROR) return std::wstring();
    return fw::TrimLineEnd(buffer);
}

std::wstring LogErrorText(const LogEntry& entry, bool runningOnWine) {
    std::wstring text = IsWinInetError(entry.error) ? GetWinInetErrorText(entry.error)
                                                    : fw::MessageTableText(entry.error, nullptr, true);
    if (entry.error == kIpGeneralFailure) text = L"General Failure";
    if (!runningOnWine && HasIpStatusText(entry)) {
        std::wstring ipText = IcmpStatusText(entry.ipStatus);
        if (!ipText.empty())
            text = fw::Format(L"IP_STATUS=%lu,%s", static_cast<unsigned long>(entry.ipStatus), ipText.c_str());
    }
    fw::ReplaceAll(text, L"\r", L"");
    fw::ReplaceAll(text, L"\n", L"");
    while (!text.empty() && (text.back() == L' ' || text.back() == L'\t')) text.pop_back();
    return text;
}

LogEntry MakeLogEntry(const CMonitorRecord& record, const SYSTEMTIME& now, bool runningOnWine) {
    LogEntry entry;
    entry.now = now;
    entry.name = record.Name;
    entry.status = record.m_nStatus;
    entry.method = record.CheckMethod;
    entry.timeMs = record.m_dwTimeMs;
    entry.error = record.m_dwError;
    entry.ipStatus = record.m_dwIpStatus;
    if (runningOnWine) UseIpStatusAsError(entry);
    entry.errorText = LogErrorText(entry, runningOnWine);
    return entry;
}

LogAppend AppendLogLine(const std::wstring& file, const std::wstring& text) {
    const std::string bytes = fw::ToNarrow(text, CP_THREAD_ACP);
    CLogLock lock;
    fw::CFileHandle handle = fw::OpenFileHandle(file, GENERIC_WRITE, FILE_SHARE_READ, OPEN_ALWAYS);
    if (!handle.Valid()) {
        const DWORD error = GetLastError();
        return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ? LogAppend::Held : LogAppend::Failed;
    }
    LARGE_INTEGER zero = {};
    if (!SetFilePointerEx(handle.Get(), zero, nullptr, FILE_END)) return LogAppend::Failed;
    DWORD written = 0;
    return WriteFile(handle.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                   written == bytes.size()
               ? LogAppend::Written
               : LogAppend::Failed;
}

LogAppend AppendToLogFile(const std::wstring& file, const std::wstring& text) {
    const std::wstring dayFolder = file.substr(0, file.find_last_of(L'\\') + 1);
    if (!dayFolder.empty() && !PathFileExistsW(dayFolder.c_str())) CreateDirectoryW(dayFolder.c_str(), nullptr);
    return AppendLogLine(file, text);
}

namespace {
// Queues the line that `lineOf` makes of the record's result for the day's file of its target.
template <class LineOf>
void QueueLineOfResult(const CMonitorRecord& record, const SYSTEMTIME& resultTime, LineOf lineOf) {
    CSharedSettings& shared = CSharedSettings::Get();
    const int logFileType = g_nLogFileType.load();
    const std::wstring file = LogFileName(LogDayFolder(shared.LogDir(), resultTime), record, logFileType);
    if (file.empty()) return;
    const std::wstring line =
        lineOf(MakeLogEntry(record, resultTime, shared.RunningOnWine.load() != 0), logFileType != 0);
    if (!line.empty()) CLogQueue::Process().Post(file, line);
}
}  // namespace

void QueueLogLine(const CMonitorRecord& record, const SYSTEMTIME& resultTime) {
    QueueLineOfResult(record, resultTime, [](const LogEntry& entry, bool tabs) { return LogLine(entry, tabs); });
}

void QueueNotRunLine(const CMonitorRecord& record, const SYSTEMTIME& resultTime, const std::wstring& why) {
    QueueLineOfResult(record, resultTime,
                      [&why](const LogEntry& entry, bool tabs) { return NotRunLine(entry, why, tabs); });
}

void FinishLogLines() { CLogQueue::Process().Drain(kFinishLinesMs); }
