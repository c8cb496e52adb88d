#include "engine/CallWorker.h"

#include "framework/Thread.h"

CCallWorker::CCallWorker()
    : m_request(fw::NewEvent(false, false)), m_ended(fw::NewEvent(true, true)) {}

std::shared_ptr<CCallWorker> CCallWorker::Start(UINT stackSize) {
    std::shared_ptr<CCallWorker> worker(new CCallWorker());
    if (!worker->m_request.Valid() || !worker->m_ended.Valid()) return nullptr;
    // The thread holds its own reference, so a retired worker outlives its monitor.
    auto threadReference = std::make_unique<std::shared_ptr<CCallWorker>>(worker);
    if (!fw::BeginDetachedThread(&CCallWorker::WorkerMain, threadReference.get(), stackSize)) return nullptr;
    threadReference.release();  // the thread's now
    return worker;
}

void CCallWorker::Begin(std::function<void()> call) {
    m_call = std::move(call);
    ResetEvent(m_ended.Get());
    m_bCallHanded = true;
    SetEvent(m_request.Get());
}

void CCallWorker::Retire() {
    m_bRetired = true;
    SetEvent(m_request.Get());
}

bool CCallWorker::WaitEnded(DWORD milliseconds) const {
    return WaitForSingleObject(m_ended.Get(), milliseconds) == WAIT_OBJECT_0;
}

unsigned __stdcall CCallWorker::WorkerMain(void* param) {
    std::unique_ptr<std::shared_ptr<CCallWorker>> reference(static_cast<std::shared_ptr<CCallWorker>*>(param));
    CCallWorker& worker = **reference;
    for (;;) {
        WaitForSingleObject(worker.m_request.Get(), INFINITE);
        // A call handed over before the retirement is still made.
        if (worker.m_bCallHanded.exchange(false)) {
            worker.m_call();
            worker.m_call = nullptr;
            SetEvent(worker.m_ended.Get());
        }
        if (worker.m_bRetired) break;
    }
    return 0;
}
