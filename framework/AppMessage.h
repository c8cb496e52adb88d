#pragma once
// The program's own message boxes and the system's texts for error codes.
#include <string>
#include <windows.h>

namespace fw {

// The caption of every message box: the program file's base name ("Orvalen").
std::wstring AppTitle();

// A message box owned by the active window of the program, captioned AppTitle(), with
// the icon WithDefaultIcon gives.
int AppMessageBox(const std::wstring& text, UINT type = MB_OK);
// The same with a string resource as text.
int AppMessageBox(UINT stringId, UINT type = MB_OK);

// The flags of the program's message boxes: a box given no icon gets the exclamation
// icon with OK or OK/Cancel and the question icon with Yes/No or Yes/No/Cancel.
UINT WithDefaultIcon(UINT type);

// The message-table text of a code: the system's, or the given module's (it must be
// loaded already). Its trailing blanks and line breaks are removed; oneLine also turns
// its inner line breaks into blanks (log lines). Empty when there is none. The one way
// the program asks for a system or WinINet text.
std::wstring MessageTableText(DWORD code, HMODULE module = nullptr, bool oneLine = false);
// The system's text of an error code (MessageTableText).
std::wstring SystemErrorText(DWORD code);
// A message box with the system's text of a failed call (its number when the system has
// no text for it), so that a failure is never passed over in silence.
int SystemErrorBox(DWORD code);

// A string resource of this program.
std::wstring LoadStringResource(UINT id);

}  // namespace fw
