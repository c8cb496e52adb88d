#pragma once
// Device-context helpers; the GDI and USER handle owners (CFont, CBitmap, CPen, CBrush,
// CIcon, CMenu) are those of Handle.h.
#include <windows.h>

#include "framework/Handle.h"

namespace fw {

// Selects an object into a device context for one scope, then the previous one back.
class CSelectObject {
public:
    CSelectObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(SelectObject(dc, object)) {}
    ~CSelectObject() {
        if (m_old) SelectObject(m_dc, m_old);
    }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// The header of 32-bit top-down BI_RGB pixels, width x height: the one pixel form the
// program reads and writes, whatever the display's depth.
inline BITMAPINFO TopDown32BitInfo(LONG width, LONG height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A memory device context compatible with another one, deleted with the object.
struct MemoryDcTraits : RawAdoption<HDC> {
    using Type = HDC;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { DeleteDC(h); }
};
class CMemoryDC : public CUniqueHandle<MemoryDcTraits> {
public:
    explicit CMemoryDC(HDC compatible) : CUniqueHandle(CreateCompatibleDC(compatible)) {}
};

// A window's client-area device context, released with the object.
class CClientDC {
public:
    explicit CClientDC(HWND hwnd) : m_hwnd(hwnd), m_dc(GetDC(hwnd)) {}
    ~CClientDC() {
        if (m_dc) ReleaseDC(m_hwnd, m_dc);
    }
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;
    operator HDC() const { return m_dc; }

private:
    HWND m_hwnd;
    HDC m_dc;
};

}  // namespace fw
