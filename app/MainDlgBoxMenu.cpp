// The box menu: a right click on the strip opens it for the box under the cursor (or
// the grip strip); the chosen command is carried out before the handler returns. Also
// the double-click command.
#include <memory>
#include <windows.h>
#include <shellapi.h>

#include "app/BoxMenuRules.h"
#include "app/MainDlg.h"
#include "app/ModalBusy.h"
#include "app/StripGeometry.h"
#include "app/Tools.h"
#include "engine/LogFormat.h"
#include "engine/LogWriter.h"
#include "framework/AppMessage.h"
#include "framework/StringUtil.h"
#include "framework/TimeText.h"
#include "model/GlobalSettings.h"
#include "model/NetErrorCodes.h"
#include "model/SharedRoutines.h"
#include "model/SharedSettings.h"
#include "model/StatusWords.h"
#include "resource.h"

namespace {

// Every command of the box menu, for the enabling rules.
const UINT kBoxMenuCommands[] = {
    ID_BOX_PING,           ID_BOX_WEB,            ID_BOX_FTP,            ID_BOX_TRACE_ROUTE,
    ID_BOX_SHARES,         ID_BOX_REMOTE_DESKTOP, ID_BOX_SEND_NET_MESSAGE, ID_BOX_USER_COMMAND_1,
    ID_BOX_USER_COMMAND_2, ID_BOX_USER_COMMAND_3, ID_BOX_USER_COMMAND_4, ID_BOX_USER_COMMAND_5,
    ID_BOX_USER_COMMAND_6, ID_BOX_USER_COMMAND_7, ID_BOX_CUSTOMIZE,      ID_BOX_MOVE_LEFT,
    ID_BOX_MOVE_RIGHT,     ID_BOX_DUPLICATE,      ID_BOX_DISABLE,        ID_BOX_VIEW_LOG,
    ID_BOX_STATUS_INFO,    ID_BOX_ADD_MONITOR,    ID_BOX_EDIT_MONITOR,   ID_BOX_DELETE_MONITOR,
};

// The image of each item; 0 stands for the Ping bitmap. The move and disable items
// change theirs with the layout and the box.
struct BoxMenuImage {
    UINT command;
    UINT iconId;
};
const BoxMenuImage kBoxMenuImages[] = {
    {ID_BOX_PING, 0},
    {ID_BOX_WEB, IDI_MENU_WEB},
    {ID_BOX_FTP, IDI_MENU_FTP},
    {ID_BOX_TRACE_ROUTE, IDI_MENU_TRACE_ROUTE},
    {ID_BOX_SHARES, IDI_MENU_SHARES},
    {ID_BOX_REMOTE_DESKTOP, IDI_MENU_REMOTE_DESKTOP},
    {ID_BOX_SEND_NET_MESSAGE, IDI_SEND_MESSAGE},
    {ID_BOX_USER_COMMAND_1, IDI_MENU_USER_COMMAND},
    {ID_BOX_USER_COMMAND_2, IDI_MENU_USER_COMMAND},
    {ID_BOX_USER_COMMAND_3, IDI_MENU_USER_COMMAND},
    {ID_BOX_USER_COMMAND_4, IDI_MENU_USER_COMMAND},
    {ID_BOX_USER_COMMAND_5, IDI_MENU_USER_COMMAND},
    {ID_BOX_USER_COMMAND_6, IDI_MENU_USER_COMMAND},
    {ID_BOX_USER_COMMAND_7, IDI_MENU_USER_COMMAND},
    {ID_BOX_CUSTOMIZE, IDI_MENU_CUSTOMIZE},
    {ID_BOX_DUPLICATE, IDI_MENU_DUPLICATE},
    {ID_BOX_VIEW_LOG, IDI_MENU_LOGS},
    {ID_BOX_STATUS_INFO, IDI_MENU_ABOUT},
    {ID_BOX_ADD_MONITOR, IDI_MENU_ADD_MONITOR},
    {ID_BOX_EDIT_MONITOR, IDI_MENU_EDIT_MONITOR},
    {ID_BOX_DELETE_MONITOR, IDI_MENU_DELETE_MONITOR},
};

void SetItemText(HMENU menu, UINT command, const std::wstring& text) {
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<wchar_t*>(text.c_str());
    SetMenuItemInfoW(menu, command, FALSE, &info);
}

void SetItemImage(HMENU menu, UINT command, HBITMAP image) {
    SetMenuItemBitmaps(menu, command, MF_BYCOMMAND, image, image);
}

// Status Info's error text: WinINet's for its codes (at most 1000 characters), the
// system's for any other, on one line.
std::wstring StatusInfoErrorText(DWORD error) {
    return IsWinInetError(error) ? GetWinInetErrorText(error).substr(0, 1000)
                                 : fw::MessageTableText(error, nullptr, true);
}

}  // namespace

