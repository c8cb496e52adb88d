#pragma once
// The strip window: owns the monitors, the window settings, the tray icon, the fonts
// and icons, and runs as the program's modal dialog. The settings of section "main" are
// its MainSettings; those that monitoring threads read (logging, error sounds, the logs
// folder, time-out, log file type) are handed to them through PublishThreadSettings
// (CSharedSettings and the process-wide values): threads never read this object.
#include <array>
#include <memory>
#include <string>
#include <windows.h>

#include "ui/BoxPainter.h"
#include "app/BoxMenuState.h"
#include "app/StripGeometry.h"
#include "app/StripView.h"
#include "app/SystemTray.h"
#include "app/ZOrder.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/CustomMenu.h"
#include "dialogs/MonitorDialog.h"
#include "dialogs/PropertiesDlg.h"
#include "dialogs/SendNetMsgDlg.h"
#include "framework/Dialog.h"
#include "framework/GdiHandles.h"
#include "framework/OffscreenSurface.h"
#include "model/IconBitmap.h"
#include "model/IniFile.h"
#include "model/MainConfig.h"
#include "model/MonitorRecord.h"
#include "model/MonitorSlots.h"
#include "model/SettingKeys.h"
#include "model/UserMenuFile.h"
#include "resource.h"

// Icon resources shown as menu item images (tray menu, box menu, z-order mark).
constexpr std::array<UINT, 31> kMenuIconIds = {
    IDI_MENU_ABOUT,          IDI_MENU_HELP,         IDI_MENU_RESET_POSITION, IDI_MENU_SHOW,
    IDI_MENU_ALL_NOTIF,      IDI_BUTTON_TEST_SOUND, IDI_MENU_MESSAGE_BOXES,  IDI_MENU_ENABLE_ALL,
    IDI_MENU_DISABLE_ALL,    IDI_MENU_LOGS,         IDI_MENU_BACKUP_CONFIG,  IDI_MENU_RESTORE_CONFIG,
    IDI_MENU_OPTIONS,        IDI_MENU_QUIT,         IDI_MENU_ADD_MONITOR,    IDI_MENU_EDIT_MONITOR,
    IDI_MENU_DELETE_MONITOR, IDI_MENU_CUSTOMIZE,    IDI_MENU_DUPLICATE,      IDI_MENU_USER_COMMAND,
    IDI_MENU_MOVE_DOWN,      IDI_MENU_MOVE_LEFT,    IDI_MENU_MOVE_RIGHT,     IDI_MENU_MOVE_UP,
    IDI_MENU_TRACE_ROUTE,    IDI_MENU_WEB,          IDI_MENU_REMOTE_DESKTOP, IDI_MENU_SHARES,
    IDI_MENU_FTP,            IDI_SEND_MESSAGE,      IDI_MENU_MODE_MARK};

class CMainDlg : public fw::CDialog, private MainSettings {
public:
    CMainDlg(HWND parent, int instance);
    ~CMainDlg() override;

    // The settings of section "main" in force; the monitors in their slots; the main
    // configuration file.
    using MainSettings::Settings;
    CMonitorSlots& Records() { return m_monitors; }
    const std::wstring& MainIniPath() const { return m_strMainIniPath; }

    // False when "APPDATA" gives no data folder: the user has been told, nothing was
    // created or loaded, and the window must not run.
    bool HasDataFolder() const { return m_bHasDataFolder; }

    // Configuration (loading).
    void LoadConfig();
    // Writes the whole "Box %d" section of the monitor at position k (its slot holds a record).
    void SaveMonitor(int k);
    // The options dialog's Apply or OK: takes the dialog's option values into force (threads
    // included), shows or hides the taskbar button when that switch changed, fits the
    // window, writes the 20 option keys of "main", and gives the focus back to the
    // dialog's window when it is visible. Returns 0.
    LRESULT OnOptionsApplied(const MainSettings& dialogValues, HWND dialogWindow);
    // Layout, taskbar button, volume, first statuses and the monitoring threads.
    void ApplyLayoutAndStart();

    // Monitors added and edited in the monitor dialog (box menu "Add Mon." after box
    // m_boxMenu.box, "Edit Mon." of box `box`, counted from 1), and the dialog's settings
    // applied on its OK and on UM_MONITOR_APPLIED from its Apply. Returns 0.
    void AddMonitor();
    void EditMonitor(int box);
    LRESULT OnApplyMonitorProperties(WPARAM wParam, LPARAM lParam);

