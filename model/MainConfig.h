#pragma once
// Loading of an instance's main configuration file: the window and global settings of
// section "main" and one monitor record per "Box %d" section. Reading never writes
// back a clamped or corrected value; the only writes are "App" (when the file's
// identity differs) and the first-start placement.
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

#include "model/IniFile.h"
#include "model/MonitorRecord.h"

constexpr int kMaxMonitors = 70;   // NumBox is at most this
extern const wchar_t kMainSection[];   // "main"
extern const wchar_t kAppIdentity[];   // the value of "App" that marks our own file

// The keys of section "main" with their defaults (the values a missing key reads as).
struct MainSettings {
    int XBox = 110;
    int YBox = 90;
    int NumBox = 1;
    int PosX = 300;
    int PosY = 300;
    int WinPos = 1;
    int WinBeh = 1;
    DWORD TimeOut = 3000;
    int DCOBEFE = 0;
    std::wstring DCOBEFPath;
    std::wstring DCOBEFParameters;
    int CustomSoundError = 0;
    std::wstring CustomSoundPathError;
    int HideTaskBarButton = 1;
    int EnableLog = 1;
    int ShowReplyTime = 1;
    BYTE ShowIPAddress = 1;
    BYTE ShowMethod = 1;
    BYTE ShowStatus = 1;
    int TextSpeechSoundError = 0;
    std::wstring TextSpeechTextError = L"%name is Error";
    int LogEveryCheck = 0;
    UINT Volume = 65535;
    int LogFileType = 0;
    std::wstring LogDir;  // never empty after loading: the default logs folder stands in
};

struct ConfigFolders {
    std::wstring pictures;  // picture paths are this folder followed by the file name
    std::wstring logs;      // LogDir when the file names none
};

// Reads section "main" (clamps applied, nothing corrected written back). Writes "App"
// when it is not exactly kAppIdentity and, when "FirstStart" is non-zero, places the
// window at the middle of the primary work area: writes PosX, PosY and FirstStart = 0.
void ReadMainSettings(CIniFile& ini, const std::wstring& logsFolder, MainSettings& settings);

// Reads section "Box <index>" into the record, sets its picture paths and splits a URL
// monitor's address into m_strUrlHost and m_nUrlPort. Reads only.
void ReadMonitorSection(CIniFile& ini, UINT index, const std::wstring& picturesFolder, CMonitorRecord& record);

// The whole file: the settings and settings.NumBox records (no owner, index equal to
// the position, no thread, no pictures loaded).
std::vector<std::unique_ptr<CMonitorRecord>> LoadMainConfig(CIniFile& ini, const ConfigFolders& folders,
                                                             MainSettings& settings);

// Hands the settings that the monitoring threads read to them: g_dwTimeOut,
// g_nLogFileType and CSharedSettings.
void PublishThreadSettings(const MainSettings& settings);
