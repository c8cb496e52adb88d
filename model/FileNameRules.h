#pragma once
// Names that must stay plain file names inside one of the program's folders, whoever
// wrote them: the strip loading the main file and the dialogs taking skins and pictures
// share these rules, so a name kept out by one is kept out by all.
#include <string>

#include "model/DeviceNames.h"

// A picture name as read from the main file, a skin file or a monitor record, kept to a
// file name in the pictures folder: any folder or drive part is dropped ("..\..\x.ico"
// gives "x.ico"), and ".", ".." and device names give no name. These files are edited
// by hand, and the name decides which file is read and where "-Gs->" writes its grey copy.
std::wstring PictureFileName(const std::wstring& stored);
