#pragma once
// The default box pictures as files: written from the program's icon resources, so the
// ids stay above the model, which knows only their names (model/DataFolders).
#include <string>

// Writes each default picture that is missing from the Pictures folder (a path with a
// trailing backslash) from its icon resource; an existing file is never replaced.
void WriteMissingDefaultPictures(const std::wstring& picturesFolder);
