#pragma once
// The settings of section "main" that loading reads (every key but "App", "FirstStart"
// and the net-message command), with the values a missing key reads as. The main window
// holds them; the options dialog exchanges the option keys among them. The keys, forms,
// defaults and limits are described in model/SettingKeys.h.
#include <string>
#include <windows.h>

constexpr int kMaxMonitors = 70;  // NumBox is at most this

// The window's z-order mode, as "WinBeh" holds it. A file may hold another value: then
// no mode is applied or marked.
enum ZOrderMode : int {
    ZORDER_ALWAYS_TOP = 0,
    ZORDER_NORMAL = 1,
    ZORDER_ALWAYS_BOTTOM = 2,
};

struct MainSettings {
    int XBox = 110;
    int YBox = 90;
    int NumBox = 1;
    int PosX = 300;
    int PosY = 300;
    int WinPos = 1;
    int WinBeh = ZORDER_NORMAL;  // a ZOrderMode
    DWORD TimeOut = 3000;
    int DCOBEFE = 0;  // on: a double-click on a box runs DCOBEFPath with DCOBEFParameters
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

    MainSettings& Settings() { return *this; }
    const MainSettings& Settings() const { return *this; }
};
