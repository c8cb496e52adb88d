// The box menu's user menu editor and a net message to a box's host.
#include "app/MainDlg.h"

#include "model/MonitorTypes.h"

// The result is not used: the box menu reads the file again at its next opening.
void CMainDlg::OnCustomize() {
    m_dlgCustomMenu.m_hParent = m_hWnd;
    m_dlgCustomMenu.m_strIniPath = m_strMenuIniPath;
    m_dlgCustomMenu.DoModal();
}

// The dialog reads and writes the main configuration file itself; afterwards, whatever
// its result, the record takes the user name in memory.
void CMainDlg::OnSendNetMessage(int box) {
    CMonitorRecord* found = m_monitors.RecordOfBox(box);
    if (!found) return;
    CMonitorRecord& record = *found;
    m_dlgNetMsg.m_hParent = m_hWnd;
    m_dlgNetMsg.m_ini.SetPath(m_strMainIniPath);
    m_dlgNetMsg.m_nBoxIndex = SlotOfBox(box);
    m_dlgNetMsg.m_strHost = record.CheckMethod == METHOD_URL ? record.m_strUrlHost : record.IPorURLAddress;
    m_dlgNetMsg.m_strMonitorName = record.Name;
    m_dlgNetMsg.m_nCheckMethod = record.CheckMethod;
    m_dlgNetMsg.DoModal();
    record.NetUserName = m_dlgNetMsg.m_strUserName;
}
