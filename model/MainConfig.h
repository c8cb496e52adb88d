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
#include "model/MainSettings.h"
#include "model/MonitorRecord.h"

extern const wchar_t kMainSection[];   // "main"
extern const wchar_t kAppIdentity[];   // the value of "App" that marks our own file

struct ConfigFolders {
    std::wstring pictures;  // picture paths are this folder followed by the file name
    std::wstring logs;      // LogDir when the file names none
};

// An empty LogDir stands for the instance's logs folder: an empty folder would put the
// logs in whatever the current folder happens to be.
void UseLogsFolderWhenEmpty(MainSettings& settings, const std::wstring& logsFolder);

// Reads section "main" (clamps applied, nothing corrected written back). Writes "App"
// when it is not exactly kAppIdentity and, when "FirstStart" is non-zero, places the
// window at the middle of the primary work area: writes PosX, PosY and FirstStart = 0.
void ReadMainSettings(CIniFile& ini, const std::wstring& logsFolder, MainSettings& settings);

// Reads section "Box <index>" into the record, sets its picture paths and splits a URL
// monitor's address into m_strUrlHost and m_nUrlPort. Reads only.
void ReadMonitorSection(CIniFile& ini, UINT index, const std::wstring& picturesFolder, CMonitorRecord& record);

// Writes the whole section "Box <index>": the 42 keys in the saving order, each in its form.
void WriteMonitorSection(CIniFile& ini, UINT index, const MonitorSettings& settings);

// "Box <index>".
std::wstring MonitorSectionName(UINT index);

// The whole file: the settings and settings.NumBox records (no owner, index equal to
// the position, no thread, no pictures loaded).
std::vector<std::unique_ptr<CMonitorRecord>> LoadMainConfig(CIniFile& ini, const ConfigFolders& folders,
                                                             MainSettings& settings);

// Hands the settings that the monitoring threads read to them: g_dwTimeOut,
// g_nLogFileType and CSharedSettings.
void PublishThreadSettings(const MainSettings& settings);
