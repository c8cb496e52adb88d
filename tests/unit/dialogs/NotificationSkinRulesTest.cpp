// The pure rules of the notification settings, the skins and the preview, as tables.
#include <gtest/gtest.h>

#include "ui/BoxLayout.h"
#include "dialogs/NotificationSettingsRules.h"
#include "ui/PreviewLayout.h"
#include "dialogs/SkinRules.h"
#include "model/MonitorTypes.h"
#include "support/RectText.h"

namespace {

TEST(NotificationMasks, SwitchesPackAndUnpackBitBySlot) {
    const struct {
        BOOL switches[6];
        UINT mask;
    } cases[] = {
        {{0, 0, 0, 0, 0, 0}, 0x00}, {{1, 0, 0, 0, 0, 0}, 0x01}, {{0, 0, 0, 0, 0, 1}, 0x20},
        {{1, 1, 1, 1, 1, 1}, 0x3F}, {{0, 1, 0, 1, 0, 0}, 0x0A}, {{2, 0, 7, 0, 0, 0}, 0x05},  // a set switch counts once
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PackSwitches(c.switches, 6), c.mask);
        for (int i = 0; i < 6; ++i) EXPECT_EQ(SwitchOf(c.mask, i), c.switches[i] ? 1 : 0) << c.mask << " slot " << i;
    }
    const BOOL five[] = {1, 1, 1, 1, 1, 1};
    EXPECT_EQ(PackSwitches(five, kExecSwitchCount), 0x1Fu);
}

TEST(SoundTestRequest, FirstRuleThatHoldsDecides) {
    enum Kind { BuiltIn, File, Speech };
    const struct {
        SoundTest test;
        UINT method, custom, speech;
        Kind kind;
        int status;
        const wchar_t* what;  // file or spoken text
    } cases[] = {
        {SoundTest::UpOpen, METHOD_PING, 0x01, 0x01, File, MON_UP, L"up.wav"},
        {SoundTest::UpOpen, METHOD_URL, 0x00, 0x01, Speech, MON_UP, L"say up"},
        {SoundTest::UpOpen, METHOD_TCP, 0x01, 0x00, BuiltIn, MON_UP, L""},  // an Up file left from Ping
        {SoundTest::UpOpen, METHOD_TCP, 0x04, 0x00, File, MON_UP, L"open.wav"},
        {SoundTest::UpOpen, METHOD_TCP, 0x00, 0x04, Speech, MON_UP, L"say open"},
        {SoundTest::Down, METHOD_PING, 0x00, 0x00, BuiltIn, MON_DOWN, L""},
        {SoundTest::Down, METHOD_URL, 0x02, 0x00, File, MON_DOWN, L"down.wav"},
        {SoundTest::Down, METHOD_TCP, 0x02, 0x00, BuiltIn, MON_DOWN, L""},
        {SoundTest::Down, METHOD_TCP, 0x10, 0x10, File, MON_DOWN, L"tdown.wav"},
        {SoundTest::Down, METHOD_TCP, 0x00, 0x10, Speech, MON_DOWN, L"say tdown"},
        {SoundTest::ClosedSnF, METHOD_TCP, 0x08, 0x00, File, MON_DOWN, L"close.wav"},
        {SoundTest::ClosedSnF, METHOD_TCP, 0x20, 0x08, Speech, MON_DOWN, L"say close"},
        {SoundTest::ClosedSnF, METHOD_URL, 0x20, 0x00, File, MON_DOWN, L"snf.wav"},
        {SoundTest::ClosedSnF, METHOD_URL, 0x08, 0x20, Speech, MON_DOWN, L"say snf"},
        {SoundTest::ClosedSnF, METHOD_PING, 0x3F, 0x3F, BuiltIn, MON_DOWN, L""},
    };
    MonitorSettings s;
    s.Name = L"web 1";
    const wchar_t* files[] = {L"up.wav", L"down.wav", L"open.wav", L"close.wav", L"tdown.wav", L"snf.wav"};
    const wchar_t* texts[] = {L"say up", L"say down", L"say open", L"say close", L"say tdown", L"say snf"};
    for (int i = 0; i < kSoundSlotCount; ++i) {
        SlotWavPath(s, i) = files[i];
        SlotSpokenText(s, i) = texts[i];
    }
    for (const auto& c : cases) {
        s.CheckMethod = c.method;
        s.CustomSoundCheck = c.custom;
        s.TextSpeechCheck = c.speech;
        const SoundRequest r = SoundTestRequest(c.test, s, {});
        const std::wstring row = std::to_wstring(static_cast<int>(c.test)) + L"/" + std::to_wstring(c.method) + L"/" +
                                 std::to_wstring(c.custom) + L"/" + std::to_wstring(c.speech);
        EXPECT_EQ(r.nStatus, c.status) << row;
        EXPECT_EQ(r.bCustomWav, c.kind == File) << row;
        EXPECT_EQ(r.bSpeak, c.kind == Speech) << row;
        EXPECT_EQ(c.kind == File ? r.strWavFile : c.kind == Speech ? r.strSpeech : L"", c.what) << row;
        if (c.kind == Speech) EXPECT_EQ(r.strName, L"web 1");
    }
    const SoundRequest error = SoundTestRequest(SoundTest::Error, s, {1, L"err.wav", 1, L"%name fails"});
    EXPECT_EQ(error.nStatus, MON_ADDR_ERROR);
    EXPECT_EQ(error.strWavFile + L"|" + error.strSpeech + L"|" + error.strName, L"err.wav|%name fails|web 1");
    EXPECT_TRUE(error.bCustomWav && error.bSpeak);
}

