#pragma once
// The one placeholder expander: "%ip", "%status", "%method", "%port", "%name",
// "%text", "%time", "%url", with the order and words of each place that expands them.
// Each placeholder is replaced in every occurrence, case-sensitively, one after the
// other; text a replacement inserts is scanned again by the later ones.
#include <string>
#include <windows.h>

class CMonitorRecord;

enum class PlaceholderUse {
    Command,         // user commands and the double-click command
    ExecFile,        // the execute-file notification
    ExecFileTest,    // the execute-file settings' Test ("%status" is "STATUS")
    MsgBoxDesc,      // the message-box description
    MsgBoxDescTest,  // the message-box settings' Test ("%status" is "STATUS")
    SpokenText,      // a spoken text
};

// The monitor details the placeholders stand for.
struct PlaceholderSubject {
    std::wstring name;
    std::wstring address;   // IPorURLAddress
    std::wstring urlHost;   // server part of a URL address
    UINT method = 0;
    UINT port = 0;          // TCP port
    UINT urlPort = 80;      // port of a URL address
    int status = 0;
};

PlaceholderSubject SubjectOf(const CMonitorRecord& record);

// Expands `text` for `use`; `now` gives "%time". In parameters (commands, execute file
// and its Test) every value stays inside its argument for any program's C runtime
// (OneArgumentText, CParameterLine::ArgumentText): blanks and tabs become "-", quotes
// and control characters "_", a backslash a quote follows is doubled, an empty value
// that was a whole argument is "". With `inertForBatch` the inserted values are also
// made inert (MakeInertForBatch).
std::wstring ExpandPlaceholders(const std::wstring& text, PlaceholderUse use, const PlaceholderSubject& subject,
                                const SYSTEMTIME& now, bool inertForBatch = false);

// The parameters of a user command or of the double-click command for a monitor.
std::wstring ExpandPlaceholders(const std::wstring& text, const CMonitorRecord& record);

// The parameters of a net message: "%ip", "%user", then "%message", so that placeholders
// typed into the message stay as typed. With `inertForBatch` host and user are made
// inert (MakeInertForBatch) and the message too but for its "%" signs, which are the
// user's own.
std::wstring ExpandNetMessageParameters(const std::wstring& text, const std::wstring& host, const std::wstring& user,
                                        const std::wstring& message, bool inertForBatch);

// True for a program the shell runs through the command interpreter: a ".bat" or ".cmd"
// file, or a name without extension that the shell completes to one.
bool IsBatchFile(const std::wstring& program);

// True when the shell hands the parameters to the command interpreter: a batch program
// (IsBatchFile) or the interpreter itself ("cmd" or "cmd.exe", in any folder or case).
bool RunsInCommandInterpreter(const std::wstring& program);

// `value` with & | < > ^ " and line breaks replaced by "_", and every "%" but the
// numeric zone of an IPv6 literal ("fe80::1%4") too, so that the command interpreter
// takes it as plain text wherever it stands: it expands %...% pairs before it looks for
// & | < >, and %CMDCMDLINE:~n,1% picks any character of its own command line. "!" stays:
// it acts only with delayed expansion, which these command lines never switch on.
std::wstring MakeInertForBatch(const std::wstring& value);
