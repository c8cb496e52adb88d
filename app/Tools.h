#pragma once
// The tools launched at a box's host and the user's own commands. Every launch goes
// through the shell's "open" verb, reports nothing, and works on the copies it was
// given when the command was chosen.
#include <string>
#include <windows.h>

#include "app/ToolTargets.h"
#include "engine/Placeholders.h"

// Ping, Trace route or Remote Desktop, on the calling (UI) thread.
void LaunchHostCommand(UINT command, const ToolSubject& subject);

// Web, Ftp or Shares on a worker of its own (a name may have to be resolved first).
bool StartNetTool(NetTool tool, const ToolSubject& subject);

// A user command or the double-click command on a worker of its own: `program` as it
// is, with the parameters expanded for the monitor. Values inserted into the
// parameters of the command interpreter or a batch program are made inert.
bool StartCommand(const std::wstring& program, const std::wstring& parameters, const PlaceholderSubject& subject);

// The parameters a command is started with (the worker's expansion).
std::wstring CommandParameters(const std::wstring& program, const std::wstring& parameters,
                               const PlaceholderSubject& subject, const SYSTEMTIME& now);
