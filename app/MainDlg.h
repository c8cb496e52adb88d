#pragma once
// The strip window: it routes its messages to the parts that own each concern (the
// monitor set, the box menu's state, the boxes' view, the menu images, the data files,
// the settings dialogs, the z-order mode, the tray icon) and runs as the program's modal
// dialog. The settings of section "main" are its MainSettings; those that monitoring
// threads read (logging, error sounds, the logs folder, time-out, log file type) are
// handed to them through PublishThreadSettings (CSharedSettings and the process-wide
// values): threads never read this object.
#include <string>
#include <windows.h>

#include "app/BoxMenuState.h"
#include "app/MenuImageSet.h"
#include "app/SettingsDialogs.h"
#include "app/StripFiles.h"
#include "app/StripGeometry.h"
#include "app/StripView.h"
#include "app/SystemTray.h"
#include "app/ZOrder.h"
#include "framework/Dialog.h"
#include "framework/GdiHandles.h"
#include "framework/OffscreenSurface.h"
#include "model/MainConfig.h"
#include "model/MonitorRecord.h"
#include "model/MonitorSlots.h"
#include "model/SettingKeys.h"
#include "resource.h"

class CMainDlg : public fw::CDialog, private MainSettings {
public:
    CMainDlg(HWND parent, int instance);
    ~CMainDlg() override;

    // The settings of section "main" in force; the monitor set; the main configuration
    // file.
    using MainSettings::Settings;
    CMonitorSlots& Records() { return m_monitors; }
    const std::wstring& MainIniPath() const { return m_files.folders.mainIni; }

    // False when "APPDATA" gives no data folder: the user has been told, nothing was
    // created or loaded, and the window must not run.
    bool HasDataFolder() const { return m_files.present; }

    // The options dialog's Apply or OK: takes the dialog's option values into force (threads
    // included), shows or hides the taskbar button when that switch changed, fits the
    // window, writes the 20 option keys of "main", and gives the focus back to the
    // dialog's window when it is visible. Returns 0.
    LRESULT OnOptionsApplied(const MainSettings& dialogValues, HWND dialogWindow);

    // Check results from the monitoring threads (UM_CHECK_RESULT).
    LRESULT OnCheckResult(WPARAM wParam, LPARAM lParam);

    // The pictures of the monitor in a slot in use, loaded again from its files.
    void LoadBoxPictures(int slot);

protected:
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    int OnCreate(CREATESTRUCTW* create) override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
    void OnDestroy();

    // Window behaviour: the grip strip, snapping, the z-order mode, size and display.
    BOOL OnLButtonDown(UINT flags, POINT point);
    void OnWindowPosChanging(WINDOWPOS* pos);
    void OnWindowPosChanged(WINDOWPOS* pos);
    void OnSize(UINT type, int width, int height);
    LRESULT OnDisplayChange(WPARAM wParam, LPARAM lParam);
    void OnClose();

private:
    // Configuration: loading (the file paths set, no record left; starts no thread), and
    // the whole "Box %d" section of the monitor in a slot (it holds a record).
    void LoadConfig();
    void SaveMonitor(int slot);
    // Every monitor from a slot on: those that moved when a box was added or deleted.
    void SaveMonitorsFrom(int slot);
    // Layout, taskbar button, volume, first statuses and the monitoring threads.
    void ApplyLayoutAndStart();
    // Monitors whose thread could not be created are tried again, each after its interval,
    // by a timer of the window's that runs only while one waits.
    static constexpr UINT_PTR kStartRetryTimer = 1;
    void ArmStartRetry();
    void OnStartRetryTimer();
    void RebuildMonitors();

    // Monitors added and edited in the monitor dialog (box menu "Add Mon." after the
    // menu's box, "Edit Mon." of box `box`, counted from 1), and the dialog's settings
    // applied on its OK and on UM_MONITOR_APPLIED from its Apply. Returns 0.
    void AddMonitor();
    void EditMonitor(int box);
    LRESULT OnApplyMonitorProperties(WPARAM wParam, LPARAM lParam);
    void PrepareMonitorDialog(bool addMode);
    bool MonitorDialogAlreadyOpen();
    void RaiseAfterCancel();

    LRESULT OnGetMainDlg(WPARAM wParam, LPARAM lParam);
    LRESULT OnActivateInstance(WPARAM wParam, LPARAM lParam);

