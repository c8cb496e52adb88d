#include "app/MainApp.h"

#include <objbase.h>
#include <htmlhelp.h>
#include <winsock2.h>

#include <algorithm>

#include "app/MainDlg.h"
#include "engine/CallBound.h"
#include "engine/EchoCall.h"
#include "engine/LogWriter.h"
#include "engine/NotificationWorkers.h"
#include "framework/Handle.h"
#include "framework/AppMessage.h"
#include "framework/StringUtil.h"
#include "model/GlobalSettings.h"
#include "model/Instances.h"
#include "model/Messages.h"
#include "resource.h"

namespace {
constexpr UINT kActivateWaitMs = 3000;
// How long a start waits for a guard held by an instance without a window: one that is
// ending lets its guard go as soon as its window has gone, one that is starting shows its
// window within this time.
constexpr DWORD kGuardWaitMs = 5000;
constexpr DWORD kGuardPollMs = 50;
// The longest the ended program waits for its pending echoes, whatever the time-out: a
// time-out read as 4294967295 must not leave an invisible process for weeks.
constexpr DWORD kLongestEchoWaitMs = 60000;

// The running instance's window restores itself and comes to the front. A window that
// does not answer (hung) must not hang this start too: the hand-over waits a few seconds
// at most, and nothing after it waits.
void HandOverTo(HWND running) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(running, UM_ACTIVATE_INSTANCE, 0, 0, SMTO_ABORTIFHUNG, kActivateWaitMs, &ignored);
    ShowWindowAsync(running, SW_SHOW);
    SetForegroundWindow(running);
}
}  // namespace

BOOL CMainApp::InitInstance() {
    // The taskbar list that the window creates on this thread needs OLE.
    OleInitialize(nullptr);

    int instance = InstanceFromCommandLine(m_lpCmdLine);

    fw::CHandle guard = fw::NewMutex(InstanceMutexName(instance).c_str());
    DWORD taken = guard.Valid() ? WaitForSingleObject(guard.Get(), 0) : WAIT_FAILED;
    // A held guard with no window beside it belongs to an instance that is ending (its
    // window has just gone) or starting: its guard, or its window, is waited for.
    for (const DWORD since = GetTickCount(); taken == WAIT_TIMEOUT;) {
        HWND running = FindWindowW(nullptr, InstanceWindowTitle(instance).c_str());
        if (running) {
            HandOverTo(running);
            if (IsWindow(running)) return FALSE;  // not a window that was being destroyed
        }
        if (GetTickCount() - since >= kGuardWaitMs) return FALSE;
        taken = WaitForSingleObject(guard.Get(), kGuardPollMs);
    }
    // The guard stays owned while the window lives (RunStrip lets it go).

    m_pszHelpFilePath = HelpFilePathFor(fw::ProgramPath());

    WSADATA wsa;
    if (WSAStartup(MAKEWORD(2, 2), &wsa) != 0) {
        fw::AppMessageBox(IDS_SOCKETS_INIT_FAILED, MB_OK);
        return FALSE;
    }

    RunStrip(instance);
    if (taken == WAIT_OBJECT_0 || taken == WAIT_ABANDONED) ReleaseMutex(guard.Get());
    guard.Reset();
    // Programs due last are started, and lines logged last (or waiting for a file another
    // program holds) are written, first.
    FinishProgramRuns();
    FinishLogLines();
    // Echo requests cut off by the process's end were seen to leave Wine's ICMP service
    // stuck for every later program: the pending ones end first, unseen (no window, no
    // tray icon, no guard left), each within its own bound, and no new one starts.
    CloseEchoesAndWait(std::min(CallBoundMs(g_dwTimeOut.load()), kLongestEchoWaitMs));
    return FALSE;
}

void CMainApp::RunStrip(int instance) {
    CMainDlg dialog(nullptr, instance);
    m_pMainWnd = &dialog;
    // Without a data folder the user has been told why, and the program ends.
    if (dialog.HasDataFolder()) dialog.DoModal();
    m_pMainWnd = nullptr;
}

BOOL CMainApp::OnCommand(WORD id) {
    switch (id) {
    case ID_HELP:
        OnHelp();
        return TRUE;
    default:
        return FALSE;
    }
}

void CMainApp::OnHelp() {
    HtmlHelpW(GetMainWndHandle(), m_pszHelpFilePath.c_str(), HH_DISPLAY_TOPIC, 0);
}

std::wstring HelpFilePathFor(const std::wstring& programPath) {
    std::wstring folder = programPath;
    size_t slash = folder.find_last_of(L'\\');
    if (slash != std::wstring::npos) folder.erase(slash);
    return folder + L"\\Orvalen.chm";
}
