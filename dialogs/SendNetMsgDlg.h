#pragma once
// "Send Net Message": sends messages to one monitor's host with the configured command
// until Cancel. The user name (per monitor), the command and its parameter template
// are read from the main configuration file at every opening.
#include <string>

#include "framework/SettingsDialog.h"
#include "model/IniFile.h"

class CSendNetMsgDlg : public fw::CSettingsDialog {
public:
    explicit CSendNetMsgDlg(HWND parent = nullptr);

    // Set by the caller before each run.
    std::wstring m_strHost;         // put in for "%ip": a URL monitor's server, else its address
    std::wstring m_strMonitorName;  // not used by the dialog
    CIniFile m_ini;                 // the instance's main configuration file
    int m_nBoxIndex = 0;            // 0-based, for "Box %d"
    int m_nCheckMethod = 0;         // not used by the dialog

    // What the user typed; the caller copies the user name into the record afterwards.
    std::wstring m_strMessage;   // edit 1052
    std::wstring m_strUserName;  // edit 1062
    std::wstring m_strCommand;
    std::wstring m_strParameters;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
    void DoDataExchange(fw::CDataExchange& dx) override;
    void OnOK() override;  // "Send"

private:
    void OnMessageChange();
    void OnUserNameChange();
    void OnSaveUserName();
    void OnSettings();
    std::wstring BoxSection() const;
};
