#pragma once
// A memory device context with a bitmap compatible with a device's DCs kept selected in
// it, for drawing that is copied to that device again and again. Under Wine, making a
// compatible bitmap and selecting a bitmap into a DC each ask the wineserver about the
// displays (three requests), so the pair is made once and only made again for another
// size, or after Forget (the screen's format changed).
#include <windows.h>

#include "framework/GdiHandles.h"

namespace fw {

class COffscreenSurface {
public:
    COffscreenSurface() = default;
    ~COffscreenSurface() { Forget(); }
    COffscreenSurface(const COffscreenSurface&) = delete;
    COffscreenSurface& operator=(const COffscreenSurface&) = delete;

    // The memory DC drawing into width x height pixels made compatible with `compatible`
    // (give DCs of one device only); null when it cannot be made. What was drawn before
    // stays until it is made again.
    HDC Prepare(HDC compatible, int width, int height);
    // Lets the pair go; the next Prepare makes a new one.
    void Forget();

private:
    CUniqueHandle<MemoryDcTraits> m_dc;
    CBitmap m_bitmap;  // selected into m_dc as long as both live
    SIZE m_size = {};
};

}  // namespace fw
