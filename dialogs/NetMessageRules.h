#pragma once
// The rules of the "Send Net Message" dialogs that need no window: what the user name
// and the message become as they are typed, the stored defaults, and the command
// line a message is sent with.
#include <string>

constexpr wchar_t kDefaultNetMsgCommand[] = L"cmd";
constexpr wchar_t kDefaultNetMsgParameters[] = L"/K \"msg /V /SERVER:%ip %user %message\"";

// The user name without the 31 characters a user name may not hold (blank, \ / : " '
// | , ; . < > ~ ! @ # $ % ^ & ( ) = + _ [ ] { } * ?), each removed in every occurrence.
std::wstring FilterNetUserName(const std::wstring& name);

// The message after an edit: a single blank is cleared. Send is enabled for any
// message left that is not empty.
std::wstring MessageAfterEdit(const std::wstring& message);

// The user name that "S" stores: an empty one becomes the NetUserName key's default.
std::wstring StoredNetUserName(const std::wstring& name);

// The program and the parameters that send `message`. When the program is the command
// interpreter or a batch program, host, user and message are inserted inert, so that
// no character in them starts a second command. A user name that is empty or blank
// is sent as the NetUserName key's default, whatever was stored.
struct NetMessageLaunch {
    std::wstring program;
    std::wstring parameters;
};
NetMessageLaunch NetMessageCommandLine(const std::wstring& command, const std::wstring& parameterTemplate,
                                       const std::wstring& host, const std::wstring& user,
                                       const std::wstring& message);
