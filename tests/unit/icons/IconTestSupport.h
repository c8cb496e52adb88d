#pragma once
// Icons made in memory for the icon tests, and their pixels read back.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace icontest {

// A colour icon of width x height with 32-bit pixels 0xAARRGGBB given row by row from the
// top (missing pixels are opaque blue), and a mask whose set bits are given the same way.
HICON MakeColorIcon(int width, int height, const std::vector<uint32_t>& pixels = {},
                    const std::vector<bool>& maskBits = {});

// A monochrome icon: no colour bitmap, a mask twice as high.
HICON MakeMonochromeIcon(int width, int height);

// The icon's colour pixels as 32-bit 0xAARRGGBB values, rows from the top.
std::vector<uint32_t> ReadColorPixels(HICON icon, int& width, int& height);

}  // namespace icontest
