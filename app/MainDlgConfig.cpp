#include "app/MainDlg.h"

// Interim loading: one default monitor until the configuration file is read.
void CMainDlg::LoadConfig() {
    NumBox = 1;
    auto* record = new CMonitorRecord(nullptr, 0);
    record->Name = L"LOCAL";
    record->IPorURLAddress = L"127.0.0.1";
    record->CheckMethod = 1;
    record->CheckInterval = 3;
    m_apRecords[0] = record;
}