BOOL CMainDlg::OnRButtonDown(UINT, POINT point) {
    // While a settings dialog is up the strip stays usable, but opens no box menu.
    if (m_dialogs.OpenWindows().BlockingShown()) return TRUE;
    RECT window = {};
    GetWindowRect(m_hWnd, &window);
    const POINT at = {window.left + point.x, window.top + point.y};

    fw::CMenu menu(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_BOX_MENU)));
    HMENU popup = menu ? GetSubMenu(menu, 0) : nullptr;
    m_boxMenu.Open(StripBoxAtPoint(Shape(), point));
    RedrawWholeWindow();

    m_boxMenu.command = 0;
    if (popup) {
        ReadUserCommands();
        PrepareBoxMenu(popup);
        // A menu takes the keyboard only while its owner is the foreground window, which a
        // program launched a moment ago may have become.
        SetForegroundWindow(m_hWnd);
        m_boxMenu.command = static_cast<int>(TrackPopupMenu(
            popup, TPM_RETURNCMD | TPM_NONOTIFY | TPM_BOTTOMALIGN, at.x, at.y, 0, m_hWnd, nullptr));
        RunBoxMenuCommand(static_cast<UINT>(m_boxMenu.command));
    }

    m_boxMenu.Close();
    if (m_monitors.Count() != 0) RedrawWholeWindow();
    return FALSE;
}

void CMainDlg::ReadUserCommands() { m_boxMenu.userCommands = ReadUserMenu(m_files.menu, UserMenuReader::BoxMenu); }

void CMainDlg::PrepareBoxMenu(HMENU popup) {
    const CMonitorRecord* record = m_monitors.RecordOfBox(m_boxMenu.box);
    const BoxMenuContext context = {m_boxMenu.box, m_monitors.Count(), record && record->Disabled != 0, Shape().row};

    const std::vector<CustomMenuItem>& userCommands = m_boxMenu.userCommands;
    for (int i = 0; i < kUserCommandCount; ++i) {
        if (i < static_cast<int>(userCommands.size())) SetItemText(popup, UserCommandId(i), userCommands[i].Caption);
        else DeleteMenu(popup, UserCommandId(i), MF_BYCOMMAND);
    }
    for (UINT command : {ID_BOX_MOVE_LEFT, ID_BOX_MOVE_RIGHT, ID_BOX_DISABLE})
        SetItemText(popup, command, BoxMenuItemText(command, context));

    for (const BoxMenuImage& image : kBoxMenuImages)
        SetItemImage(popup, image.command, image.iconId ? m_menuImages.OfIcon(image.iconId) : m_menuImages.Ping());
    SetItemImage(popup, ID_BOX_MOVE_LEFT, m_menuImages.OfIcon(context.row ? IDI_MENU_MOVE_LEFT : IDI_MENU_MOVE_UP));
    SetItemImage(popup, ID_BOX_MOVE_RIGHT, m_menuImages.OfIcon(context.row ? IDI_MENU_MOVE_RIGHT : IDI_MENU_MOVE_DOWN));
    const bool enableItem = context.box > 0 && context.boxDisabled;
    SetItemImage(popup, ID_BOX_DISABLE, m_menuImages.OfIcon(enableItem ? IDI_MENU_ENABLE_ALL : IDI_MENU_DISABLE_ALL));

    // Disabled, not greyed.
    for (UINT command : kBoxMenuCommands)
        EnableMenuItem(popup, command,
                       MF_BYCOMMAND | (BoxMenuCommandEnabled(command, context) ? MF_ENABLED : MF_DISABLED));
}

