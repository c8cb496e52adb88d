#include "app/MainDlg.h"

// Expects the file paths and folders to be set and no record to exist (after a restore
// or a reset the records are destroyed first). Starts no thread.
void CMainDlg::LoadConfig() {
    m_iniMain.SetPath(m_strMainIniPath);
    MainSettings s;
    auto records = LoadMainConfig(m_iniMain, ConfigFolders{m_strPicturesFolder, m_strLogsFolder}, s);

    XBox = s.XBox;
    YBox = s.YBox;
    NumBox = s.NumBox;
    PosX = s.PosX;
    PosY = s.PosY;
    WinPos = s.WinPos;
    WinBeh = s.WinBeh;
    DCOBEFE = s.DCOBEFE;
    DCOBEFPath = s.DCOBEFPath;
    DCOBEFParameters = s.DCOBEFParameters;
    HideTaskBarButton = s.HideTaskBarButton;
    ShowReplyTime = s.ShowReplyTime;
    ShowIPAddress = s.ShowIPAddress;
    ShowMethod = s.ShowMethod;
    ShowStatus = s.ShowStatus;
    Volume = s.Volume;
    PublishThreadSettings(s);

    for (int i = 0; i < NumBox; ++i) m_apRecords[i] = std::move(records[static_cast<size_t>(i)]);
    // Pictures only once every record exists.
    for (int i = 0; i < NumBox; ++i) LoadBoxPictures(i);
}
