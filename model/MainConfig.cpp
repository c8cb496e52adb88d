#include "model/MainConfig.h"

#include "framework/StringUtil.h"
#include "model/GlobalSettings.h"
#include "model/MonitorTypes.h"
#include "model/SharedSettings.h"
#include "model/UrlParser.h"

const wchar_t kMainSection[] = L"main";
const wchar_t kAppIdentity[] = L"Orvalen ID1";

namespace {

int Clamp(int value, int low, int high) { return value < low ? low : (value > high ? high : value); }

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

void ReadMainSettings(CIniFile& ini, const std::wstring& logsFolder, MainSettings& s) {
    const wchar_t* main = kMainSection;
    if (ini.ReadString(main, L"App", L"") != kAppIdentity) ini.WriteString(main, L"App", kAppIdentity);
    int firstStart = ini.ReadInt(main, L"FirstStart", 1);

    s.XBox = Clamp(ini.ReadInt(main, L"XBox", 110), 60, 200);
    s.YBox = Clamp(ini.ReadInt(main, L"YBox", 90), 60, 150);
    s.NumBox = Clamp(ini.ReadInt(main, L"NumBox", 1), 1, kMaxMonitors);
    s.PosX = ini.ReadInt(main, L"PosX", 300);
    s.PosY = ini.ReadInt(main, L"PosY", 300);
    s.WinPos = ini.ReadInt(main, L"WinPos", 1);
    s.WinBeh = ini.ReadInt(main, L"WinBeh", 1);
    s.TimeOut = ini.ReadULong(main, L"TimeOut", 3000);
    s.DCOBEFE = ini.ReadInt(main, L"DCOBEFE", 0);
    s.DCOBEFPath = ini.ReadString(main, L"DCOBEFPath", L"");
    s.DCOBEFParameters = ini.ReadString(main, L"DCOBEFParameters", L"");
    s.CustomSoundError = ini.ReadInt(main, L"CustomSoundError", 0);
    s.CustomSoundPathError = ini.ReadString(main, L"CustomSoundPathError", L"");
    s.HideTaskBarButton = ini.ReadInt(main, L"HideTaskBarButton", 1);
    s.EnableLog = ini.ReadInt(main, L"EnableLog", 1);
    s.ShowReplyTime = ini.ReadInt(main, L"ShowReplyTime", 1);
    s.ShowIPAddress = static_cast<BYTE>(ini.ReadInt(main, L"ShowIPAddress", 1));
    s.ShowMethod = static_cast<BYTE>(ini.ReadInt(main, L"ShowMethod", 1));
    s.ShowStatus = static_cast<BYTE>(ini.ReadInt(main, L"ShowStatus", 1));
    s.TextSpeechSoundError = ini.ReadInt(main, L"TextSpeechSoundError", 0);
    s.TextSpeechTextError = ini.ReadString(main, L"TextSpeechTextError", L"%name is Error");
    s.LogEveryCheck = ini.ReadInt(main, L"LogEveryCheck", 0);
    s.Volume = ini.ReadULong(main, L"Volume", 65535);
    s.LogFileType = ini.ReadInt(main, L"LogFileType", 0);
    // An empty folder would put the logs in whatever the current folder happens to be.
    s.LogDir = ini.ReadString(main, L"LogDir", logsFolder);
    if (s.LogDir.empty()) s.LogDir = logsFolder;

    if (firstStart != 0) PlaceAtFirstStart(ini, s);
}

void ReadMonitorSection(CIniFile& ini, UINT index, const std::wstring& picturesFolder, CMonitorRecord& r) {
    const std::wstring box = fw::Format(L"Box %d", static_cast<int>(index));
    r.Name = ini.ReadString(box, L"Name", L"LOCAL");
    r.PicTypeUp = static_cast<int>(ini.ReadULong(box, L"PicTypeUp", 1));
    r.PicTypeDown = static_cast<int>(ini.ReadULong(box, L"PicTypeDown", 1));
    r.PicFileUp = ini.ReadString(box, L"PicFileUp", L"1274607096_Desktop.ico");
    r.m_strPicPathUp = picturesFolder + r.PicFileUp;
    r.PicFileDown = ini.ReadString(box, L"PicFileDown", L"1274607096_Desktop_bw.ico");
    r.m_strPicPathDown = picturesFolder + r.PicFileDown;
    r.BoxColorUp = ini.ReadULong(box, L"BoxColorUp", 0xFED1C5);
    r.BoxColorDown = ini.ReadULong(box, L"BoxColorDown", 0x797979);
    r.TextColorUp = ini.ReadULong(box, L"TextColorUp", 0);
    r.TextColorDown = ini.ReadULong(box, L"TextColorDown", 0xFFFFFF);
    r.IPorURLAddress = ini.ReadString(box, L"IPorURLAddress", L"127.0.0.1");
    r.IPv = ini.ReadULong(box, L"IPv", IPVER_4);
    r.Port = ini.ReadULong(box, L"Port", 80);
    r.CheckMethod = ini.ReadULong(box, L"CheckMethod", METHOD_PING);
    r.Sound = static_cast<BYTE>(ini.ReadInt(box, L"Sound", 0));
    r.Logging = static_cast<UINT>(ini.ReadInt(box, L"Logging", 0));
    r.MsgBox = static_cast<UINT>(ini.ReadInt(box, L"MsgBox", 0));
    r.CustSoundPathUp = ini.ReadString(box, L"CustSoundPathUp", L"");
    r.CustSoundPathDown = ini.ReadString(box, L"CustSoundPathDown", L"");
    r.CustSoundPathOpen = ini.ReadString(box, L"CustSoundPathOpen", L"");
    r.CustSoundPathClose = ini.ReadString(box, L"CustSoundPathClose", L"");
    r.CustSoundTcpPathDown = ini.ReadString(box, L"CustSoundTcpPathDown", L"");
    r.CustSoundPathSnF = ini.ReadString(box, L"CustSoundPathSnF", L"");
    r.CustomSoundCheck = static_cast<UINT>(ini.ReadInt(box, L"CustomSoundCheck", 0));
    r.TextSpeechStringUp = ini.ReadString(box, L"TextSpeechStringUp", L"%name is Up");
    r.TextSpeechStringDown = ini.ReadString(box, L"TextSpeechStringDown", L"%name is Down");
    r.TextSpeechStringOpen = ini.ReadString(box, L"TextSpeechStringOpen", L"%name is Open");
    r.TextSpeechStringClose = ini.ReadString(box, L"TextSpeechStringClose", L"%name is Closed");
    r.TextSpeechStringTDown = ini.ReadString(box, L"TextSpeechStringTDown", L"%name is Down");
    r.TextSpeechStringSnF = ini.ReadString(box, L"TextSpeechStringSnF", L"%name is SnF");
    r.TextSpeechCheck = static_cast<UINT>(ini.ReadInt(box, L"TextSpeechCheck", 0));
    r.ExecFilePath = ini.ReadString(box, L"ExecFilePath", L"");
    r.ExecFileParam = ini.ReadString(box, L"ExecFileParam", L"");
    r.ExecFileStatusCheck = ini.ReadULong(box, L"ExecFileStatusCheck", 0);
    r.ExecFileCheck = ini.ReadULong(box, L"ExecFileCheck", 0);
    r.nMSGB = ini.ReadULong(box, L"nMSGB", 0);
    r.nPS = ini.ReadULong(box, L"nPS", 0);
    r.nEF = ini.ReadULong(box, L"nEF", 0);
    r.MsgBoxDesc = ini.ReadString(box, L"MsgBoxDesc", L"%name is %status");
    r.Phrase = ini.ReadString(box, L"Phrase", L"String Here");
    r.CheckInterval = ini.ReadULong(box, L"CheckInterval", 3);
    if (r.CheckInterval == 0) r.CheckInterval = 1;
    r.Disabled = ini.ReadULong(box, L"Disabled", 0);
    r.NetUserName = ini.ReadString(box, L"NetUserName", L"console");

    r.m_strUrlHost.clear();
    r.m_nUrlPort = 80;
    if (r.CheckMethod == METHOD_URL) {
        UINT port = 80;
        SplitUrlAddress(r.IPorURLAddress, r.IPv, r.m_strUrlHost, port);
        r.m_nUrlPort = port & 0xFFFF;
    }
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
