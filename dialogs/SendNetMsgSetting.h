#pragma once
// "Send Net Message Settings": the program a net message is sent with and its
// parameter template. The caller stores both on IDOK.
#include <string>

#include "framework/SettingsDialog.h"

class CSendNetMsgSetting : public fw::CSettingsDialog {
public:
    explicit CSendNetMsgSetting(HWND parent);

    std::wstring m_strCommand;     // edit 1052
    std::wstring m_strParameters;  // edit 1164

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
    void DoDataExchange(fw::CDataExchange& dx) override;
    void OnOK() override;

private:
    void OnBrowse();
    void OnDefault();
};
