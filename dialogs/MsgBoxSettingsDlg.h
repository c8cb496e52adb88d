#pragma once
// "Message Box Notification Settings ": the description that a monitor's message-box
// notification puts first ("%name", "%status"). A sub-dialog of the monitor dialog.
#include <string>

#include "framework/SettingsDialog.h"

class CMsgBoxSettings : public fw::CSettingsDialog {
public:
    explicit CMsgBoxSettings(HWND monitorDialog);

    std::wstring m_strName;  // for Test only
    std::wstring m_strDescription;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange& dx) override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
};
