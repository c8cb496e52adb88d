#pragma once
// A canvas of 32-bit pixels in a memory DC, filled with one colour and read back pixel by
// pixel: what the program's painting code drew, without a screen.
#include <windows.h>

#include "framework/GdiHandles.h"

class CTestCanvas {
public:
    CTestCanvas(int width, int height, COLORREF fill) : m_width(width) {
        BITMAPINFO info = fw::TopDown32BitInfo(width, height);
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
        m_old = SelectObject(m_dc, m_bitmap);
        const DWORD pixel = (GetRValue(fill) << 16) | (GetGValue(fill) << 8) | GetBValue(fill);
        for (int i = 0; i < width * height; ++i) m_bits[i] = pixel;
    }
    ~CTestCanvas() {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
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
    int m_width;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    DWORD* m_bits = nullptr;
};
