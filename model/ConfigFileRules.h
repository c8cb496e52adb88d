#pragma once
// The rules of restoring and backing up the main configuration file: which files a
// restore accepts, how the earlier product's old key format is converted, and how a
// backup copy is made to act like a first start when it is restored.
#include <string>

#include "model/IniFile.h"

enum class RestoredFileKind {
    NotValid,   // any other identity, an empty one, or none
    Current,    // copied unchanged
    OldFormat,  // copied, then each monitor's old keys converted
};

// By the file's "App" value, compared whole and case-sensitively.
RestoredFileKind ClassifyRestoredFile(const std::wstring& app);

// How many "Box %d" sections of an old-format file are converted for its NumBox: never
// more than the loader reads, none for 0 or less.
int OldFormatSectionCount(int numBox);

// Writes Name, CheckMethod and IPorURLAddress of each section from the old keys Text,
// VerifyMetod and IPAdress (defaults "LOCAL", 1, "127.0.0.1"); the old keys stay.
void ConvertOldFormatKeys(CIniFile& ini);

// Edits a fresh backup copy: its LogDir removed (the restoring machine's logs folder
// stands in) and FirstStart 1 (the window starts in the middle of the work area).
void EditBackupCopy(const std::wstring& path);
