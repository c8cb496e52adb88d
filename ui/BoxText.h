#pragma once
// The texts a box shows: its status caption, its information lines and their time
// line, and how a text is placed in its rectangle.
#include <string>
#include <vector>
#include <windows.h>

// The statuses that show a caption and a status picture on white instead of the
// monitor's colours: ERROR, IP/URL ERROR, CHECKING, DISABLED.
bool IsCaptionStatus(int status);

// The statuses drawn in the monitor's own colours with its Up or Down picture.
bool IsNetworkStatus(int status);

// "ERROR", "IP ERROR", "URL ERROR" (URL monitors), "CHECKING", "DISABLED"; empty for
// other statuses.
std::wstring BoxCaption(int status, UINT method);

// "Method: Ping IPv4", "Method: TCP 80 IPv6", "Method: URL IPv4"...; empty for an
// unknown method.
std::wstring MethodLine(UINT method, UINT ipVersion, UINT port);

// "Status: Up", "Status: Open", "Status: Down", "Status: Closed", "Status: S.n.F.";
// empty where the status and method have no word.
std::wstring StatusLine(int status, UINT method);

// The measured time ("Reply: 12 ms", "Connect: 3 ms", "Load: 80 ms"), "... <1 ms" for
// a time of 0, and for Down the reason ("Reply: Unreach.", "Connect: Timeout"...).
std::wstring TimeLine(int status, UINT method, DWORD timeMs, DWORD error, DWORD ipStatus);

struct BoxLineSwitches {
    bool ipAddress;
    bool method;
    bool status;
    bool replyTime;
    int Count() const { return ipAddress + method + status + replyTime; }
};

struct BoxTextInput {
    int status;
    UINT method;
    UINT ipVersion;
    UINT port;
    std::wstring address;
    DWORD timeMs;
    DWORD error;
    DWORD ipStatus;
};

// The information lines in order (address, method, status, time), one for each switch
// that is on, leaving out the status and time lines for a caption status.
std::vector<std::wstring> InfoLines(const BoxTextInput& box, const BoxLineSwitches& on);

// How many of the lines are drawn: the first two always, the third and fourth only
// for Up, Down and Closed boxes.
size_t InfoLinesDrawn(size_t lineCount, int status);

// DrawText flags of a one-line text: centred when it fits the box width, else
// left-aligned (and cut at the right edge).
UINT TextPlacementFlags(int textWidth, int boxWidth);

struct BoxColours {
    COLORREF background;
    COLORREF text;
};

// The monitor's Up colours for Up, its Down colours for Down and Closed, black on white
// for every other status.
BoxColours BoxColoursFor(int status, COLORREF boxUp, COLORREF boxDown, COLORREF textUp, COLORREF textDown);
