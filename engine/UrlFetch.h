#pragma once
// One page fetch of a URL check (an http page, a local file, or what WinINet opens), run
// on a thread of the call pool (CallPool.h) so that the check can stop waiting for it:
// WinINet does not always heed its time-outs (a connect may block for minutes), and a
// call blocked inside it cannot be cancelled. The check and the pool thread share the
// object; the pool thread writes only into it, and marks each sign of progress, so the
// check can tell a fetch that moves on from one that is stuck.
#include <atomic>
#include <memory>
#include <string>
#include <windows.h>

#include "engine/CallPool.h"
#include "engine/ElapsedTimer.h"
#include "engine/StepTimer.h"
#include "framework/Handle.h"
#include "framework/InternetSession.h"
#include "model/MonitorTypes.h"

// What one fetch opens.
struct FetchTarget {
    enum class Kind {
        Http,       // an http or https page, through our own parser's parts
        LocalFile,  // a file: URL, read as a local file
        OtherUrl,   // an ftp page, left to WinINet
    };
    Kind kind = Kind::Http;
    fw::HttpTarget http;    // Kind::Http
    std::wstring location;  // Kind::LocalFile: the file's path; Kind::OtherUrl: the URL
};

class CUrlFetch {
public:
    enum class Stage {
        SessionFailed,  // no WinINet session
        OpenFailed,     // connecting, sending the request or opening the file failed
        ReadFailed,     // reading the content failed
        Read,           // the content (up to kPageCap bytes) was read
    };

    // The most of one page that is read; the rest is never fetched.
    static constexpr size_t kPageCap = 4 * 1024 * 1024;
    // The most taken in one read of what has arrived.
    static constexpr DWORD kReadChunk = 64 * 1024;
    // Starts fetching the target on the process's call pool with WinINet's time-outs
    // set to `timeOutMs`; nullptr, with the reason in GetLastError, when no pool thread
    // starts.
    static std::shared_ptr<CUrlFetch> Start(const FetchTarget& target, DWORD timeOutMs);

    // True once the fetch has ended, waiting at most `milliseconds` for it.
    bool WaitEnded(DWORD milliseconds) const { return m_pooled->WaitEnded(milliseconds); }

    // How long the current step (resolving, connecting, sending, one read) may still
    // last; 0 once it has gone on too long without progress.
    DWORD StepMsLeft() const { return m_step.MsLeft(m_clock.ElapsedMs()); }

    // Nobody waits for the result any more: WinINet's next receive fails (a server that
    // keeps sending ends the fetch at once), the fetch stops after its current step and
    // closes its handles and the connection.
    void Abandon() { m_bAbandoned = true; }

    // The result, to be read only once WaitEnded gave true.
    Stage m_stage = Stage::SessionFailed;
    DWORD m_dwError = 0;
    DWORD m_dwTimeMs = kNoTime;
    std::string m_body;

private:
    CUrlFetch(const FetchTarget& target, DWORD timeOutMs);
    static void CALLBACK OnStatus(HINTERNET, DWORD_PTR context, DWORD status, void*, DWORD);
    void MarkStep() { m_step.Progress(m_clock.ElapsedMs()); }
    static void OnReceived(void* context) { static_cast<CUrlFetch*>(context)->MarkStep(); }
    static bool IsAbandoned(void* context) { return static_cast<CUrlFetch*>(context)->m_bAbandoned; }
    void Fetch();
    void FetchLocalFile();
    // Reads the content into m_body until its end, the cap or the abandoning: `measure`
    // waits until some bytes are ready and tells how many, `read` reads up to that many
    // (0 read is the end). Each of them is a step. Returns 0 or the error.
    template <class Measure, class Reader> DWORD ReadContent(Measure measure, Reader read);
    DWORD ReadInternetFile(fw::CInternetFile& file);
    DWORD ReadLocalFile(HANDLE file);

    const FetchTarget m_target;
    const DWORD m_dwTimeOut;
    const CElapsedTimer m_clock;
    CStepTimer m_step;
    // The pooled call that runs the fetch, whose end is the fetch's end (for the waiter).
    std::shared_ptr<CPooledCall> m_pooled;
    std::atomic<bool> m_bAbandoned{false};
};
