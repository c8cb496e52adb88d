#pragma once
// The About box: the program's icon, name and maker, the version of the running
// program file, and links to the maker's web page (with the version) and e-mail.
#include <string>
#include <windows.h>

#include "framework/ColorControls.h"
#include "framework/GdiHandles.h"
#include "framework/SettingsDialog.h"

class CAboutDlg : public fw::CSettingsDialog {
public:
    explicit CAboutDlg(HWND parent = nullptr);
    ~CAboutDlg() override;

    std::wstring m_strVersion;  // the version line shown

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange& dx) override;
    BOOL OnNotify(int id, NMHDR* header, LRESULT& result) override;

private:
    void CenterOnDesktop();
    void MakeBold(int id, fw::CFont& font);
    void OpenLink(const std::wstring& address);

    fw::CIcon m_hIconOk;
    fw::CFont m_fontName, m_fontMaker;
    fw::CColorStatic m_stcMaker;  // the maker's name in its own colour
};
