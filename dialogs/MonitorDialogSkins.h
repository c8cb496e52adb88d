#pragma once
// The monitor dialog's skins: the skin box lists the skin files afresh at every
// drop-down; choosing one gives its look to the dialog; Add Skin saves the look shown
// under a name; Delete removes a skin file. The name shown is exchanged with the box.
#include <optional>
#include <string>

#include "framework/SettingsDialog.h"
#include "model/SkinFiles.h"

class CMonitorSkins {
public:
    explicit CMonitorSkins(fw::CSettingsDialog& dialog) : m_dialog(dialog) {}

    // The skins folder (with its trailing backslash), and whether the look shown is the
    // default skin's ("Default") or the monitor's own ("Custom").
    void Attach(const std::wstring& skinsFolder, bool defaultSkin);
    // The look no longer follows a skin / is the default one again.
    void ShowCustom();
    void ShowDefault();

    // A command of the skin box or its buttons: TRUE when it was one. `shown` is the
    // look Add Skin saves; a chosen skin's look comes back in `chosen`.
    BOOL OnCommand(WORD id, WORD code, const SkinLook& shown, std::optional<SkinLook>& chosen);

    std::wstring m_strName;  // the name in the skin box

private:
    void FillList();
    std::optional<SkinLook> OnChosen();
    void OnTextChanged();
    void OnAdd(const SkinLook& shown);
    void OnDelete();

    fw::CSettingsDialog& m_dialog;
    std::wstring m_folder;
};
