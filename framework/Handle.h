#pragma once
// One owner for every kind of system handle: it closes its handle once, when reset,
// replaced or destroyed. A kind is described by a trait: the handle's type, the value
// that means "none", and how one is closed. Owners move but never copy, and convert to
// the raw handle for the calls that take one.
#include <utility>
#include <windows.h>

namespace fw {

template <class Traits>
class CUniqueHandle {
public:
    using Type = typename Traits::Type;

    CUniqueHandle() = default;
    explicit CUniqueHandle(Type h) : m_h(h) {}
    ~CUniqueHandle() { Reset(); }

    CUniqueHandle(const CUniqueHandle&) = delete;
    CUniqueHandle& operator=(const CUniqueHandle&) = delete;
    CUniqueHandle(CUniqueHandle&& other) noexcept : m_h(other.Detach()) {}
    CUniqueHandle& operator=(CUniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Detach());
        return *this;
    }

    bool Valid() const { return m_h != Traits::Invalid(); }
    Type Get() const { return m_h; }
    operator Type() const { return m_h; }

    // Closes the held handle (unless it is `h` itself) and holds `h`.
    void Reset(Type h = Traits::Invalid()) {
        if (Valid() && m_h != h) Traits::Close(m_h);
        m_h = h;
    }
    void Close() { Reset(); }
    Type Detach() { return std::exchange(m_h, Traits::Invalid()); }
    // For calls that hand a new handle back through a pointer: the old one is closed first.
    Type* Receive() {
        Reset();
        return &m_h;
    }

private:
    Type m_h = Traits::Invalid();
};

// Kernel objects that are "none" when null: events, mutexes, threads, processes.
struct KernelHandleTraits {
    using Type = HANDLE;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { CloseHandle(h); }
};
// Files (CreateFileW), which are "none" as INVALID_HANDLE_VALUE.
struct FileHandleTraits {
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Type h) { CloseHandle(h); }
};
// The closers of these live in Handle.cpp, so this header needs no network headers.
struct InternetHandleTraits {  // HINTERNET
    using Type = void*;
    static Type Invalid() { return nullptr; }
    static void Close(Type h);
};
struct SocketTraits {  // SOCKET, INVALID_SOCKET
    using Type = UINT_PTR;
    static Type Invalid() { return ~static_cast<UINT_PTR>(0); }
    static void Close(Type s);
};
struct SocketEventTraits {  // WSAEVENT, WSA_INVALID_EVENT
    using Type = HANDLE;
    static Type Invalid() { return nullptr; }
    static void Close(Type h);
};
struct IcmpHandleTraits {  // IcmpCreateFile / Icmp6CreateFile
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Type h);
};
template <class T>
struct GdiObjectTraits {
    using Type = T;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { DeleteObject(h); }
};
struct IconTraits {
    using Type = HICON;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { DestroyIcon(h); }
};
struct MenuTraits {
    using Type = HMENU;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { DestroyMenu(h); }
};

using CHandle = CUniqueHandle<KernelHandleTraits>;
using CFileHandle = CUniqueHandle<FileHandleTraits>;
using CInternetHandle = CUniqueHandle<InternetHandleTraits>;
using CSocketHandle = CUniqueHandle<SocketTraits>;
using CSocketEvent = CUniqueHandle<SocketEventTraits>;
using CIcmpHandle = CUniqueHandle<IcmpHandleTraits>;
using CFont = CUniqueHandle<GdiObjectTraits<HFONT>>;
using CBitmap = CUniqueHandle<GdiObjectTraits<HBITMAP>>;
using CPen = CUniqueHandle<GdiObjectTraits<HPEN>>;
using CBrush = CUniqueHandle<GdiObjectTraits<HBRUSH>>;
// Only for icons the program made or loaded without LR_SHARED.
using CIcon = CUniqueHandle<IconTraits>;
using CMenu = CUniqueHandle<MenuTraits>;

}  // namespace fw
