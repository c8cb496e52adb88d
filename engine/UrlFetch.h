#pragma once
// One page fetch of a URL check, run on a worker thread of its own so that the check
// can stop waiting for it: WinINet does not always heed its time-outs, and a call
// blocked inside it cannot be cancelled. The check and the worker share the object;
// the worker writes only into it, so an abandoned fetch ends on its own without
// touching the monitoring thread.
#include <atomic>
#include <memory>
#include <string>
#include <windows.h>

#include "framework/Handle.h"
#include "framework/InternetSession.h"
#include "model/MonitorTypes.h"

class CUrlFetch {
public:
    enum class Stage {
        SessionFailed,  // no WinINet session
        OpenFailed,     // connecting or sending the request failed
        ReadFailed,     // reading the body failed
        Read,           // the body (up to kPageCap bytes) was read
    };

    // The most of one page that is read; the rest is never fetched.
    static constexpr size_t kPageCap = 4 * 1024 * 1024;
    static constexpr DWORD kReadChunk = 64 * 1024;

    // Starts fetching the target with WinINet's time-outs set to `timeOutMs`. Returns
    // nullptr, with the reason in GetLastError, when no worker can be started.
    static std::shared_ptr<CUrlFetch> Start(const fw::HttpTarget& target, DWORD timeOutMs);

    // True once the fetch has ended, waiting at most `milliseconds` for it.
    bool WaitEnded(DWORD milliseconds) const;

    // Nobody waits for the result any more: reading stops at its next chunk.
    void Abandon() { m_bAbandoned = true; }

    // The result, to be read only once WaitEnded gave true.
    Stage m_stage = Stage::SessionFailed;
    DWORD m_dwError = 0;
    DWORD m_dwTimeMs = kNoTime;
    std::string m_body;

private:
    CUrlFetch(const fw::HttpTarget& target, DWORD timeOutMs);
    static unsigned __stdcall WorkerMain(void* param);
    void Fetch();
    DWORD ReadBody(fw::CHttpFile& file);

    const fw::HttpTarget m_target;
    const DWORD m_dwTimeOut;
    fw::CHandle m_ended;  // set when the fetch has ended
    std::atomic<bool> m_bAbandoned{false};
};
