#pragma once
// The common "Open" file dialog in one call.
#include <string>
#include <windows.h>

namespace fw {

// Lets the user choose an existing file; filter is "Name|pattern;pattern|..." as a
// dialog's filter string reads. True with the chosen full path, false when cancelled.
bool ChooseFileToOpen(HWND owner, const wchar_t* filter, std::wstring& path);

}  // namespace fw
