#pragma once
// "Play Sound Notification Settings": per sound slot (Up, Down, Open, Closed, TCP Down,
// S.n.F.) a custom sound file or a spoken text instead of the built-in sound. A
// sub-dialog of the monitor dialog, which fills the fields, runs it and on IDOK takes
// them back. At most one of a slot's two switches is set; speech wins.
#include <string>

#include "dialogs/NotificationSettingsRules.h"
#include "framework/SettingsDialog.h"

class CPlaySoundSettings : public fw::CSettingsDialog {
public:
    explicit CPlaySoundSettings(HWND monitorDialog);

    std::wstring m_strName;  // for the speech tests only
    UINT m_nCheckMethod = 0;
    std::wstring m_strWavPath[kSoundSlotCount];
    std::wstring m_strSpeech[kSoundSlotCount];
    BOOL m_bCustomWav[kSoundSlotCount] = {};
    BOOL m_bSpeak[kSoundSlotCount] = {};

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange& dx) override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;

private:
    void EnableSlot(int slot);
    void OnCustomClicked(int slot);
    void OnSpeakClicked(int slot);
    void OnBrowse(int slot);
    void OnDefault();
};
