#pragma once
// A box's Up or Down picture: a 64 x 64 icon read from an ".ico" file, owned by the caller
// (not shared, so that it may be destroyed).
#include <string>
#include <windows.h>

// Whether the path names an icon file (".ico", any case): other types are never read.
bool IsBoxPictureFile(const std::wstring& path);

// The picture of an icon file; none for another type or a file that cannot be read.
HICON LoadBoxPicture(const std::wstring& path);
