#include "dialogs/NotificationSettingsRules.h"

#include "engine/Placeholders.h"
#include "framework/StringUtil.h"
#include "framework/TimeText.h"
#include "model/MonitorTypes.h"
#include "model/UrlParser.h"

UINT PackSwitches(const BOOL* switches, int count) {
    UINT mask = 0;
    for (int i = 0; i < count; ++i)
        if (switches[i]) mask |= 1u << i;
    return mask;
}

bool SoundSlotApplies(int slot, UINT method) {
    switch (slot) {
    case 0:
    case 1: return method == METHOD_PING || method == METHOD_URL;
    case 2:
    case 3:
    case 4: return method == METHOD_TCP;
    case 5: return method == METHOD_URL;
    }
    return false;
}

std::wstring& SlotWavPath(MonitorSettings& s, int slot) {
    std::wstring* paths[] = {&s.CustSoundPathUp,    &s.CustSoundPathDown,    &s.CustSoundPathOpen,
                             &s.CustSoundPathClose, &s.CustSoundTcpPathDown, &s.CustSoundPathSnF};
    return *paths[slot];
}

std::wstring& SlotSpokenText(MonitorSettings& s, int slot) {
    std::wstring* texts[] = {&s.TextSpeechStringUp,    &s.TextSpeechStringDown,  &s.TextSpeechStringOpen,
                             &s.TextSpeechStringClose, &s.TextSpeechStringTDown, &s.TextSpeechStringSnF};
    return *texts[slot];
}

namespace {

SoundRequest Builtin(int status) {
    SoundRequest r;
    r.nStatus = status;
    return r;
}

SoundRequest CustomFile(SoundRequest r, const std::wstring& path) {
    r.strWavFile = path;
    r.bCustomWav = 1;
    return r;
}

SoundRequest Spoken(SoundRequest r, const std::wstring& text, const std::wstring& name) {
    r.bSpeak = 1;
    r.strSpeech = text;
    r.strName = name;
    return r;
}

// One test's slot pair: the slot for Ping and URL (or -1) and the slot for TCP (or -1);
// the first switch that holds, custom sound before speech, decides.
SoundRequest SlotTest(const MonitorSettings& s, int status, int pingUrlSlot, int tcpSlot, int urlOnlySlot) {
    MonitorSettings& m = const_cast<MonitorSettings&>(s);
    const UINT method = s.CheckMethod;
    int slot = -1;
    if (method == METHOD_TCP) slot = tcpSlot;
    else if (method == METHOD_URL) slot = pingUrlSlot >= 0 ? pingUrlSlot : urlOnlySlot;
    else if (method == METHOD_PING) slot = pingUrlSlot;
    SoundRequest r = Builtin(status);
    if (slot < 0) return r;
    if (SwitchOf(s.CustomSoundCheck, slot)) return CustomFile(r, SlotWavPath(m, slot));
    if (SwitchOf(s.TextSpeechCheck, slot)) return Spoken(r, SlotSpokenText(m, slot), s.Name);
    return r;
}

}  // namespace

SoundRequest SoundTestRequest(SoundTest test, const MonitorSettings& s, const ErrorSoundSettings& errors) {
    switch (test) {
    case SoundTest::UpOpen: return SlotTest(s, MON_UP, 0, 2, -1);
    case SoundTest::Down: return SlotTest(s, MON_DOWN, 1, 4, -1);
    case SoundTest::ClosedSnF: return SlotTest(s, MON_DOWN, -1, 3, 5);
    case SoundTest::Error: {
        SoundRequest r = Builtin(MON_ADDR_ERROR);
        r.strWavFile = errors.customSoundPathError;
        r.bCustomWav = errors.customSoundError;
        r.bSpeak = errors.textSpeechSoundError;
        r.strSpeech = errors.textSpeechTextError;
        r.strName = s.Name;
        return r;
    }
    }
    return Builtin(MON_UP);
}

namespace {
std::wstring TestDescription(const std::wstring& description, const std::wstring& name, const SYSTEMTIME& now) {
    PlaceholderSubject subject;
    subject.name = name;
    return ExpandPlaceholders(description, PlaceholderUse::MsgBoxDescTest, subject, now);
}
}  // namespace

std::wstring MonitorMsgBoxTestText(const MonitorSettings& s, const SYSTEMTIME& now) {
    const std::wstring desc = TestDescription(s.MsgBoxDesc, s.Name, now);
    const std::wstring date = fw::FormatTime(L"%x", now), time = fw::FormatTime(L"%X", now);
    const wchar_t* d = desc.c_str();
    switch (s.CheckMethod) {
    case METHOD_PING:
        return fw::Format(L"Description: %ls\nStatus: Up,Down,ERROR\nDate: %ls\nTime: %ls\nName: %ls\nMethod: Ping\nIP: %ls",
                          d, date.c_str(), time.c_str(), s.Name.c_str(), s.IPorURLAddress.c_str());
    case METHOD_URL:
        return fw::Format(
            L"Description: %ls\nStatus: Up,Down,S.n.F.,ERROR\nDate: %ls\nTime: %ls\nName: %ls\nMethod: URL\nURL: %ls", d,
            date.c_str(), time.c_str(), s.Name.c_str(), s.IPorURLAddress.c_str());
    case METHOD_TCP:
        return fw::Format(
            L"Description: %ls\nStatus: Open,Closed,Down,ERROR\nDate: %ls\nTime: %ls\nName: %ls\nMethod: TCP\nIP: "
            L"%ls\nPort: %d",
            d, date.c_str(), time.c_str(), s.Name.c_str(), s.IPorURLAddress.c_str(), static_cast<int>(s.Port));
    }
    return L"";
}

std::wstring MsgBoxSettingsTestText(const std::wstring& description, const std::wstring& name, const SYSTEMTIME& now) {
    const std::wstring desc = TestDescription(description, name, now);
    return fw::Format(L"Description: %ls\nStatus: Up,Down...\nDate: %ls\nTime: %ls\nName: %ls\nMethod: Ping,TCP,URL\nIP: ...",
                      desc.c_str(), fw::FormatTime(L"%x", now).c_str(), fw::FormatTime(L"%X", now).c_str(),
                      name.c_str());
}

std::wstring ExecTestParameters(const ExecTestSubject& t, const SYSTEMTIME& now) {
    PlaceholderSubject subject;
    subject.name = t.name;
    subject.address = t.address;
    subject.method = t.method;
    subject.port = t.port;
    subject.urlPort = 0;
    if (t.method == METHOD_URL) SplitUrlAddress(t.address, t.ipVersion, subject.urlHost, subject.urlPort);
    return ExpandPlaceholders(t.parameters, PlaceholderUse::ExecFileTest, subject, now, RunsInCommandInterpreter(t.program));
}

std::wstring ExecCountBalloonText(UINT count, UINT interval) {
    const unsigned long long seconds = static_cast<unsigned long long>(count) * interval;
    return fw::Format(L"Execute File if IP change Status for %lu Checks = %lu hr %lu min %lu sec.",
                      static_cast<unsigned long>(count), static_cast<unsigned long>(seconds / 3600),
                      static_cast<unsigned long>(seconds % 3600 / 60), static_cast<unsigned long>(seconds % 60));
}
