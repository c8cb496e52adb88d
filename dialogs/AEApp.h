#pragma once
// "Add/Edit Menu Item": one command of the user's own box menu.
#include <string>

#include "framework/SettingsDialog.h"

class CAEApp : public fw::CSettingsDialog {
public:
    explicit CAEApp(HWND parent);

    std::wstring m_strCaption;      // edit 1052
    std::wstring m_strApplication;  // edit 1062
    std::wstring m_strParameters;   // edit 1206

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
    void DoDataExchange(fw::CDataExchange& dx) override;
    void OnOK() override;

private:
    void OnBrowse();
};
