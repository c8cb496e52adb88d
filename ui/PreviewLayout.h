#pragma once
// Where the monitor dialog's preview draws its two boxes (Up left, Down right), in the
// dialog's client pixels: the sunken frame, the box of the preview size centred in it,
// and inside the box the picture area and the three text lines.
#include <string>
#include <windows.h>

struct PreviewBox {
    RECT frame;    // the sunken frame
    RECT outline;  // the black one-pixel outline of the box
    RECT inner;    // the box inside the outline (L, T, R, B), filled with the background
    RECT picture;  // where the picture is fitted
    RECT name;     // the monitor name, at the bottom
    RECT address;  // the address, at the top
    RECT method;   // the method line, under the address
};

// down: the right-hand (Down) box. width, height: the preview's box size.
PreviewBox PreviewBoxLayout(bool down, int width, int height);

// "Method: Ping", "Method: TCP <port>", "Method: URL"; empty for another method.
std::wstring PreviewMethodLine(UINT method, UINT port);
