#pragma once
// The controls of the system's own dialogs that tests type into and read, by name: the
// numbers are the system's, not ours. Their buttons are IDOK, IDCANCEL, IDYES and IDNO.
#include <windows.h>

#include <dlgs.h>

// The file-name box of the explorer-style Open and Save As dialogs (a combo box): a full
// path typed there, then IDOK, chooses that file.
constexpr int kFileNameBox = cmb13;  // 1148
// The text of a message box (a static).
constexpr int kMessageBoxText = 0xFFFF;
