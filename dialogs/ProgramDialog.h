#pragma once
// A program to launch, its parameters and a "..." chooser for the program: one small
// dialog behind "Add/Edit Menu Item" (with a caption) and "Send Net Message Settings"
// (with a Default button). The caller fills the fields and reads them back on IDOK.
#include <string>

#include "framework/SettingsDialog.h"

// Where a template keeps the dialog's parts; 0 for a part it does not have.
struct ProgramDialogLayout {
    UINT templateId;
    const wchar_t* title;
    int captionEdit;
    int programEdit;
    int browseButton;
    int parametersEdit;
    int defaultButton;  // sets the program and parameters below
    const wchar_t* defaultProgram;
    const wchar_t* defaultParameters;
    bool iconButtons;  // OK and Cancel with their 16x16 images
    fw::EnablesMainWindow enables;
};

class CProgramDialog : public fw::CSettingsDialog {
public:
    CProgramDialog(const ProgramDialogLayout& layout, HWND parent);

    std::wstring m_strCaption;
    std::wstring m_strProgram;
    std::wstring m_strParameters;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
    void DoDataExchange(fw::CDataExchange& dx) override;
    void OnOK() override;

private:
    void OnBrowse();
    void OnDefault();

    const ProgramDialogLayout& m_layout;
};

// "Add/Edit Menu Item": one command of the user's own box menu, opened from its editor.
class CAEApp : public CProgramDialog {
public:
    explicit CAEApp(HWND editor);
};

// "Send Net Message Settings": the program a net message is sent with and its
// parameter template.
class CSendNetMsgSetting : public CProgramDialog {
public:
    explicit CSendNetMsgSetting(HWND parent);
};
