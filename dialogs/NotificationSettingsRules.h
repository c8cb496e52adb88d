#pragma once
// The pure rules of a monitor's notification settings: the switches packed into the
// masks, the sound rows a method uses, the monitor dialog's sound tests, the texts of
// the message-box tests, the parameters of the execute-file test and its count balloon.
#include <string>
#include <windows.h>

#include "engine/NotificationRules.h"
#include "engine/SoundRequest.h"
#include "model/MonitorSettings.h"

// Sound slots, in the order of their mask bits: Up, Down, Open, Closed, TCP Down, S.n.F.
constexpr int kSoundSlotCount = 6;
// Execute-file switches: Up, Down, Closed, IP(URL) ERROR, ERROR.
constexpr int kExecSwitchCount = 5;

// Switch i of a mask is its bit 2^i.
inline BOOL SwitchOf(UINT mask, int i) { return (mask >> i) & 1u; }
// The mask of `count` switches: the sum of switch(i) x 2^i (a set switch counts once).
UINT PackSwitches(const BOOL* switches, int count);

// Whether a sound slot is used by a check method (Up, Down: Ping and URL; Open, Closed,
// TCP Down: TCP; S.n.F.: URL).
bool SoundSlotApplies(int slot, UINT method);

// A slot's custom sound file and spoken text among a monitor's settings.
std::wstring& SlotWavPath(MonitorSettings& settings, int slot);
std::wstring& SlotSpokenText(MonitorSettings& settings, int slot);

// The monitor dialog's four sound tests.
enum class SoundTest { UpOpen, Down, ClosedSnF, Error };
SoundRequest SoundTestRequest(SoundTest test, const MonitorSettings& settings, const ErrorSoundSettings& errors);

// The monitor dialog's message-box test: the description with "%name" and "%status"
// ("STATUS") replaced, then the method's sample lines; empty for an unknown method.
std::wstring MonitorMsgBoxTestText(const MonitorSettings& settings, const SYSTEMTIME& now);
// The message-box settings' test, for any method.
std::wstring MsgBoxSettingsTestText(const std::wstring& description, const std::wstring& name, const SYSTEMTIME& now);

// The execute-file test's parameters: the placeholders of the real notification with
// the status word "STATUS"; values are inert where the notification makes them inert
// (RunsInCommandInterpreter).
struct ExecTestSubject {
    std::wstring program, parameters, name, address;
    UINT method = 0, port = 0, ipVersion = 0;
};
std::wstring ExecTestParameters(const ExecTestSubject& subject, const SYSTEMTIME& now);

// "Execute File if IP change Status for N Checks = h hr m min s sec."
std::wstring ExecCountBalloonText(UINT count, UINT intervalSeconds);
