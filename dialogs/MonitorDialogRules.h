#pragma once
// The rules of the monitor settings dialog that need no window: what each check method
// shows and allows, the texts of the repeat-count and interval balloons, and the test
// of the address with its messages.
#include <string>
#include <windows.h>

// What the dialog shows for one check method (Ping 1, TCP 2, URL 3).
struct MethodLook {
    UINT intervalMin;          // interval spin range intervalMin..500
    UINT intervalDefault;      // set when the method's radio is clicked
    bool portEnabled;
    bool phraseEnabled;
    const wchar_t* statusLabelUp;     // preview labels 1085, 1086
    const wchar_t* statusLabelDown;
    const wchar_t* colorLabelUp;      // 1087, 1089
    const wchar_t* colorLabelDown;    // 1088, 1090
    const wchar_t* upText;            // check 1019, check 1057, button 1036
    const wchar_t* closedButton;      // button 1098
    const wchar_t* closedCheck;       // checks 1091, 1084
    bool closedEnabled;               // 1098, 1091, 1084
    const wchar_t* note;              // 1211
    const wchar_t* addressLabel[2];   // 1190 for IPv4 and IPv6
};

constexpr UINT kIntervalMax = 500;

// The look of a method; nullptr outside 1..3.
const MethodLook* MethodLookFor(UINT method);

// The balloon at a repeat-count edit: from its spin, or as the count is typed (the typed
// sound text has two blanks before "=").
enum class RepeatKind { MsgBox, Sound };
std::wstring RepeatBalloonText(RepeatKind kind, bool typed, UINT count, UINT interval);

// The warning at the interval when its spin moves; empty for Ping.
std::wstring IntervalBalloonText(UINT method);

// The address test of OK and Apply (fromOkOrApply) or of the File notification's
// settings button. On success a URL address also gives its server and port.
struct AddressCheck {
    bool ok = false;
    std::wstring message;  // shown when not ok; may be empty (no message)
    bool hasUrl = false;   // urlHost and urlPort were read from a URL
    std::wstring urlHost;
    UINT urlPort = 0;
};
AddressCheck CheckMonitorAddress(UINT method, UINT ipVersion, const std::wstring& address, bool fromOkOrApply);
