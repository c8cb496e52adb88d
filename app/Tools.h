#pragma once
// The tools launched at a box's host and the user's own commands. Every launch goes
// through the shell's "open" verb and works on the copies it was given when the
// command was chosen; only a host or address a tool refuses is reported.
#include <string>
#include <windows.h>

#include "app/ToolTargets.h"
#include "engine/Placeholders.h"

// Ping, Trace route or Remote Desktop on the calling (UI) thread; Web, Ftp or Shares
// on a worker of its own (a name may have to be resolved first). A host or address the
// tool refuses is shown in a message box instead, with `modalBusy` (the strip's
// modal-busy state) held while it is up.
void LaunchTool(UINT command, const ToolSubject& subject, bool& modalBusy);

// A user command or the double-click command on a worker of its own: `program` as it
// is, with the parameters expanded for the monitor. Values inserted into the
// parameters of the command interpreter or a batch program are made inert.
bool StartCommand(const std::wstring& program, const std::wstring& parameters, const PlaceholderSubject& subject);

// The parameters a command is started with (the worker's expansion).
std::wstring CommandParameters(const std::wstring& program, const std::wstring& parameters,
                               const PlaceholderSubject& subject, const SYSTEMTIME& now);
