#pragma once
// The settings of section "main" that loading reads (every key but "App", "FirstStart"
// and the net-message command), starting as a missing key reads. The main window
// holds them; the options dialog exchanges the option keys among them. The keys, forms,
// defaults and limits are described in model/SettingKeys.h.
#include <string>
#include <windows.h>

constexpr int kMaxMonitors = 70;  // NumBox is at most this

// The box size in pixels that "XBox" and "YBox" are kept to: when read, and in the
// Options dialog. Every box is drawn off-screen in a bitmap of the largest size.
constexpr int kMinBoxWidth = 60, kMaxBoxWidth = 200;
constexpr int kMinBoxHeight = 60, kMaxBoxHeight = 150;

// The window's z-order mode, as "WinBeh" holds it. A file may hold another value: then
// no mode is applied or marked.
enum ZOrderMode : int {
    ZORDER_ALWAYS_TOP = 0,
    ZORDER_NORMAL = 1,
    ZORDER_ALWAYS_BOTTOM = 2,
};

struct MainSettings {
    int XBox;
    int YBox;
    int NumBox;
    int PosX;
    int PosY;
    int WinPos;
    int WinBeh;  // a ZOrderMode
    DWORD TimeOut;
    int DCOBEFE;  // on: a double-click on a box runs DCOBEFPath with DCOBEFParameters
    std::wstring DCOBEFPath;
    std::wstring DCOBEFParameters;
    int CustomSoundError;
    std::wstring CustomSoundPathError;
    int HideTaskBarButton;
    int EnableLog;
    int ShowReplyTime;
    BYTE ShowIPAddress;
    BYTE ShowMethod;
    BYTE ShowStatus;
    int TextSpeechSoundError;
    std::wstring TextSpeechTextError;
    int LogEveryCheck;
    UINT Volume;
    int LogFileType;
    std::wstring LogDir;  // never empty after loading: the default logs folder stands in

    // Every field as a missing key reads (the key table's defaults).
    MainSettings();

    MainSettings& Settings() { return *this; }
    const MainSettings& Settings() const { return *this; }
};