    // Check results from the monitoring threads (UM_CHECK_RESULT).
    LRESULT OnCheckResult(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetMainDlg(WPARAM wParam, LPARAM lParam);
    LRESULT OnActivateInstance(WPARAM wParam, LPARAM lParam);

    // The tray icon's mouse events (UM_TRAY_NOTIFY) and the tray menu's commands.
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    void OnAbout();
    void OnHelpAndSupport();
    void OnResetPosition();
    void OnShow();
    void OnLogs();
    void OnQuit();
    void OnOptions();

    // All monitors at once (tray menu).
    void OnDisableAllMonitors();
    void OnEnableAllMonitors();
    void OnDisableSounds();
    void OnDisableMsgBoxes();
    void OnDisableFiles();
    void OnDisableAllNotifications();

    // The main configuration file (tray menu "Config File").
    void OnConfigBackup();
    void OnConfigRestore();
    void OnConfigReset();

    // Painting.
    // Boxes count from 1; 0 and below do nothing. onlyIfChanged: not when the box would
    // look as it was last drawn.
    void RedrawBox(int nBox, bool onlyIfChanged = false);
    void FitWindowToBoxes();
    void LoadBoxPictures(int nIndex);  // records count from 0

    // The menu image made from an icon resource of kMenuIconIds (drawn onto the menu
    // colour); none for another id.
    HBITMAP MenuIconBitmap(UINT iconId) const;

    // The box menu (right click on the strip) and the double-click command. Each returns
    // TRUE when the message's default processing must not run.
    BOOL OnRButtonDown(UINT flags, POINT point);
    BOOL OnLButtonDblClk(UINT flags, POINT point);

    // The box menu's user menu editor, and a net message to box `box` (counted from 1).
    void OnCustomize();
    void OnSendNetMessage(int box);

private:
    CSystemTray m_tray;
    HICON m_hIcon = nullptr;  // shared application icon, never destroyed
    fw::CIcon m_hInstanceIcon;
    fw::CMenu m_menuTray;
    CBoxPropertiesDlg m_dlgMonitor;
    CCustomMenu m_dlgCustomMenu;
    CSendNetMsgDlg m_dlgNetMsg;
    CStripView m_view;  // fonts, icons, what each box showed, the kept surface

    // Data folder tree and file paths.
    std::wstring m_strSkinsFolder, m_strPicturesFolder, m_strMainIniPath, m_strBaseFolder, m_strMenuIniPath,
        m_strDefaultSkinPath;
    CIniFile m_iniMain, m_iniMenu, m_iniDefaultSkin;

    // What the monitor dialog's OK or Apply does: add a monitor after box m_boxMenu.box, or
    // edit box m_boxMenu.box. The first Apply of an Add turns it into Edit of the new box.
    enum class MonitorDialogMode { Add, Edit };
    MonitorDialogMode m_monitorDialogMode = MonitorDialogMode::Edit;
    bool m_bModalBusy = false;  // the tray opens no menu (ModalBusy sets it)
    std::wstring m_strLogsFolder;  // with a trailing backslash; the default of LogDir
    BoxMenuState m_boxMenu;
    CMonitorSlots m_monitors;  // the monitors and their count
    int m_nInstance = 0;
    fw::CBitmap m_bmpResetConfig, m_bmpNoMark, m_bmpDisableFiles, m_bmpBoxMenu;
    std::array<CIconBitmap, kMenuIconIds.size()> m_aMenuIcons;
    CPropertiesDlg m_dlgOptions;
    CAboutDlg m_dlgAbout;
    std::array<fw::CBitmap, kMenuIconIds.size()> m_aMenuImages;  // m_aMenuIcons on the menu colour

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
    // The windows of the settings dialogs the strip owns, none while a dialog is not open:
    // the one list the tray, the box menu and the grip strip choose from.
    struct SettingsDialogWindows {
        HWND monitor, options, about, netMsg, customMenu;
        static bool IsShown(HWND window) { return window && IsWindowVisible(window); }
        // One that keeps the box menu and the grip's background zone away is shown (every
        // one but the net-message dialog).
        bool BlockingShown() const;
    };
    SettingsDialogWindows OpenDialogWindows() const;

    void WriteDefaultPictures();
    void LoadMenuImages();
    void SetTrayMenuImages();
    void PlaceWindow();
    bool StartsAtBottom() const;
    void ShowAtStart(int command);
    void ApplyTaskbarButton();
    void RedrawWholeWindow();
    void PrepareMonitorDialog(bool addMode);
    bool MonitorDialogAlreadyOpen();
    void RaiseAfterCancel();
    BOOL OnTrayCommand(WORD id);
    void SavePosition(int x, int y);
    // The z-order mode: chosen in the tray menu (or started with), applied and written;
    // marked in the tray menu.
    void SetZOrderMode(ZOrderMode mode);
    void MarkZOrderMode();
    void SetNotificationSwitchOff(AtomicU32 MonitorSettings::*field);
    // One key of section "main", or of the section of the monitor at position k, written
    // from its field through the key table.
    template <class F>
    void SaveMainKey(F MainSettings::*field) {
        WriteSettingField(m_iniMain, kMainSection, MainKeys(), Settings(), field);
    }
    template <class F>
    void SaveMonitorKey(int k, F MonitorSettings::*field) {
        WriteSettingField(m_iniMain, MonitorSectionName(static_cast<UINT>(k)), MonitorKeys(),
                          m_monitors[k]->Settings(), field);
    }
    void WriteDisabledKeys();
    void RebuildMonitors();

    // The box menu: its building and its commands (box counted from 1).
    void ReadUserCommands();
    void PrepareBoxMenu(HMENU popup);
    void RunBoxMenuCommand(UINT command);
    void MoveBox(int box, int step);
    void DuplicateBox(int box);
    void ToggleBoxDisabled(int box);
    void DeleteBox(int box);
    void ViewBoxLog(const CMonitorRecord& record);
    void ShowStatusInfo(CMonitorRecord& record);
    // "NumBox" written from the monitor set's count.
    void SaveNumBox();
    StripShape Shape() const { return StripShapeOf(Settings(), m_monitors.Count()); }

    // Painting.
    void OnPaint();
    // The whole strip into a device context: the screen's, or the one WM_PRINTCLIENT gives,
    // each box drawn first into `boxSurface`, which must be compatible with that DC.
    void PaintStrip(HDC dc, fw::COffscreenSurface& boxSurface);
    void OnPrintClient(HDC dc);
    struct StripBox;
    StripBox ContentOf(int nBox);
    void DrawBoxMarkers(BoxMarker marker, HDC dc);
    void DrawBoxToScreen(int nBox, const StripBox& box, HDC screen, HDC memory);

    bool m_bHasDataFolder = false;
    CZOrder m_zOrder;
};
