#pragma once
// The monitor dialog's notification controls: the eight check boxes that mirror the bits
// of the Sound and MsgBox masks, the sound and message-box tests, and the three
// notification settings dialogs, all on the settings the dialog edits.
#include <windows.h>

#include "engine/NotificationRules.h"
#include "framework/DataExchange.h"
#include "model/MonitorSettings.h"

class CMonitorNotifications {
public:
    explicit CMonitorNotifications(MonitorSettings& settings) : m_settings(settings) {}

    // The check boxes' fields from the masks, before the dialog gives its fields back.
    void MirrorMasks();
    void Exchange(fw::CDataExchange& dx);

    // Whether a button's click is one of these controls'.
    static bool Handles(WORD id);
    // A click, once the dialog has taken its fields (the File settings also once the
    // address passed its test).
    void OnClicked(HWND dialog, WORD id, const ErrorSoundSettings& errors);

private:
    // The check boxes and their bits in Sound or MsgBox.
    struct Check {
        int id;
        bool sound;  // the Sound mask, else MsgBox
        UINT bit;
    };
    static const Check kChecks[8];

    void OnSoundSettings(HWND dialog);
    void OnMsgBoxSettings(HWND dialog);
    void OnFileSettings(HWND dialog);

    MonitorSettings& m_settings;
    int m_checked[8] = {};  // the check boxes, in kChecks' order
};
