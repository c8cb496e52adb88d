#pragma once
// One owner for every kind of system handle: it closes its handle once, when reset,
// replaced or destroyed. A kind is described by a trait: the handle's type, the value
// that means "none", how one is closed, and what an owner takes on (`Adopted`).
// Owners move but never copy, and convert to the raw handle for the calls that take one.
#include <string>
#include <type_traits>
#include <utility>
#include <windows.h>

namespace fw {

// Most kinds take on their raw handle as it comes.
template <class T>
struct RawAdoption {
    using Adopted = T;
    static T Unwrap(T h) { return h; }
};

template <class Traits>
class CUniqueHandle {
public:
    using Type = typename Traits::Type;
    using Adopted = typename Traits::Adopted;

    CUniqueHandle() = default;
    explicit CUniqueHandle(Adopted h) : m_h(Traits::Unwrap(h)) {}
    ~CUniqueHandle() { Reset(); }

    CUniqueHandle(const CUniqueHandle&) = delete;
    CUniqueHandle& operator=(const CUniqueHandle&) = delete;
    CUniqueHandle(CUniqueHandle&& other) noexcept : m_h(other.Detach()) {}
    CUniqueHandle& operator=(CUniqueHandle&& other) noexcept {
        if (this != &other) Replace(other.Detach());
        return *this;
    }

    bool Valid() const { return m_h != Traits::Invalid(); }
    Type Get() const { return m_h; }
    operator Type() const { return m_h; }

    // Closes the held handle (unless it is the new one itself) and holds the new one.
    void Reset() { Replace(Traits::Invalid()); }
    void Reset(Adopted h) { Replace(Traits::Unwrap(h)); }
    void Close() { Reset(); }
    // Closes now and tells whether the close succeeded (a file's close can fail to write).
    bool CloseChecked() {
        const Type h = Detach();
        return h == Traits::Invalid() || Traits::Close(h);
    }
    Type Detach() { return std::exchange(m_h, Traits::Invalid()); }
    // For calls that hand a new handle back through a pointer: the old one is closed first.
    // Not for kinds that take on only what their own openers return.
    Type* Receive() {
        static_assert(std::is_same<Adopted, Type>::value, "this kind is taken on only from its openers");
        Reset();
        return &m_h;
    }

private:
    void Replace(Type h) {
        if (Valid() && m_h != h) Traits::Close(m_h);
        m_h = h;
    }
    Type m_h = Traits::Invalid();
};

// Kernel objects ("none": null), files and file searches ("none": INVALID_HANDLE_VALUE,
// a search closed by FindClose) are all HANDLE, and a failed call of one kind gives
// another's "none". So their owners take on only what their own openers (below) return:
// handing one kind to another's owner does not compile.
struct HandleOpeners;
template <int Kind>
class OpenedHandle {
    explicit OpenedHandle(HANDLE h) : m_h(h) {}
    HANDLE m_h;
    friend struct HandleOpeners;
    template <int>
    friend struct OpenedHandleTraits;
};
enum { kKernelObject, kFile, kFileSearch };
template <int Kind>
struct OpenedHandleTraits {
    using Type = HANDLE;
    using Adopted = OpenedHandle<Kind>;
    static Type Unwrap(Adopted h) { return h.m_h; }
    static Type Invalid() { return Kind == kKernelObject ? nullptr : INVALID_HANDLE_VALUE; }
    static bool Close(Type h) { return (Kind == kFileSearch ? FindClose(h) : CloseHandle(h)) != 0; }
};

// Events, mutexes, threads, processes.
using KernelHandleTraits = OpenedHandleTraits<kKernelObject>;
// Files (CreateFileW).
using FileHandleTraits = OpenedHandleTraits<kFile>;
// FindFirstFileW.
using FileSearchTraits = OpenedHandleTraits<kFileSearch>;
// The closers of these live in Handle.cpp, so this header needs no network headers.
struct InternetHandleTraits : RawAdoption<void*> {  // HINTERNET
    using Type = void*;
    static Type Invalid() { return nullptr; }
    static void Close(Type h);
};
struct SocketTraits : RawAdoption<UINT_PTR> {  // SOCKET, INVALID_SOCKET
    using Type = UINT_PTR;
    static Type Invalid() { return ~static_cast<UINT_PTR>(0); }
    static void Close(Type s);
};
struct SocketEventTraits : RawAdoption<HANDLE> {  // WSAEVENT, WSA_INVALID_EVENT
    using Type = HANDLE;
    static Type Invalid() { return nullptr; }
    static void Close(Type h);
};
struct IcmpHandleTraits : RawAdoption<HANDLE> {  // IcmpCreateFile / Icmp6CreateFile
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Type h);
};
template <class T>
struct GdiObjectTraits : RawAdoption<T> {
    using Type = T;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { DeleteObject(h); }
};
struct IconTraits : RawAdoption<HICON> {
    using Type = HICON;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { DestroyIcon(h); }
};
struct RegKeyTraits : RawAdoption<HKEY> {
    using Type = HKEY;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { RegCloseKey(h); }
};
struct MenuTraits : RawAdoption<HMENU> {
    using Type = HMENU;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { DestroyMenu(h); }
};

using CHandle = CUniqueHandle<KernelHandleTraits>;
using CFileHandle = CUniqueHandle<FileHandleTraits>;
using CFileSearch = CUniqueHandle<FileSearchTraits>;
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
using CRegKey = CUniqueHandle<RegKeyTraits>;

// The openers of kernel objects and files (null or INVALID_HANDLE_VALUE when they fail,
// with the error left for GetLastError).
CHandle NewEvent(bool manualReset, bool signalled, const wchar_t* name = nullptr);
CHandle NewMutex(const wchar_t* name);
CHandle OpenProcessHandle(DWORD access, DWORD processId);
// This process's own further handle of `h` (a thread's, say), with the same access.
CHandle DuplicateOwnHandle(HANDLE h);
// What _beginthreadex returned.
CHandle AdoptThreadHandle(uintptr_t beginThreadResult);
CFileHandle OpenFileHandle(const std::wstring& path, DWORD access, DWORD share, DWORD disposition,
                           DWORD flags = FILE_ATTRIBUTE_NORMAL);
// The first match of `pattern` goes to `found`; FindNextFileW gives the others.
CFileSearch StartFileSearch(const std::wstring& pattern, WIN32_FIND_DATAW& found);
// A key under `root`; none when it cannot be opened with that access (the reason is then
// in GetLastError).
CRegKey OpenRegKey(HKEY root, const wchar_t* path, REGSAM access);

}  // namespace fw
