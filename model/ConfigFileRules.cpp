#include "model/ConfigFileRules.h"

#include <windows.h>

#include "framework/StringUtil.h"
#include "model/MainConfig.h"
#include "model/SettingKeys.h"

RestoredFileKind ClassifyRestoredFile(const std::wstring& app) {
    if (app == kAppIdentity || app == L"Bramblecast ID1") return RestoredFileKind::Current;
    if (app == L"Bramblecast") return RestoredFileKind::OldFormat;
    return RestoredFileKind::NotValid;
}

int OldFormatSectionCount(int numBox) {
    if (numBox <= 0) return 0;
    return numBox < kMaxMonitors ? numBox : kMaxMonitors;
}

void ConvertOldFormatKeys(CIniFile& ini) {
    // A missing old key converts to what the new key reads as when missing.
    const MonitorSettings missing = DefaultMonitorSettings();
    const int count = OldFormatSectionCount(ini.ReadInt(kMainSection, L"NumBox", MainSettings().NumBox));
    for (int i = 0; i < count; ++i) {
        const std::wstring section = MonitorSectionName(static_cast<UINT>(i));
        ini.WriteString(section, L"Name", ini.ReadString(section, L"Text", missing.Name));
        ini.WriteULong(section, L"CheckMethod", ini.ReadULong(section, L"VerifyMetod", missing.CheckMethod));
        ini.WriteString(section, L"IPorURLAddress", ini.ReadString(section, L"IPAdress", missing.IPorURLAddress));
    }
}

void EditBackupCopy(const std::wstring& path) {
    WritePrivateProfileStringW(kMainSection, L"LogDir", nullptr, path.c_str());
    WritePrivateProfileStringW(kMainSection, L"FirstStart", L"1", path.c_str());
}
