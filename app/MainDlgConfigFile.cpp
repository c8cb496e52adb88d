// The tray menu's "Config File" commands: back up, restore and reset the instance's main
// configuration file, and the rebuild of every monitor from the file afterwards.
#include <windows.h>

#include "app/MainDlg.h"
#include "app/ModalBusy.h"
#include "dialogs/FileFilters.h"
#include "framework/AppMessage.h"
#include "framework/FileDialog.h"
#include "framework/StringUtil.h"
#include "model/ConfigFileRules.h"
#include "model/MainConfig.h"
#include "model/SharedRoutines.h"

namespace {

// The platform's Save As (save) or Open dialog; empty when cancelled. Open also takes a
// typed name: a name of no file then changes nothing.
std::wstring ChooseConfigFile(HWND owner, bool save) {
    std::wstring path;
    if (!fw::ChooseFile(owner, save ? fw::FileChoice::Save : fw::FileChoice::AnyName, kIniFileFilter, path,
                       save ? L"ini" : nullptr))
        return std::wstring();
    return path;
}

}  // namespace

void CMainDlg::OnConfigBackup() {
    ModalBusy busy(m_bModalBusy);
    const std::wstring target = ChooseConfigFile(m_hWnd, true);
    if (target.empty()) return;
    if (m_files.main.ReadString(kMainSection, L"App", L"") != kAppIdentity)
        m_files.main.WriteString(kMainSection, L"App", kAppIdentity);
    if (!CopyFileW(m_files.folders.mainIni.c_str(), target.c_str(), FALSE)) {
        fw::SystemErrorBox(GetLastError());
        return;
    }
    EditBackupCopy(target);
}

void CMainDlg::OnConfigRestore() {
    ModalBusy busy(m_bModalBusy);
    const std::wstring source = ChooseConfigFile(m_hWnd, false);
    if (source.empty() || !IsExistingFile(source)) return;
    CIniFile restored;
    restored.SetPath(source);
    const RestoredFileKind kind = ClassifyRestoredFile(restored.ReadString(kMainSection, L"App", L""));
    if (kind == RestoredFileKind::NotValid) {
        MessageBoxW(GetDesktopWindow(), L"Restored Config File is not valid.", L"Orvalen",
                    MB_ICONEXCLAMATION | MB_OK);
        return;
    }
    if (!CopyFileW(source.c_str(), m_files.folders.mainIni.c_str(), FALSE)) {
        // The monitors are rebuilt from the unchanged file all the same.
        fw::SystemErrorBox(GetLastError());
    } else if (kind == RestoredFileKind::OldFormat) {
        ConvertOldFormatKeys(m_files.main);
    }
    RebuildMonitors();
}

void CMainDlg::OnConfigReset() {
    ModalBusy busy(m_bModalBusy);
    if (fw::AppMessageBox(L"Do you want to Reset Config File?", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    if (!DeleteFileW(m_files.folders.mainIni.c_str())) {
        fw::AppMessageBox(L"Can't delete MainConf?.ini file.", MB_OK);
        return;
    }
    // Without the file every setting takes its default, with one default monitor.
    RebuildMonitors();
}

// Every record is freed (its thread told to stop: a result it still reports carries the
// torn-down index, or a link no record holds, and lands on no box), the file loaded
// again, and the strip laid out and started as at start-up.
void CMainDlg::RebuildMonitors() {
    m_monitors.ClearAll();
    LoadConfig();
    ApplyLayoutAndStart();
}
