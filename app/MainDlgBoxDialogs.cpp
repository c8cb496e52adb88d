// The box menu's user menu editor and a net message to a box's host.
#include "app/MainDlg.h"

#include "model/MonitorTypes.h"

// The result is not used: the box menu reads the file again at its next opening.
void CMainDlg::OnCustomize() {
    m_dialogs.customMenu.m_hParent = m_hWnd;
    m_dialogs.customMenu.m_strIniPath = m_files.folders.menuIni;
    m_dialogs.customMenu.DoModal();
}

// The dialog reads and writes the main configuration file itself; afterwards, whatever
// its result, the record takes the user name in memory.
void CMainDlg::OnSendNetMessage(int box) {
    CMonitorRecord* found = m_monitors.RecordOfBox(box);
    if (!found) return;
    CMonitorRecord& record = *found;
    m_dialogs.netMsg.m_hParent = m_hWnd;
    m_dialogs.netMsg.m_ini.SetPath(m_files.folders.mainIni);
    m_dialogs.netMsg.m_nBoxIndex = SlotOfBox(box);
    m_dialogs.netMsg.m_strHost = record.CheckMethod == METHOD_URL ? record.m_strUrlHost : record.IPorURLAddress;
    m_dialogs.netMsg.m_strMonitorName = record.Name;
    m_dialogs.netMsg.m_nCheckMethod = record.CheckMethod;
    m_dialogs.netMsg.DoModal();
    record.NetUserName = m_dialogs.netMsg.m_strUserName;
}