void CMainDlg::RunBoxMenuCommand(UINT command) {
    const int box = m_boxMenu.box;
    CMonitorRecord* record = m_monitors.RecordOfBox(box);
    // Every command but adding needs a box; the menu offers them on boxes only.
    if (!record && command != ID_BOX_ADD_MONITOR) return;
    const int userCommand = UserCommandIndex(command);
    if (userCommand >= 0) {
        if (userCommand >= static_cast<int>(m_boxMenu.userCommands.size())) return;
        const CustomMenuItem& item = m_boxMenu.userCommands[static_cast<size_t>(userCommand)];
        StartCommand(item.Application, item.Parameters, SubjectOf(*record));
        return;
    }
    switch (command) {
    case ID_BOX_PING:
    case ID_BOX_TRACE_ROUTE:
    case ID_BOX_REMOTE_DESKTOP:
    case ID_BOX_WEB:
    case ID_BOX_FTP:
    case ID_BOX_SHARES: LaunchTool(command, ToolSubjectOf(*record), m_bModalBusy); break;
    case ID_BOX_SEND_NET_MESSAGE: OnSendNetMessage(box); break;
    case ID_BOX_CUSTOMIZE: OnCustomize(); break;
    case ID_BOX_MOVE_LEFT:
        if (box > 1) MoveBox(box, -1);
        break;
    case ID_BOX_MOVE_RIGHT:
        if (box < m_monitors.Count()) MoveBox(box, +1);
        break;
    case ID_BOX_DUPLICATE:
        if (!m_monitors.Full()) DuplicateBox(box);
        break;
    case ID_BOX_DISABLE: ToggleBoxDisabled(box); break;
    case ID_BOX_VIEW_LOG: ViewBoxLog(*record); break;
    case ID_BOX_STATUS_INFO: ShowStatusInfo(*record); break;
    case ID_BOX_ADD_MONITOR:
        if (m_monitors.Full()) break;
        m_boxMenu.insertMark = true;
        RedrawWholeWindow();
        AddMonitor();
        break;
    case ID_BOX_EDIT_MONITOR: EditMonitor(box); break;
    case ID_BOX_DELETE_MONITOR: DeleteBox(box); break;
    default: break;
    }
}

// A box exchanges its monitor with its neighbour before (step -1) or after (+1) it.
void CMainDlg::MoveBox(int box, int step) {
    const int slot = SlotOfBox(box);
    m_monitors.Exchange(slot, slot + step);

    m_boxMenu.open = false;
    RedrawWholeWindow();
    SaveMonitor(slot);
    SaveMonitor(slot + step);
}

// The copy goes into a new box right after its own.
void CMainDlg::DuplicateBox(int box) {
    const int slot = SlotOfBox(box + 1);
    auto copy = std::make_unique<CMonitorRecord>(m_hWnd, static_cast<UINT>(slot));
    copy->DuplicateFrom(*m_monitors.RecordOfBox(box));
    // The new box counts from here on, before its first status is shown.
    if (!m_monitors.Insert(slot, std::move(copy))) return;
    CMonitorRecord& added = *m_monitors.RecordAt(slot);
    LoadBoxPictures(slot);
    m_monitors.ShowStatus(slot, added.Disabled ? MON_DISABLED : MON_CHECKING);
    if (!added.Disabled) m_monitors.Start(slot);
    m_boxMenu.open = false;
    FitWindowToBoxes();
    SaveMonitorsFrom(slot);
    SaveNumBox();
}

