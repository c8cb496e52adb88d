#pragma once
// Names that must stay plain file names inside one of the program's folders, whoever
// wrote them: the strip loading the main file and the dialogs taking skins and pictures
// share these rules, so a name kept out by one is kept out by all.
#include <string>

// A device name the file system reserves (CON, PRN, AUX, NUL, COM1-9, LPT1-9, in any case,
// with or without an extension or trailing blanks): such a file would be the device.
bool IsReservedDeviceName(const std::wstring& name);

// A picture name as read from the main file, a skin file or a monitor record, kept to a
// file name in the pictures folder: any folder or drive part is dropped ("..\..\x.ico"
// gives "x.ico"), and ".", ".." and device names give no name. These files are edited
// by hand, and the name decides which file is read and where "-Gs->" writes its grey copy.
std::wstring PictureFileName(const std::wstring& stored);
