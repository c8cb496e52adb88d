#pragma once
// A short-lived thread that makes one sound: a spoken text, a custom sound file, or a
// built-in WAVE resource chosen by a monitor status.
#include <string>
#include <windows.h>

#include "engine/SoundRequest.h"
#include "framework/Thread.h"

// What a sound thread does with its request.
struct SoundPlan {
    enum Kind { Nothing, Speak, BuiltIn, File };
    Kind kind = Nothing;
    std::wstring what;  // the text to speak, the resource name or the file
};

// Speech wins; then the built-in sound of the status (custom switch 0) or the custom
// file (custom switch exactly 1); any other custom switch makes no sound.
SoundPlan PlanSound(const SoundRequest& request);

// "IDW_UP" (2), "IDW_DOWN" (1, 7), "IDW_COMPERROR" (4, 5), "IDW_VOLTEST" (100), or
// null for a status without a built-in sound.
const wchar_t* BuiltInSoundName(int status);

// Plays the named WAVE resource of the program asynchronously from memory. TRUE when
// the sound was started; FALSE when the resource is missing or cannot be played.
BOOL PlayWaveResource(const wchar_t* name);

class CSoundThread : public fw::CWinThread {
public:
    int m_nStatus = MON_UP;
    std::wstring m_strWavFile;
    BOOL m_bCustomWav = FALSE;
    BOOL m_bSpeak = FALSE;
    std::wstring m_strSpeech;
    std::wstring m_strName;

    void InitInstance() override;
};

// Starts one sound thread for the request; the thread deletes itself when done.
// False when no thread could be created.
bool StartSound(const SoundRequest& request);

// Lets tests see every sound thread's plan (on the sound thread, before the sound is
// made); null to stop. The sound itself is made all the same.
using SoundObserver = void (*)(const SoundPlan& plan);
void SetSoundObserver(SoundObserver observer);