void CMainDlg::ToggleBoxDisabled(int box) {
    const int slot = SlotOfBox(box);
    m_monitors.SetEnabled(slot, m_monitors.RecordAt(slot)->Disabled != 0);
    SaveMonitor(slot);
}

void CMainDlg::DeleteBox(int box) {
    ModalBusy busy(m_bModalBusy);
    const int answer = fw::AppMessageBox(L"Are you sure that you want to delete this Monitor?", MB_YESNO);
    const int slot = SlotOfBox(box);
    if (answer == IDYES && m_monitors.InUse(slot) && m_monitors.Count() > 1) {
        m_monitors.Remove(slot);
        m_boxMenu.open = false;
        FitWindowToBoxes();
        SaveMonitorsFrom(slot);
        SaveNumBox();
    }
}

void CMainDlg::SaveNumBox() {
    MainSettings written;
    written.NumBox = m_monitors.Count();
    WriteSettingField(m_files.main, kMainSection, MainKeys(), written, &MainSettings::NumBox);
}

void CMainDlg::ViewBoxLog(const CMonitorRecord& record) {
    const int logFileType = g_nLogFileType.load();
    const std::wstring file =
        TodaysLogFileName(CSharedSettings::Get().LogDir(), record, logFileType, fw::LocalNow());
    std::wstring problem;
    if (file.empty() || !IsExistingFile(file)) {
        problem = L"Log file not found. If you want Logging, you need enable it and wait for status change.";
    } else {
        const auto result = reinterpret_cast<INT_PTR>(
            ShellExecuteW(GetDesktopWindow(), L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
        if (result == SE_ERR_NOASSOC)
            problem = logFileType == 0
                          ? L"There is no application associated with the given file name extension *.txt."
                          : L"There is no application associated with the given file name extension *.csv.";
        else if (result <= 32)
            problem = L"Could not open log file.";
    }
    if (problem.empty()) return;
    ModalBusy busy(m_bModalBusy);
    fw::AppMessageBox(problem, MB_OK);
}

void CMainDlg::ShowStatusInfo(CMonitorRecord& r) {
    ModalBusy busy(m_bModalBusy);
    const bool onWine = CSharedSettings::Get().RunningOnWine != 0;
    const std::wstring word = StatusInfoWord(r.m_nStatus, r.CheckMethod);
    const bool icmpOnly = r.CheckMethod == METHOD_PING && r.m_nStatus != MON_UP && r.m_dwIpStatus != 0 &&
                          r.m_dwError == 0;
    // Wine has no texts for ICMP statuses: the status stands as the error code, in the
    // record too, until its next result.
    if (onWine && icmpOnly) {
        r.m_dwError = r.m_dwIpStatus;
        r.m_dwIpStatus = 0;
    }
    StatusInfoFacts facts;
    facts.name = r.Name;
    facts.word = word;
    facts.icmpForm = !onWine && icmpOnly;
    facts.ipStatus = r.m_dwIpStatus;
    if (facts.icmpForm) facts.icmpText = IcmpStatusText(r.m_dwIpStatus);
    facts.error = r.m_dwError;
    if (!facts.icmpForm && r.m_dwError != kIpGeneralFailure) facts.errorText = StatusInfoErrorText(r.m_dwError);
    // The caption is the product's, whatever the program file is called.
    MessageBoxW(m_hWnd, StatusInfoText(facts).c_str(), L"Orvalen", MB_OK | MB_ICONINFORMATION);
}

BOOL CMainDlg::OnLButtonDblClk(UINT, POINT point) {
    if (!DCOBEFE) return TRUE;
    const CMonitorRecord* record = m_monitors.RecordOfBox(StripBoxAtPoint(Shape(), point));
    if (!record) return TRUE;
    StartCommand(DCOBEFPath, DCOBEFParameters, SubjectOf(*record));
    return FALSE;
}
