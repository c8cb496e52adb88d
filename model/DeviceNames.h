#pragma once
// The device names the file system reserves. A file named after one (in any folder, with
// any extension) is the device itself: writing "nul.txt" writes nowhere, opening "con.ini"
// opens the console. Every place that makes a file name from what the user typed asks here.
#include <string>

// True for a file name whose part before the first dot, without trailing blanks, is CON,
// PRN, AUX, NUL, COM1-9 or LPT1-9 (also with the superscript digits 1, 2 and 3: "COM\u00B9"),
// in any case.
bool IsReservedDeviceName(const std::wstring& fileName);
