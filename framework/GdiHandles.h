#pragma once
// Owners of GDI and USER handles: each frees its handle once, when replaced or
// destroyed. They convert to the raw handle for the calls that take one.
#include <utility>
#include <windows.h>

namespace fw {

template <class Handle, class Deleter>
class CUniqueHandle {
public:
    CUniqueHandle() = default;
    explicit CUniqueHandle(Handle h) : m_h(h) {}
    ~CUniqueHandle() { Reset(); }

    CUniqueHandle(const CUniqueHandle&) = delete;
    CUniqueHandle& operator=(const CUniqueHandle&) = delete;
    CUniqueHandle(CUniqueHandle&& other) noexcept : m_h(other.Detach()) {}
    CUniqueHandle& operator=(CUniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Detach());
        return *this;
    }

    void Reset(Handle h = nullptr) {
        if (m_h && m_h != h) Deleter()(m_h);
        m_h = h;
    }
    Handle Detach() { return std::exchange(m_h, nullptr); }
    Handle Get() const { return m_h; }
    operator Handle() const { return m_h; }

private:
    Handle m_h = nullptr;
};

struct GdiObjectDeleter {
    void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct IconDeleter {
    void operator()(HICON h) const { DestroyIcon(h); }
};
struct MenuDeleter {
    void operator()(HMENU h) const { DestroyMenu(h); }
};

using CFont = CUniqueHandle<HFONT, GdiObjectDeleter>;
using CBitmap = CUniqueHandle<HBITMAP, GdiObjectDeleter>;
using CPen = CUniqueHandle<HPEN, GdiObjectDeleter>;
using CBrush = CUniqueHandle<HBRUSH, GdiObjectDeleter>;
// Only for icons the program made or loaded without LR_SHARED.
using CIcon = CUniqueHandle<HICON, IconDeleter>;
using CMenu = CUniqueHandle<HMENU, MenuDeleter>;

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

// A memory device context compatible with another one, deleted with the object.
class CMemoryDC {
public:
    explicit CMemoryDC(HDC compatible) : m_dc(CreateCompatibleDC(compatible)) {}
    ~CMemoryDC() {
        if (m_dc) DeleteDC(m_dc);
    }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    operator HDC() const { return m_dc; }

private:
    HDC m_dc;
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
