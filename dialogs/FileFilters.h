#pragma once
// The file choosers' filters, as fw::ChooseFile and fw::ChooseFileToOpen read them.

// Programs the strip launches: the user commands, the double-click command, the
// execute-file notification and the net message.
constexpr wchar_t kProgramFileFilter[] = L"EXE, BAT File (*.exe, *.bat)|*.exe;*.bat|";
// The sounds played on a status change.
constexpr wchar_t kWaveFileFilter[] = L"WAV File (*.wav)|*.wav|";
// The box pictures.
constexpr wchar_t kIconFileFilter[] = L"Icon (*.ico)|*.ico|";
// Backups of the main configuration file, and the file a restore reads.
constexpr wchar_t kIniFileFilter[] = L"INI File (*.ini)|*.ini|";
