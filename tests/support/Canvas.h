#pragma once
// A canvas of 32-bit pixels in a memory DC, filled with one colour and read back pixel by
// pixel: what the program's painting code drew, without a screen.
#include <windows.h>

#include "framework/GdiHandles.h"

class CTestCanvas {
public:
    CTestCanvas(int width, int height, COLORREF fill)
        : m_width(width), m_bitmap(NewPixels(m_dc, width, height, &m_bits)), m_select(m_dc, m_bitmap) {
        const DWORD pixel = (GetRValue(fill) << 16) | (GetGValue(fill) << 8) | GetBValue(fill);
        for (int i = 0; i < width * height; ++i) m_bits[i] = pixel;
    }
    CTestCanvas(const CTestCanvas&) = delete;
    CTestCanvas& operator=(const CTestCanvas&) = delete;

    HDC dc() const { return m_dc; }
    COLORREF At(int x, int y) const {
        GdiFlush();
        const DWORD p = m_bits[y * m_width + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    // Pixels of the rows [top, bottom) and columns [left, right) that are not `colour`.
    int OtherThan(COLORREF colour, int left, int right, int top, int bottom) const {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) count += At(x, y) != colour;
        return count;
    }

private:
    static HBITMAP NewPixels(HDC dc, int width, int height, DWORD** bits) {
        BITMAPINFO info = fw::TopDown32BitInfo(width, height);
        return CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(bits), nullptr, 0);
    }

    // Declared in the order of making; the bitmap is selected out before it and the DC go.
    int m_width;
    DWORD* m_bits = nullptr;
    fw::CMemoryDC m_dc{nullptr};
    fw::CBitmap m_bitmap;
    fw::CSelectObject m_select;
};
