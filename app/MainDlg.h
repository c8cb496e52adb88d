#pragma once
// The strip window: owns the monitors, the window settings, the tray icon, the fonts
// and icons, and runs as the program's modal dialog.
#include <string>
#include <windows.h>

#include "framework/Dialog.h"
#include "model/IniFile.h"
#include "model/MainConfig.h"
#include "model/MonitorRecord.h"

class CMainDlg : public fw::CDialog {
public:
    CMainDlg(HWND parent, int instance);
    ~CMainDlg() override;

    // Configuration (loading).
    void LoadConfig();
    // Layout, taskbar button, volume, first statuses and the monitoring threads.
    void ApplyLayoutAndStart();

    // Check results: from the monitoring threads through UM_CHECK_RESULT, and called
    // directly with status CHECKING or DISABLED and no result.
    LRESULT OnCheckResult(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetMainDlg(WPARAM wParam, LPARAM lParam);
    LRESULT OnActivateInstance(WPARAM wParam, LPARAM lParam);

    // Painting.
    void OnPaint();
    void RedrawBox(int box);          // boxes count from 1; 0 is the grip strip
    void FitWindowToBoxes();
    void LoadBoxPictures(int index);

    int m_nInstance = 0;
    HICON m_hIcon = nullptr;

    // Window settings ("main" keys).
    int WinBeh = 1;
    int NumBox = 0;
    int WinPos = 1;
    int XBox = 110;
    int YBox = 90;
    int PosX = 300;
    int PosY = 300;
    BYTE ShowMethod = 1;
    BYTE ShowIPAddress = 1;
    BYTE ShowStatus = 1;
    int ShowReplyTime = 0;
    int HideTaskBarButton = 0;
    int DCOBEFE = 0;
    std::wstring DCOBEFPath;
    std::wstring DCOBEFParameters;
    UINT Volume = 65535;

    // Data folder tree and file paths.
    std::wstring m_strSkinsFolder, m_strPicturesFolder, m_strMainIniPath, m_strBaseFolder, m_strMenuIniPath,
        m_strDefaultSkinPath, m_strLogsFolder;
    CIniFile m_iniMain, m_iniMenu, m_iniDefaultSkin;

    int m_nMenuCommand = 0;
    int m_bBoxMenuOpen = 0;
    int m_bModalBusy = 0;
    int m_bRunningOnWine = 0;
    int m_nMenuBox = 0;
    int m_bInsertMark = 0;

    CMonitorRecord* m_apRecords[kMaxMonitors] = {};

protected:
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    int OnCreate(CREATESTRUCTW* create) override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
    void OnDestroy();
};
