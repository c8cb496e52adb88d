// The monitor dialog's template names the settings dialog class that the program
// registers at start: these tests register it the same way before any dialog opens.
#include "framework/SettingsDialog.h"
#include "resource.h"

namespace {
const bool kLookSet = (fw::SetSettingsDialogLook(IDR_MAINFRAME, L"" SETTINGS_DIALOG_CLASS), true);
}  // namespace
