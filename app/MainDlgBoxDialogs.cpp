// The dialogs the box menu opens. Until they exist these commands do nothing.
#include "app/MainDlg.h"

void CMainDlg::AddMonitor() {}

void CMainDlg::EditMonitor(int) {}

void CMainDlg::OnCustomize() {}

void CMainDlg::OnSendNetMessage(int) {}
