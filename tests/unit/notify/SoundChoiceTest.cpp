// Which sound a notification makes: the slot of a status and method, the record's custom
// files and spoken texts, the process-wide error sounds, and the plan a sound thread runs.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include "engine/NotificationRules.h"
#include "engine/SoundThread.h"
#include "model/MonitorRecord.h"

TEST(ChooseSound, SlotsCustomFilesSpeechAndErrorSounds) {
    struct Case {
        int status;
        UINT method;
        int slot;  // -1: no slot of its own
    };
    const Case cases[] = {
        {MON_UP, METHOD_PING, 0},     {MON_DOWN, METHOD_URL, 1},   {MON_UP, METHOD_TCP, 2},
        {MON_CLOSED, METHOD_TCP, 3},  {MON_DOWN, METHOD_TCP, 4},   {MON_CLOSED, METHOD_URL, 5},
        {MON_CLOSED, METHOD_PING, -1}, {MON_UP, 0, -1},             {MON_CHECKING, METHOD_TCP, -1},
    };
    const wchar_t* files[] = {L"up.wav", L"down.wav", L"open.wav", L"close.wav", L"tcpdown.wav", L"snf.wav"};
    for (const Case& c : cases) {
        EXPECT_EQ(SoundSlot(c.status, c.method), c.slot) << c.status << "/" << c.method;
        CMonitorRecord r;
        r.Name = L"Router";
        r.m_nStatus = c.status;
        r.CheckMethod = c.method;
        r.CustSoundPathUp = files[0];
        r.CustSoundPathDown = files[1];
        r.CustSoundPathOpen = files[2];
        r.CustSoundPathClose = files[3];
        r.CustSoundTcpPathDown = files[4];
        r.CustSoundPathSnF = files[5];
        r.TextSpeechStringTDown = L"%name is TCP Down";
        // Every bit but the slot's own: the built-in sound.
        const UINT own = c.slot < 0 ? 0 : 1u << c.slot;
        r.CustomSoundCheck = r.TextSpeechCheck = 0x3F & ~own;
        SoundRequest q = ChooseSound(r, ErrorSoundSettings{});
        EXPECT_TRUE(q.nStatus == c.status && !q.bCustomWav && !q.bSpeak) << c.slot;
        if (c.slot < 0) continue;
        // The slot's custom file wins over its speech.
        r.CustomSoundCheck = r.TextSpeechCheck = 0x3F;
        q = ChooseSound(r, ErrorSoundSettings{});
        EXPECT_TRUE(q.bCustomWav == TRUE && q.strWavFile == files[c.slot] && !q.bSpeak) << c.slot;
        if (c.slot != 4) continue;
        r.CustomSoundCheck = 0;
        q = ChooseSound(r, ErrorSoundSettings{});
        EXPECT_TRUE(!q.bCustomWav && q.bSpeak && q.strSpeech == L"%name is TCP Down" && q.strName == L"Router");
    }
    // Errors take the process-wide settings as they are.
    for (int status : {MON_ERROR, MON_ADDR_ERROR}) {
        CMonitorRecord r;
        r.m_nStatus = status;
        r.CustomSoundCheck = 0x3F;
        const SoundRequest q = ChooseSound(r, ErrorSoundSettings{2, L"err.wav", 1, L"%name failed"});
        EXPECT_TRUE(q.nStatus == status && q.strWavFile == L"err.wav" && q.bCustomWav == 2 && q.bSpeak == 1 &&
                    q.strSpeech == L"%name failed")
            << status;
    }
}

TEST(PlanSound, SpeechThenBuiltInThenCustomFile) {
    struct Case {
        const char* label;
        SoundRequest request;
        SoundPlan::Kind kind;
        const wchar_t* what;
    };
    const Case cases[] = {
        {"speech wins over custom", {MON_DOWN, L"x.wav", 1, TRUE, L"%name is Down", L"Router"}, SoundPlan::Speak,
         L"Router is Down"},
        {"speech expands name and text only", {MON_UP, L"", 0, 5, L"%text: %name %status", L"My Box"},
         SoundPlan::Speak, L"My Box: My Box %status"},
        {"closed sounds as down", {MON_CLOSED, L"", 0, FALSE, L"", L""}, SoundPlan::BuiltIn, L"IDW_DOWN"},
        {"address error", {MON_ADDR_ERROR, L"", 0, FALSE, L"", L""}, SoundPlan::BuiltIn, L"IDW_COMPERROR"},
        {"checking has none", {MON_CHECKING, L"", 0, FALSE, L"", L""}, SoundPlan::Nothing, L""},
        {"custom file", {MON_UP, L"c:\\a.wav", 1, FALSE, L"", L""}, SoundPlan::File, L"c:\\a.wav"},
        {"custom switch 2 plays nothing", {MON_UP, L"c:\\a.wav", 2, FALSE, L"", L""}, SoundPlan::Nothing, L""},
    };
    for (const Case& c : cases) {
        const SoundPlan plan = PlanSound(c.request);
        EXPECT_EQ(plan.kind, c.kind) << c.label;
        EXPECT_EQ(plan.what, c.what) << c.label;
    }
    // Every built-in sound is in the program, and a missing one is no success.
    for (int status : {MON_UP, MON_DOWN, MON_ERROR, MON_VOLUME_TEST})
        EXPECT_TRUE(PlayWaveResource(BuiltInSoundName(status))) << status;
    EXPECT_FALSE(PlayWaveResource(L"IDW_NO_SUCH_SOUND"));
    PlaySoundW(nullptr, nullptr, 0);
}
