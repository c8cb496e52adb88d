// The box menu's other dialogs. Until they exist these commands do nothing.
#include "app/MainDlg.h"

void CMainDlg::OnCustomize() {}

void CMainDlg::OnSendNetMessage(int) {}
