#include "framework/Handle.h"

#include <winsock2.h>
#include <wininet.h>
#include <iphlpapi.h>
#include <icmpapi.h>

namespace fw {

void InternetHandleTraits::Close(Type h) { InternetCloseHandle(h); }
void SocketTraits::Close(Type s) { closesocket(s); }
void SocketEventTraits::Close(Type h) { WSACloseEvent(h); }
void IcmpHandleTraits::Close(Type h) { IcmpCloseHandle(h); }

// The one place where raw kernel-object and file handles become owned.
struct HandleOpeners {
    static CHandle Kernel(HANDLE h) { return CHandle(OpenedHandle<kKernelObject>(h)); }
    static CFileHandle File(HANDLE h) { return CFileHandle(OpenedHandle<kFile>(h)); }
    static CFileSearch Search(HANDLE h) { return CFileSearch(OpenedHandle<kFileSearch>(h)); }
};

CHandle NewEvent(bool manualReset, bool signalled, const wchar_t* name) {
    return HandleOpeners::Kernel(CreateEventW(nullptr, manualReset, signalled, name));
}

CHandle NewMutex(const wchar_t* name) { return HandleOpeners::Kernel(CreateMutexW(nullptr, FALSE, name)); }

CHandle OpenProcessHandle(DWORD access, DWORD processId) {
    return HandleOpeners::Kernel(OpenProcess(access, FALSE, processId));
}

CHandle DuplicateOwnHandle(HANDLE h) {
    HANDLE own = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), h, GetCurrentProcess(), &own, 0, FALSE, DUPLICATE_SAME_ACCESS))
        own = nullptr;
    return HandleOpeners::Kernel(own);
}

CHandle AdoptThreadHandle(uintptr_t beginThreadResult) {
    return HandleOpeners::Kernel(reinterpret_cast<HANDLE>(beginThreadResult));
}

CFileHandle OpenFileHandle(const std::wstring& path, DWORD access, DWORD share, DWORD disposition, DWORD flags) {
    return HandleOpeners::File(CreateFileW(path.c_str(), access, share, nullptr, disposition, flags, nullptr));
}

CFileSearch StartFileSearch(const std::wstring& pattern, WIN32_FIND_DATAW& found) {
    return HandleOpeners::Search(FindFirstFileW(pattern.c_str(), &found));
}

CRegKey OpenRegKey(HKEY root, const wchar_t* path, REGSAM access) {
    HKEY key = nullptr;
    const LSTATUS status = RegOpenKeyExW(root, path, 0, access, &key);
    if (status != ERROR_SUCCESS) {
        SetLastError(static_cast<DWORD>(status));
        key = nullptr;
    }
    return CRegKey(key);
}

}  // namespace fw
