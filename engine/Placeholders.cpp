#include "engine/Placeholders.h"

#include <cwctype>
#include <initializer_list>
#include <vector>

#include "engine/ParameterLine.h"
#include "framework/StringUtil.h"
#include "framework/TimeText.h"
#include "model/MonitorRecord.h"
#include "model/SharedRoutines.h"
#include "model/StatusWords.h"

namespace {

// & | < > ^ " and line breaks as "_": what ends, chains, pipes, redirects, escapes or
// quotes wherever the text stands in a command line.
std::wstring ReplaceCommandCharacters(const std::wstring& value) {
    std::wstring result = value;
    for (wchar_t& c : result) {
        switch (c) {
        case L'&': case L'|': case L'<': case L'>': case L'^': case L'"':
        case L'\r': case L'\n': c = L'_'; break;
        default: break;
        }
    }
    return result;
}

enum class Placeholder { Ip, Status, Method, Port, Name, Text, Time, Url };

const wchar_t* Token(Placeholder p) {
    switch (p) {
    case Placeholder::Ip: return L"%ip";
    case Placeholder::Status: return L"%status";
    case Placeholder::Method: return L"%method";
    case Placeholder::Port: return L"%port";
    case Placeholder::Name: return L"%name";
    case Placeholder::Text: return L"%text";
    case Placeholder::Time: return L"%time";
    case Placeholder::Url: return L"%url";
    }
    return L"";
}

std::vector<Placeholder> OrderOf(PlaceholderUse use) {
    using P = Placeholder;
    switch (use) {
    case PlaceholderUse::Command: return {P::Ip, P::Status, P::Method, P::Port, P::Name, P::Text, P::Url};
    case PlaceholderUse::ExecFile:
        return {P::Ip, P::Status, P::Method, P::Port, P::Text, P::Name, P::Time, P::Url};
    case PlaceholderUse::ExecFileTest:
        return {P::Ip, P::Status, P::Port, P::Method, P::Name, P::Text, P::Time, P::Url};
    case PlaceholderUse::MsgBoxDesc:
    case PlaceholderUse::MsgBoxDescTest: return {P::Name, P::Status};
    case PlaceholderUse::SpokenText: return {P::Name, P::Text};
    }
    return {};
}

bool IsParameterUse(PlaceholderUse use) {
    return use == PlaceholderUse::Command || use == PlaceholderUse::ExecFile || use == PlaceholderUse::ExecFileTest;
}

std::wstring StatusValue(PlaceholderUse use, const PlaceholderSubject& s) {
    switch (use) {
    case PlaceholderUse::ExecFileTest:
    case PlaceholderUse::MsgBoxDescTest: return L"STATUS";
    case PlaceholderUse::MsgBoxDesc: return StatusWord(s.status, s.method, StatusWordStyle::Display);
    default: return StatusWord(s.status, s.method, StatusWordStyle::Parameter);
    }
}

std::wstring PortValue(const PlaceholderSubject& s) {
    switch (s.method) {
    case METHOD_PING: return L"N/A";
    case METHOD_TCP: return fw::Format(L"%d", static_cast<int>(s.port));
    case METHOD_URL: return fw::Format(L"%d", static_cast<int>(s.urlPort));
    default: return L"";
    }
}

std::wstring Value(Placeholder p, PlaceholderUse use, const PlaceholderSubject& s, const SYSTEMTIME& now) {
    switch (p) {
    case Placeholder::Ip: return s.method == METHOD_URL ? s.urlHost : s.address;
    case Placeholder::Status: return StatusValue(use, s);
    case Placeholder::Method: return MethodWord(s.method);
    case Placeholder::Port: return PortValue(s);
    case Placeholder::Name:
    case Placeholder::Text: return s.name;
    case Placeholder::Time: return fw::FormatTime(L"%x %X", now);
    case Placeholder::Url: return s.method == METHOD_URL ? s.address : L"N/A";
    }
    return L"";
}

}  // namespace

