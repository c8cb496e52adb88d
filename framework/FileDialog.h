#pragma once
// The common "Open" and "Save As" file dialogs in one call each.
#include <string>
#include <windows.h>

namespace fw {

enum class FileChoice {
    Existing,  // "Open": only a file that exists
    AnyName,   // "Open" that also takes a typed name of no file (the caller decides)
    Save,      // "Save As": asks before replacing a file
};

// Lets the user choose a file; filter is "Name|pattern;pattern|..." as a dialog's
// filter string reads; defaultExt (Save) is added to a name typed without one. True
// with the chosen full path, false when cancelled.
bool ChooseFile(HWND owner, FileChoice choice, const wchar_t* filter, std::wstring& path,
                const wchar_t* defaultExt = nullptr);

inline bool ChooseFileToOpen(HWND owner, const wchar_t* filter, std::wstring& path) {
    return ChooseFile(owner, FileChoice::Existing, filter, path);
}

}  // namespace fw
