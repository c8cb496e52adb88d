#pragma once
// What WinINet receives, as it arrives. WinINet reports no stage while the response
// headers come in (Wine's reads them line by line with no callback, however long they
// take), so a caller could not tell headers that keep arriving from a server gone
// silent. WinINet's own receives are watched instead, through its import of recv: each
// receive that brings bytes calls the observer that the receiving thread set. The same
// watch ends a transfer its caller has given up: closing WinINet's handles from another
// thread does not end a call blocked in them (Wine), but a receive that fails does, and
// a server that keeps sending makes WinINet receive again soon. Where WinINet takes recv
// another way nothing is reported or refused, and its stage callbacks are the only sign
// of progress.
namespace fw {

using ReceiveObserver = void (*)(void* context);
using GivenUpQuery = bool (*)(void* context);

// For one scope: the calling thread's WinINet receives call `observer` with `context`,
// and fail (WSAECONNABORTED, nothing taken) once `givenUp` says so.
class CWinInetReceiveWatch {
public:
    CWinInetReceiveWatch(ReceiveObserver observer, GivenUpQuery givenUp, void* context);
    ~CWinInetReceiveWatch();
    CWinInetReceiveWatch(const CWinInetReceiveWatch&) = delete;
    CWinInetReceiveWatch& operator=(const CWinInetReceiveWatch&) = delete;

    // False when WinINet's receives cannot be watched in this process.
    static bool Available();
};

}  // namespace fw
