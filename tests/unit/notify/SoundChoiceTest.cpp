#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <mutex>
#include <vector>

#include <windows.h>
#include <mmsystem.h>

#include "engine/NotificationRules.h"
#include "engine/SoundThread.h"
#include "model/MonitorRecord.h"

namespace {

struct SlotCase {
    int status;
    UINT method;
    int slot;
};

TEST(SoundSlot, ByStatusAndMethod) {
    const SlotCase cases[] = {
        {MON_UP, METHOD_PING, 0},   {MON_UP, METHOD_URL, 0},       {MON_DOWN, METHOD_PING, 1},
        {MON_DOWN, METHOD_URL, 1},  {MON_UP, METHOD_TCP, 2},       {MON_CLOSED, METHOD_TCP, 3},
        {MON_DOWN, METHOD_TCP, 4},  {MON_CLOSED, METHOD_URL, 5},   {MON_CLOSED, METHOD_PING, -1},
        {MON_UP, 0, -1},            {MON_ERROR, METHOD_PING, -1},  {MON_ADDR_ERROR, METHOD_URL, -1},
        {MON_CHECKING, METHOD_TCP, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(SoundSlot(c.status, c.method), c.slot) << c.status << "/" << c.method;
}

std::unique_ptr<CMonitorRecord> SoundRecord(int status, UINT method) {
    auto record = std::make_unique<CMonitorRecord>();
    CMonitorRecord& r = *record;
    r.Name = L"Router";
    r.m_nStatus = status;
    r.CheckMethod = method;
    r.CustSoundPathUp = L"up.wav";
    r.CustSoundPathDown = L"down.wav";
    r.CustSoundPathOpen = L"open.wav";
    r.CustSoundPathClose = L"close.wav";
    r.CustSoundTcpPathDown = L"tcpdown.wav";
    r.CustSoundPathSnF = L"snf.wav";
    r.TextSpeechStringUp = L"%name is Up";
    r.TextSpeechStringDown = L"%name is Down";
    r.TextSpeechStringOpen = L"%name is Open";
    r.TextSpeechStringClose = L"%name is Closed";
    r.TextSpeechStringTDown = L"%name is TCP Down";
    r.TextSpeechStringSnF = L"%name is SnF";
    return record;
}

TEST(ChooseSound, CustomFileWinsOverSpeechInItsSlot) {
    const wchar_t* files[] = {L"up.wav", L"down.wav", L"open.wav", L"close.wav", L"tcpdown.wav", L"snf.wav"};
    const SlotCase slots[] = {{MON_UP, METHOD_PING, 0},  {MON_DOWN, METHOD_URL, 1},   {MON_UP, METHOD_TCP, 2},
                              {MON_CLOSED, METHOD_TCP, 3}, {MON_DOWN, METHOD_TCP, 4}, {MON_CLOSED, METHOD_URL, 5}};
    for (const auto& s : slots) {
        auto rOwner = SoundRecord(s.status, s.method);
        CMonitorRecord& r = *rOwner;
        r.CustomSoundCheck = 1u << s.slot;
        r.TextSpeechCheck = 0x3F;
        SoundRequest q = ChooseSound(r, ErrorSoundSettings{});
        EXPECT_EQ(q.nStatus, s.status);
        EXPECT_EQ(q.bCustomWav, TRUE) << s.slot;
        EXPECT_EQ(q.strWavFile, files[s.slot]);
        EXPECT_FALSE(q.bSpeak);
    }
}

TEST(ChooseSound, SpeechWhenOnlyItsSlotBitIsSet) {
    auto rOwner = SoundRecord(MON_DOWN, METHOD_TCP);
        CMonitorRecord& r = *rOwner;
    r.CustomSoundCheck = 0x3F & ~0x10;  // every custom slot but TCP Down
    r.TextSpeechCheck = 0x10;
    SoundRequest q = ChooseSound(r, ErrorSoundSettings{});
    EXPECT_FALSE(q.bCustomWav);
    EXPECT_TRUE(q.bSpeak);
    EXPECT_EQ(q.strSpeech, L"%name is TCP Down");
    EXPECT_EQ(q.strName, L"Router");
}

TEST(ChooseSound, BuiltInWhenNoSlotBitOrNoSlot) {
    auto rOwner = SoundRecord(MON_UP, METHOD_PING);
        CMonitorRecord& r = *rOwner;
    r.CustomSoundCheck = 0x3E;
    r.TextSpeechCheck = 0x3E;
    SoundRequest q = ChooseSound(r, ErrorSoundSettings{});
    EXPECT_EQ(q.nStatus, MON_UP);
    EXPECT_FALSE(q.bCustomWav);
    EXPECT_FALSE(q.bSpeak);
    EXPECT_TRUE(q.strWavFile.empty());

    auto closedPingOwner = SoundRecord(MON_CLOSED, METHOD_PING);
        CMonitorRecord& closedPing = *closedPingOwner;
    closedPing.CustomSoundCheck = 0x3F;
    closedPing.TextSpeechCheck = 0x3F;
    q = ChooseSound(closedPing, ErrorSoundSettings{});
    EXPECT_EQ(q.nStatus, MON_CLOSED);
    EXPECT_FALSE(q.bCustomWav);
    EXPECT_FALSE(q.bSpeak);
}

TEST(ChooseSound, ErrorsTakeProcessWideSettingsAsTheyAre) {
    ErrorSoundSettings errors{2, L"err.wav", 1, L"%name failed"};
    for (int status : std::initializer_list<int>{MON_ERROR, MON_ADDR_ERROR}) {
        auto rOwner = SoundRecord(status, METHOD_URL);
        CMonitorRecord& r = *rOwner;
        r.CustomSoundCheck = 0x3F;
        SoundRequest q = ChooseSound(r, errors);
        EXPECT_EQ(q.nStatus, status);
        EXPECT_EQ(q.strWavFile, L"err.wav");
        EXPECT_EQ(q.bCustomWav, 2);
        EXPECT_EQ(q.bSpeak, 1);
        EXPECT_EQ(q.strSpeech, L"%name failed");
        EXPECT_EQ(q.strName, L"Router");
    }
}

struct PlanCase {
    const char* label;
    SoundRequest request;
    SoundPlan::Kind kind;
    const wchar_t* what;
};

TEST(PlanSound, SpeechThenBuiltInThenCustomFile) {
    const PlanCase cases[] = {
        {"speech wins over custom", {MON_DOWN, L"x.wav", 1, TRUE, L"%name is Down", L"Router"}, SoundPlan::Speak,
         L"Router is Down"},
        {"speech expands name and text as they are",
         {MON_UP, L"", 0, 5, L"%text: %name %status", L"My Box"}, SoundPlan::Speak, L"My Box: My Box %status"},
        {"up", {MON_UP, L"", 0, FALSE, L"", L""}, SoundPlan::BuiltIn, L"IDW_UP"},
        {"down", {MON_DOWN, L"", 0, FALSE, L"", L""}, SoundPlan::BuiltIn, L"IDW_DOWN"},
        {"closed sounds as down", {MON_CLOSED, L"", 0, FALSE, L"", L""}, SoundPlan::BuiltIn, L"IDW_DOWN"},
        {"error", {MON_ERROR, L"", 0, FALSE, L"", L""}, SoundPlan::BuiltIn, L"IDW_COMPERROR"},
        {"address error", {MON_ADDR_ERROR, L"", 0, FALSE, L"", L""}, SoundPlan::BuiltIn, L"IDW_COMPERROR"},
        {"volume test", {MON_VOLUME_TEST, L"", 0, FALSE, L"", L""}, SoundPlan::BuiltIn, L"IDW_VOLTEST"},
        {"checking has none", {MON_CHECKING, L"", 0, FALSE, L"", L""}, SoundPlan::Nothing, L""},
        {"disabled has none", {MON_DISABLED, L"", 0, FALSE, L"", L""}, SoundPlan::Nothing, L""},
        {"custom file", {MON_UP, L"c:\\a.wav", 1, FALSE, L"", L""}, SoundPlan::File, L"c:\\a.wav"},
        {"custom switch 2 plays nothing", {MON_UP, L"c:\\a.wav", 2, FALSE, L"", L""}, SoundPlan::Nothing, L""},
    };
    for (const auto& c : cases) {
        SoundPlan plan = PlanSound(c.request);
        EXPECT_EQ(plan.kind, c.kind) << c.label;
        EXPECT_EQ(plan.what, c.what) << c.label;
    }
}

// What the sound threads of one test reported through the seam.
std::mutex g_plansLock;
std::vector<SoundPlan> g_plans;
HANDLE g_planEvent = nullptr;

void RecordPlan(const SoundPlan& plan) {
    std::lock_guard<std::mutex> lock(g_plansLock);
    g_plans.push_back(plan);
    SetEvent(g_planEvent);
}

TEST(SoundThread, RunsItsPlanOnItsOwnThread) {
    g_planEvent = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    g_plans.clear();
    SetSoundObserver(&RecordPlan);
    SoundRequest request;
    request.nStatus = MON_DOWN;
    request.bSpeak = TRUE;
    request.strSpeech = L"%name is Down";
    request.strName = L"Router";
    ASSERT_TRUE(StartSound(request));
    // Speech under a system without a voice ends at once; elsewhere it takes a moment.
    ASSERT_EQ(WaitForSingleObject(g_planEvent, 10000), WAIT_OBJECT_0);
    request.bSpeak = FALSE;
    request.nStatus = MON_ERROR;
    ASSERT_TRUE(StartSound(request));
    ASSERT_EQ(WaitForSingleObject(g_planEvent, 10000), WAIT_OBJECT_0);
    SetSoundObserver(nullptr);
    CloseHandle(g_planEvent);
    std::lock_guard<std::mutex> lock(g_plansLock);
    ASSERT_EQ(g_plans.size(), 2u);
    EXPECT_EQ(g_plans[0].kind, SoundPlan::Speak);
    EXPECT_EQ(g_plans[0].what, L"Router is Down");
    EXPECT_EQ(g_plans[1].kind, SoundPlan::BuiltIn);
    EXPECT_EQ(g_plans[1].what, L"IDW_COMPERROR");
}

TEST(PlayWaveResource, PlaysEachBuiltInSoundAndNoMissingOne) {
    for (int status : std::initializer_list<int>{MON_UP, MON_DOWN, MON_ERROR, MON_VOLUME_TEST})
        EXPECT_TRUE(PlayWaveResource(BuiltInSoundName(status))) << status;
    EXPECT_FALSE(PlayWaveResource(L"IDW_NO_SUCH_SOUND"));
    PlaySoundW(nullptr, nullptr, 0);
}

}  // namespace
