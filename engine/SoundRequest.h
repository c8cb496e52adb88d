#pragma once
// What one sound notification asks the sound thread to do.
#include <string>
#include <windows.h>

#include "model/MonitorTypes.h"

struct SoundRequest {
    int nStatus = MON_UP;       // selects the built-in sound
    std::wstring strWavFile;    // custom sound file
    BOOL bCustomWav = FALSE;    // play the custom file (exactly 1)
    BOOL bSpeak = FALSE;        // speak instead of playing
    std::wstring strSpeech;     // the text to speak ("%name", "%text")
    std::wstring strName;       // the monitor's name
};
