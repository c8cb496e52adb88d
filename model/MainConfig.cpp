#include "model/MainConfig.h"

#include "framework/StringUtil.h"
#include "model/FileNameRules.h"
#include "model/GlobalSettings.h"
#include "model/MonitorTypes.h"
#include "model/SettingKeys.h"
#include "model/SharedSettings.h"
#include "model/UrlParser.h"

const wchar_t kMainSection[] = L"main";
const wchar_t kAppIdentity[] = L"Orvalen ID1";

namespace {

int HalfRoundedDown(LONG value) { return static_cast<int>(value >= 0 ? value / 2 : -((1 - value) / 2)); }

// The window's top-left corner starts at the middle of the primary work area.
void PlaceAtFirstStart(CIniFile& ini, MainSettings& s) {
    RECT workArea = {};
    if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0)) {
        s.PosX = HalfRoundedDown(workArea.right);
        s.PosY = HalfRoundedDown(workArea.bottom);
    }
    ini.WriteInt(kMainSection, L"PosX", s.PosX);
    ini.WriteInt(kMainSection, L"PosY", s.PosY);
    ini.WriteInt(kMainSection, L"FirstStart", 0);
}

}  // namespace

void UseLogsFolderWhenEmpty(MainSettings& s, const std::wstring& logsFolder) {
    if (s.LogDir.empty()) s.LogDir = logsFolder;
}

void ReadMainSettings(CIniFile& ini, const std::wstring& logsFolder, MainSettings& s) {
    const wchar_t* main = kMainSection;
    if (ini.ReadString(main, L"App", L"") != kAppIdentity) ini.WriteString(main, L"App", kAppIdentity);
    int firstStart = ini.ReadInt(main, L"FirstStart", 1);
    ReadSettingKeys(ini, main, MainKeys(), s);
    UseLogsFolderWhenEmpty(s, logsFolder);
    if (firstStart != 0) PlaceAtFirstStart(ini, s);
}

std::wstring MonitorSectionName(UINT index) { return fw::Format(L"Box %d", static_cast<int>(index)); }

void ReadMonitorSection(CIniFile& ini, UINT index, const std::wstring& picturesFolder, CMonitorRecord& r) {
    ReadSettingKeys(ini, MonitorSectionName(index), MonitorKeys(), r.Settings());
    // A name edited by hand may point anywhere; only the Pictures folder is read, as the
    // monitor dialog would (the stored name is kept as it is until the dialog saves it).
    r.m_strPicPathUp = picturesFolder + PictureFileName(r.PicFileUp);
    r.m_strPicPathDown = picturesFolder + PictureFileName(r.PicFileDown);

    r.m_strUrlHost.clear();
    r.m_nUrlPort = 80;
    if (r.CheckMethod == METHOD_URL) {
        UINT port = 80;
        SplitUrlAddress(r.IPorURLAddress, r.IPv, r.m_strUrlHost, port);
        r.m_nUrlPort = port & 0xFFFF;
    }
}

void WriteMonitorSection(CIniFile& ini, UINT index, const MonitorSettings& settings) {
    WriteSettingKeys(ini, MonitorSectionName(index), MonitorKeys(), settings);
}

std::vector<std::unique_ptr<CMonitorRecord>> LoadMainConfig(CIniFile& ini, const ConfigFolders& folders,
                                                             MainSettings& settings) {
    ReadMainSettings(ini, folders.logs, settings);
    std::vector<std::unique_ptr<CMonitorRecord>> records;
    records.reserve(static_cast<size_t>(settings.NumBox));
    for (int i = 0; i < settings.NumBox; ++i) {
        auto record = std::make_unique<CMonitorRecord>(nullptr, static_cast<UINT>(i));
        ReadMonitorSection(ini, static_cast<UINT>(i), folders.pictures, *record);
        records.push_back(std::move(record));
    }
    return records;
}

void PublishThreadSettings(const MainSettings& s) {
    g_dwTimeOut = s.TimeOut;
    g_nLogFileType = s.LogFileType;
    CSharedSettings& shared = CSharedSettings::Get();
    shared.EnableLog = s.EnableLog;
    shared.LogEveryCheck = s.LogEveryCheck;
    shared.CustomSoundError = s.CustomSoundError;
    shared.TextSpeechSoundError = s.TextSpeechSoundError;
    shared.SetLogDir(s.LogDir);
    shared.SetCustomSoundPathError(s.CustomSoundPathError);
    shared.SetTextSpeechTextError(s.TextSpeechTextError);
}
