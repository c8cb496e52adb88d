#pragma once
// The file choosers' filters, as fw::ChooseFileToOpen reads them.

// Programs the strip launches: the user commands, the double-click command, the
// execute-file notification and the net message.
constexpr wchar_t kProgramFileFilter[] = L"EXE, BAT File (*.exe, *.bat)|*.exe;*.bat|";
// The sounds played on a status change.
constexpr wchar_t kWaveFileFilter[] = L"WAV File (*.wav)|*.wav|";