TEST(TestTexts, PlaceholdersAndSampleLinesByMethod) {
    const SYSTEMTIME now = {2026, 12, 1, 7, 14, 3, 7, 0};
    MonitorSettings s;
    s.Name = L"web 1";
    s.MsgBoxDesc = L"%status of %name, %name";
    s.IPorURLAddress = L"10.0.0.1";
    s.Port = 8080;
    const struct {
        UINT method;
        const wchar_t* tail;
    } cases[] = {
        {METHOD_PING, L"Status: Up,Down,ERROR\nDate: 12/07/26\nTime: 14:03:07\nName: web 1\nMethod: Ping\nIP: 10.0.0.1"},
        {METHOD_URL, L"Status: Up,Down,S.n.F.,ERROR\nDate: 12/07/26\nTime: 14:03:07\nName: web 1\nMethod: URL\nURL: 10.0.0.1"},
        {METHOD_TCP,
         L"Status: Open,Closed,Down,ERROR\nDate: 12/07/26\nTime: 14:03:07\nName: web 1\nMethod: TCP\nIP: 10.0.0.1\nPort: 8080"},
    };
    for (const auto& c : cases) {
        s.CheckMethod = c.method;
        EXPECT_EQ(MonitorMsgBoxTestText(s, now), std::wstring(L"Description: STATUS of web 1, web 1\n") + c.tail);
    }
    s.CheckMethod = 9;
    EXPECT_EQ(MonitorMsgBoxTestText(s, now), L"");
    EXPECT_EQ(MsgBoxSettingsTestText(L"", L"x", now),
              L"Description: \nStatus: Up,Down...\nDate: 12/07/26\nTime: 14:03:07\nName: x\nMethod: Ping,TCP,URL\nIP: ...");
}

TEST(ExecTestParameters, RealPlaceholdersWithStatusWordAndInertBatchValues) {
    const SYSTEMTIME now = {2026, 12, 1, 7, 14, 3, 7, 0};
    const struct {
        const wchar_t *program, *params, *name, *address;
        UINT method, port;
        const wchar_t* expected;
    } cases[] = {
        {L"r.exe", L"%name%text", L"My Server", L"h", METHOD_PING, 0, L"My-ServerMy-Server"},
        {L"r.exe", L"%ip %port %url %method %status", L"n", L"10.1.1.1", METHOD_TCP, 8080, L"10.1.1.1 8080 N/A TCP STATUS"},
        {L"r.exe", L"%ip %port %url", L"n", L"http://web.test:81/a", METHOD_URL, 0, L"web.test 81 http://web.test:81/a"},
        {L"r.exe", L"%port %time", L"n", L"h", METHOD_PING, 0, L"N/A 12/07/26-14:03:07"},
        {L"run.bat", L"%name %ip", L"a&b", L"x|y", METHOD_PING, 0, L"a_b x_y"},
        {L"run.exe", L"%name", L"a&b", L"h", METHOD_PING, 0, L"a&b"},
        {L"cmd", L"/C echo %name", L"R&D srv", L"h", METHOD_PING, 0, L"/C echo R_D-srv"},
        {L"C:\\Windows\\system32\\CMD.EXE", L"%ip", L"n", L"a|b", METHOD_PING, 0, L"a_b"},
    };
    for (const auto& c : cases) {
        ExecTestSubject t;
        t.program = c.program;
        t.parameters = c.params;
        t.name = c.name;
        t.address = c.address;
        t.method = c.method;
        t.port = c.port;
        EXPECT_EQ(ExecTestParameters(t, now), c.expected) << c.params;
    }
    EXPECT_EQ(ExecCountBalloonText(3, 1200), L"Execute File if IP change Status for 3 Checks = 1 hr 0 min 0 sec.");
    EXPECT_EQ(ExecCountBalloonText(999, 61), L"Execute File if IP change Status for 999 Checks = 16 hr 55 min 39 sec.");
}