    // The tray icon's mouse events (UM_TRAY_NOTIFY) and the tray menu's commands.
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    BOOL OnTrayCommand(WORD id);
    void OnAbout();
    void OnHelpAndSupport();
    void OnResetPosition();
    void OnShow();
    void OnLogs();
    void OnQuit();
    void OnOptions();
    void SetTrayMenuImages();

    // All monitors at once (tray menu).
    void OnDisableAllMonitors();
    void OnEnableAllMonitors();
    void OnDisableSounds();
    void OnDisableMsgBoxes();
    void OnDisableFiles();
    void OnDisableAllNotifications();
    void SetNotificationSwitchOff(AtomicU32 MonitorSettings::*field);
    void WriteDisabledKeys();

    // The main configuration file (tray menu "Config File").
    void OnConfigBackup();
    void OnConfigRestore();
    void OnConfigReset();

    // The z-order mode: chosen in the tray menu (or started with), applied and written;
    // marked in the tray menu.
    void SetZOrderMode(ZOrderMode mode);
    bool StartsAtBottom() const;
    void MarkZOrderMode();

    // Placement and display.
    void PlaceWindow();
    void ShowAtStart(int command);
    void ApplyTaskbarButton();
    void SavePosition(int x, int y);

    // One key of section "main", or of the section of the monitor in slot k, written
    // from its field through the key table.
    template <class F>
    void SaveMainKey(F MainSettings::*field) {
        WriteSettingField(m_files.main, kMainSection, MainKeys(), Settings(), field);
    }
    template <class F>
    void SaveMonitorKey(int k, F MonitorSettings::*field) {
        WriteSettingField(m_files.main, MonitorSectionName(static_cast<UINT>(k)), MonitorKeys(),
                          m_monitors[k]->Settings(), field);
    }
    // "NumBox" written from the monitor set's count.
    void SaveNumBox();

    // The box menu (right click on the strip) and the double-click command. Each returns
    // TRUE when the message's default processing must not run.
    BOOL OnRButtonDown(UINT flags, POINT point);
    BOOL OnLButtonDblClk(UINT flags, POINT point);
    // Its building and its commands (box counted from 1).
    void ReadUserCommands();
    void PrepareBoxMenu(HMENU popup);
    void RunBoxMenuCommand(UINT command);
    void MoveBox(int box, int step);
    void DuplicateBox(int box);
    void ToggleBoxDisabled(int box);
    void DeleteBox(int box);
    void ViewBoxLog(const CMonitorRecord& record);
    void ShowStatusInfo(CMonitorRecord& record);
    // The user menu editor, and a net message to box `box` (counted from 1).
    void OnCustomize();
    void OnSendNetMessage(int box);

    // Painting. Boxes count from 1; one outside the set does nothing. onlyIfChanged: not
    // when the box would look as it was last drawn.
    void RedrawBox(int nBox, bool onlyIfChanged = false);
    void RedrawWholeWindow();
    void FitWindowToBoxes();
    StripShape Shape() const { return StripShapeOf(Settings(), m_monitors.Count()); }
    void OnPaint();
    // The whole strip into a device context: the screen's, or the one WM_PRINTCLIENT gives,
    // each box drawn first into `boxSurface`, which must be compatible with that DC.
    void PaintStrip(HDC dc, fw::COffscreenSurface& boxSurface);
    void OnPrintClient(HDC dc);
    struct StripBox;
    StripBox ContentOf(int nBox);
    void DrawBoxMarkers(BoxMarker marker, HDC dc);
    void DrawBoxToScreen(int nBox, const StripBox& box, HDC screen, HDC memory);

    CSystemTray m_tray;
    int m_nInstance = 0;
    StripFiles m_files;
    CMonitorSlots m_monitors;
    BoxMenuState m_boxMenu;
    CStripView m_view;
    CMenuImageSet m_menuImages;
    SettingsDialogs m_dialogs;
    CZOrder m_zOrder;
    fw::CMenu m_menuTray;
    HICON m_hIcon = nullptr;  // shared application icon, never destroyed
    fw::CIcon m_hInstanceIcon;  // the tray's
    bool m_bModalBusy = false;  // the tray opens no menu (ModalBusy sets it)
};
