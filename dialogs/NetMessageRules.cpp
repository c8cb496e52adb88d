#include "dialogs/NetMessageRules.h"

#include "engine/Placeholders.h"
#include "model/SettingKeys.h"

namespace {
const std::wstring& DefaultNetUserName() {
    static const std::wstring name = DefaultMonitorSettings().NetUserName;
    return name;
}
}  // namespace

std::wstring FilterNetUserName(const std::wstring& name) {
    // In the order they are removed.
    static const wchar_t kRemoved[] = L" \\/:\"'|,;.<>~!@#$%^&()=+_[]{}*?";
    std::wstring result = name;
    for (const wchar_t* c = kRemoved; *c; ++c) {
        size_t at;
        while ((at = result.find(*c)) != std::wstring::npos) result.erase(at, 1);
    }
    return result;
}

std::wstring MessageAfterEdit(const std::wstring& message) { return message == L" " ? std::wstring() : message; }

std::wstring StoredNetUserName(const std::wstring& name) { return name.empty() ? DefaultNetUserName() : name; }

NetMessageLaunch NetMessageCommandLine(const std::wstring& command, const std::wstring& parameterTemplate,
                                       const std::wstring& host, const std::wstring& user,
                                       const std::wstring& message) {
    const bool inert = RunsInCommandInterpreter(command);
    // An empty name (a stored one may be) would drop an argument of the command line.
    const bool noName = user.find_first_not_of(L" \t") == std::wstring::npos;
    const std::wstring sentUser = noName ? DefaultNetUserName() : user;
    return {command, ExpandNetMessageParameters(parameterTemplate, host, sentUser, message, inert)};
}
