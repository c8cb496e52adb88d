#pragma once
// What WinINet receives, as it arrives. WinINet reports no stage while the response
// headers come in (Wine's reads them line by line with no callback, however long they
// take), so a caller could not tell headers that keep arriving from a server gone
// silent. WinINet's own receives are watched instead, through its import of recv: each
// receive that brings bytes calls the observer that the receiving thread set. Where
// WinINet takes recv another way nothing is reported, and its stage callbacks are the
// only sign of progress.
namespace fw {

using ReceiveObserver = void (*)(void* context);

// For one scope: the calling thread's WinINet receives call `observer` with `context`.
class CWinInetReceiveWatch {
public:
    CWinInetReceiveWatch(ReceiveObserver observer, void* context);
    ~CWinInetReceiveWatch();
    CWinInetReceiveWatch(const CWinInetReceiveWatch&) = delete;
    CWinInetReceiveWatch& operator=(const CWinInetReceiveWatch&) = delete;

    // False when WinINet's receives cannot be watched in this process.
    static bool Available();
};

}  // namespace fw