PlaceholderSubject SubjectOf(const CMonitorRecord& record) {
    PlaceholderSubject s;
    s.name = record.Name;
    s.address = record.IPorURLAddress;
    s.urlHost = record.m_strUrlHost;
    s.method = record.CheckMethod;
    s.port = record.Port;
    s.urlPort = record.m_nUrlPort;
    s.status = record.m_nStatus;
    return s;
}

std::wstring ExpandPlaceholders(const std::wstring& text, PlaceholderUse use, const PlaceholderSubject& subject,
                                const SYSTEMTIME& now, bool inertForBatch) {
    // In parameters every value stays inside its argument, for any program: a batch
    // program hands its arguments on, and cmd the rest of its line.
    const bool parameters = IsParameterUse(use);
    CParameterLine line(text);
    for (Placeholder p : OrderOf(use)) {
        const std::wstring token = Token(p);
        if (!line.Contains(token)) continue;
        std::wstring value = Value(p, use, subject, now);
        if (parameters) value = OneArgumentText(value);
        if (inertForBatch) value = MakeInertForBatch(value);
        line.Replace(token, value);
    }
    return parameters ? line.ArgumentText() : line.Text();
}

std::wstring ExpandPlaceholders(const std::wstring& text, const CMonitorRecord& record) {
    return ExpandPlaceholders(text, PlaceholderUse::Command, SubjectOf(record), fw::LocalNow());
}

std::wstring ExpandNetMessageParameters(const std::wstring& text, const std::wstring& host, const std::wstring& user,
                                        const std::wstring& message, bool inertForBatch) {
    std::wstring result = text;
    const std::pair<const wchar_t*, const std::wstring*> order[] = {
        {L"%ip", &host}, {L"%user", &user}, {L"%message", &message}};
    for (const auto& [token, value] : order) {
        // The message is the user's own text: its "%" signs go as typed.
        const bool typed = value == &message;
        fw::ReplaceAll(result, token, !inertForBatch ? *value : typed ? ReplaceCommandCharacters(*value)
                                                                      : MakeInertForBatch(*value));
    }
    return result;
}

namespace {
// The shell takes a program path with surrounding blanks or quotes, or trailing dots,
// as the same file.
std::wstring ProgramPathAsRun(const std::wstring& program) {
    const size_t first = program.find_first_not_of(L" \"");
    if (first == std::wstring::npos) return std::wstring();
    std::wstring path = program.substr(first);
    while (!path.empty() && (path.back() == L' ' || path.back() == L'"' || path.back() == L'.')) path.pop_back();
    return path;
}
}  // namespace

bool IsBatchFile(const std::wstring& program) {
    const std::wstring path = ProgramPathAsRun(program);
    if (path.empty()) return false;
    const size_t nameStart = path.find_last_of(L"\\/:") + 1;  // 0 when there is no folder
    const size_t dot = path.rfind(L'.');
    if (dot != std::wstring::npos && dot >= nameStart) {
        std::wstring ext = path.substr(dot);
        for (wchar_t& c : ext) c = static_cast<wchar_t>(std::towlower(c));
        return ext == L".bat" || ext == L".cmd";
    }
    if (nameStart >= path.size()) return false;
    // A name without extension is run as the first file the shell finds with one of
    // its program extensions, tried in this order.
    for (const wchar_t* tried : {L".pif", L".com", L".exe", L".bat", L".lnk", L".cmd"}) {
        if (SearchPathW(nullptr, path.c_str(), tried, 0, nullptr, nullptr) != 0)
            return std::wstring(tried) == L".bat" || std::wstring(tried) == L".cmd";
    }
    return false;
}

bool RunsInCommandInterpreter(const std::wstring& program) {
    const std::wstring path = ProgramPathAsRun(program);
    std::wstring name = path.substr(path.find_last_of(L"\\/:") + 1);
    for (wchar_t& c : name) c = static_cast<wchar_t>(std::towlower(c));
    return name == L"cmd" || name == L"cmd.exe" || IsBatchFile(program);
}

std::wstring MakeInertForBatch(const std::wstring& value) {
    std::wstring result = ReplaceCommandCharacters(value);
    for (size_t i = 0; i < value.size(); ++i)
        if (value[i] == L'%' && !IsIPv6ZonePercent(value, i)) result[i] = L'_';
    return result;
}
