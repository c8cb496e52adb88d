#pragma once
// "Add Skin": asks the name the monitor dialog saves its look under. OK is enabled only
// for a name the skin rules take; characters a file name cannot hold are removed as typed.
#include <string>

#include "framework/SettingsDialog.h"

class CSkinName : public fw::CSettingsDialog {
public:
    explicit CSkinName(HWND monitorDialog);

    std::wstring m_strName;  // read by the caller after IDOK

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange& dx) override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;

private:
    void OnNameChanged();
};
