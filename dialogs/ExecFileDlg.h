#pragma once
// "File Notification Settings": the program a monitor runs on a change of status, its
// parameters, the statuses that run it and the checks a new status must last first.
// A sub-dialog of the monitor dialog, which fills the fields and takes them back on IDOK.
#include <string>

#include "dialogs/NotificationSettingsRules.h"
#include "framework/SettingsDialog.h"

class CExecFile : public fw::CSettingsDialog {
public:
    explicit CExecFile(HWND monitorDialog);

    std::wstring m_strProgram, m_strParameters;
    BOOL m_bStatus[kExecSwitchCount] = {};  // Up, Down, Closed, IP(URL) ERROR, ERROR
    UINT m_nCheckMethod = 0;
    std::wstring m_strName, m_strAddress;
    UINT m_nPort = 0;
    UINT m_nIpVersion = 0;
    UINT m_nCount = 0;     // 0..999
    UINT m_nInterval = 1;  // seconds, for the balloon

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange& dx) override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
    BOOL OnNotify(int id, NMHDR* header, LRESULT& result) override;

private:
    void ShowCountBalloon();
    void OnTest();

    std::wstring m_strCount;
};
