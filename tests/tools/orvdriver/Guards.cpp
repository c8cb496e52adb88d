// Named objects under the names of Orvalen's instance guards, so that a start meets each
// state of its guard: held by another process, abandoned, or taken by another kind of
// object (then the guard cannot be created at all).
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// Signalled by "release": every holder then ends.
const wchar_t kReleaseEvent[] = L"OrvDriverReleaseGuard";

// Written without the console's line-end translation, for shell tests that wait for it.
void SayReady() {
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), "READY\n", 6, &written, nullptr);
}

// Takes the mutex and ends without releasing it: the mutex becomes abandoned.
DWORD WINAPI TakeAndLeave(void* mutex) {
    WaitForSingleObject(static_cast<HANDLE>(mutex), INFINITE);
    return 0;
}

// A new object of that kind and name; none when the name is taken already.
HANDLE CreateObject(const std::wstring& kind, const std::wstring& name) {
    HANDLE object = nullptr;
    if (kind == L"mutex" || kind == L"abandoned")
        object = CreateMutexW(nullptr, kind == L"mutex", name.c_str());
    else if (kind == L"event")
        object = CreateEventW(nullptr, TRUE, FALSE, name.c_str());
    else if (kind == L"file")  // open for reading only: no other process may write or delete it
        return CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (!object || GetLastError() == ERROR_ALREADY_EXISTS) return nullptr;
    if (kind == L"abandoned") {
        HANDLE mutex = object;
        HANDLE thread = CreateThread(nullptr, 0, TakeAndLeave, mutex, 0, nullptr);
        if (!thread) return nullptr;
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
    }
    return object;
}

}  // namespace

// hold KIND NAME MS: keeps the object (mutex owned, abandoned mutex, event, or an open
// file that others may only read) until "release" or MS milliseconds; prints READY once
// it holds it.
// release: ends every holder. mutex-exists NAME: prints 1 when a mutex of that name exists.
// Returns -1 for a command that is not one of these.
int RunGuardCommand(int argc, wchar_t** argv) {
    std::wstring cmd = argv[1];
    if (cmd == L"hold" && argc >= 5) {
        HANDLE release = CreateEventW(nullptr, TRUE, FALSE, kReleaseEvent);
        HANDLE object = CreateObject(argv[2], argv[3]);
        if (!release || !object || object == INVALID_HANDLE_VALUE) return 1;
        SayReady();
        WaitForSingleObject(release, wcstoul(argv[4], nullptr, 0));
        return 0;
    }
    if (cmd == L"release") {
        HANDLE release = OpenEventW(EVENT_MODIFY_STATE, FALSE, kReleaseEvent);
        if (!release) return 1;
        SetEvent(release);
        CloseHandle(release);
        return 0;
    }
    if (cmd == L"mutex-exists" && argc >= 3) {
        HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, argv[2]);
        wprintf(L"%d\n", mutex ? 1 : 0);
        if (mutex) CloseHandle(mutex);
        return 0;
    }
    return -1;
}
