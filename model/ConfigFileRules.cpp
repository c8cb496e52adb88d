#include "model/ConfigFileRules.h"

#include <windows.h>

#include "framework/StringUtil.h"
#include "model/MainConfig.h"

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
    const int count = OldFormatSectionCount(ini.ReadInt(kMainSection, L"NumBox", 1));
    for (int i = 0; i < count; ++i) {
        const std::wstring section = fw::Format(L"Box %d", i);
        ini.WriteString(section, L"Name", ini.ReadString(section, L"Text", L"LOCAL"));
        ini.WriteULong(section, L"CheckMethod", ini.ReadULong(section, L"VerifyMetod", 1));
        ini.WriteString(section, L"IPorURLAddress", ini.ReadString(section, L"IPAdress", L"127.0.0.1"));
    }
}

void EditBackupCopy(const std::wstring& path) {
    WritePrivateProfileStringW(kMainSection, L"LogDir", nullptr, path.c_str());
    WritePrivateProfileStringW(kMainSection, L"FirstStart", L"1", path.c_str());
}
