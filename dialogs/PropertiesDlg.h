#pragma once
// The Options dialog: box size, time-out, starting with Windows, the double-click
// command, the error sound, the taskbar button, logging, the box text lines and the
// sound volume. The caller fills the fields (the option keys of section "main" and the
// members below) before DoModal and takes them back after OK or on UM_OPTIONS_APPLIED,
// which Apply sends to the main window. The dialog itself writes only the
// start-with-Windows value in the registry.
#include <string>
#include <windows.h>

#include "dialogs/OptionsRules.h"
#include "engine/SoundRequest.h"
#include "framework/SettingsDialog.h"
#include "model/MainSettings.h"

// Properties by name, this is the Options dialog (tray menu "Options...").
class CPropertiesDlg : public fw::CSettingsDialog, public MainSettings {
public:
    explicit CPropertiesDlg(HWND parent = nullptr);

    int m_bRunAtStartup = 0;          // check box; read from the registry at every opening
    int m_nInstance = 0;              // 0..4, set by the caller
    std::wstring m_strDefaultLogDir;  // what "Default" puts in the logs folder

    // Writes (or deletes) the start-with-Windows value and clamps the box size.
    // False when the controls could not be taken (a message has been shown).
    bool SaveSettings();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange& dx) override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
    BOOL OnNotify(int id, NMHDR* header, LRESULT& result) override;
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

private:
    // Take the controls into the fields / give the fields back. An edit handler reached
    // meanwhile (the edit loses the focus to the exchange's message) does nothing
    // (the base's Exchanging).
    bool TakeFields();
    void GiveFields();

    void OnApply();
    void OnBoxSizeEdit(int editId, WORD code, int& field, ValueRange range);
    void OnSpinStep(int spinId, NMUPDOWN& step);
    void EnableDoubleClickControls();
    void OnCustomSoundSwitch();
    void OnSpeechSwitch();
    void OnVolumeMoved(UINT position);
    void SetVolume(UINT volume);
    void OnMute();
    void OnDefaults();
    void ShowFieldsOutsideExchange();
    void ChooseFileInto(int editId, const wchar_t* filter);
    void ChooseLogFolder();
};