TEST(SkinNames, FilterAndAcceptance) {
    const struct {
        const wchar_t* typed;
        const wchar_t* filtered;
        bool ok;
    } cases[] = {
        {L"Night", L"Night", true},     {L"a/b:c", L"abc", true},    {L"\\/:\"|<>?*", L"", false},
        {L"Custom", L"Custom", false},  {L"custom", L"custom", true}, {L" ", L" ", false},
        {L"  ", L"  ", true},           {L"CON", L"CON", false},     {L"con.txt", L"con.txt", false},
        {L"Lpt9", L"Lpt9", false},      {L"COM0", L"COM0", true},    {L"nul .ini", L"nul .ini", false},
        {L"CONSOLE", L"CONSOLE", true}, {L"AUX1", L"AUX1", true},    {L"PRN", L"PRN", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FilterSkinName(c.typed), c.filtered) << c.typed;
        EXPECT_EQ(IsAcceptableSkinName(c.filtered), c.ok) << c.typed;
    }
    const struct {
        const wchar_t* name;
        unsigned long predefined;
        bool deletable, overwritable;
    } marks[] = {
        {L"Night", 0, true, true}, {L"Night", 1, false, false}, {L"Night", 2, true, false},
        {L"Default", 0, false, true}, {L"Default", 1, false, true},
    };
    for (const auto& m : marks) {
        EXPECT_EQ(IsSkinDeletable(m.name, m.predefined), m.deletable) << m.name << m.predefined;
        EXPECT_EQ(MayOverwriteSkin(m.name, m.predefined), m.overwritable) << m.name << m.predefined;
    }
    for (const wchar_t* name : {L"", L"Default", L"Custom"}) EXPECT_TRUE(IsDeleteRefused(name)) << name;
    EXPECT_FALSE(IsDeleteRefused(L"default"));
}

TEST(Preview, BoxesAndPictureFitting) {
    const struct {
        bool down;
        int w, h;
        const char *outline, *inner, *picture, *name;
    } cases[] = {
        {false, 80, 60, "18,32,100,94", "19,33,99,93", "19,55,99,80", "19,79,99,93"},
        {true, 80, 60, "108,32,190,94", "109,33,189,93", "109,55,189,80", "109,79,189,93"},
        {false, 41, 31, "38,47,81,80", "39,48,80,79", "39,70,80,66", "39,65,80,79"},
    };
    for (const auto& c : cases) {
        const PreviewBox b = PreviewBoxLayout(c.down, c.w, c.h);
        EXPECT_EQ(RectText(b.outline), c.outline);
        EXPECT_EQ(RectText(b.inner), c.inner);
        EXPECT_EQ(RectText(b.picture), c.picture);
        EXPECT_EQ(RectText(b.name), c.name);
    }
    // A square 64x64 picture in the 80x60 box is drawn 25x25 centred, and stays so.
    const RECT area = PreviewBoxLayout(false, 80, 60).picture;
    EXPECT_EQ(RectText(FitPicture(64, 64, area)), "47,55,72,80");
    EXPECT_EQ(RectText(FitPicture(25, 25, area)), "47,55,72,80");
    EXPECT_EQ(RectText(FitPicture(64, 32, area)), "27,55,91,80");
    EXPECT_EQ(PreviewMethodLine(METHOD_TCP, 8080), L"Method: TCP 8080");
    EXPECT_EQ(PreviewMethodLine(METHOD_URL, 1), L"Method: URL");
    EXPECT_EQ(PreviewMethodLine(0, 1), L"");
}

}  // namespace
