#include "engine/SoundThread.h"

#include <atomic>
#include <memory>
#include <mmsystem.h>
#include <objbase.h>
#include <sapi.h>

#include "engine/Placeholders.h"
#include "framework/ComPtr.h"

namespace {

std::atomic<SoundObserver> g_observer{nullptr};

// Speaks the text with the system voice and returns when it has been spoken.
void SpeakText(const std::wstring& text) {
    fw::CComInit com;
    if (!com.Ok()) return;
    fw::CComPtr<ISpVoice> voice;
    if (SUCCEEDED(CoCreateInstance(__uuidof(SpVoice), nullptr, CLSCTX_ALL, __uuidof(ISpVoice),
                                   voice.ReceiveVoid())) &&
        voice) {
        voice->SetPriority(SPVPRI_OVER);
        voice->Speak(text.c_str(), 0, nullptr);
    }
}

}  // namespace

const wchar_t* BuiltInSoundName(int status) {
    switch (status) {
    case MON_UP: return L"IDW_UP";
    case MON_DOWN:
    case MON_CLOSED: return L"IDW_DOWN";
    case MON_ERROR:
    case MON_ADDR_ERROR: return L"IDW_COMPERROR";
    case MON_VOLUME_TEST: return L"IDW_VOLTEST";
    default: return nullptr;
    }
}

SoundPlan PlanSound(const SoundRequest& request) {
    SoundPlan plan;
    if (request.bSpeak) {
        PlaceholderSubject subject;
        subject.name = request.strName;
        plan.kind = SoundPlan::Speak;
        plan.what = ExpandPlaceholders(request.strSpeech, PlaceholderUse::SpokenText, subject, SYSTEMTIME{});
    } else if (request.bCustomWav == 0) {
        if (const wchar_t* name = BuiltInSoundName(request.nStatus)) {
            plan.kind = SoundPlan::BuiltIn;
            plan.what = name;
        }
    } else if (request.bCustomWav == 1) {
        plan.kind = SoundPlan::File;
        plan.what = request.strWavFile;
    }
    return plan;
}

BOOL PlayWaveResource(const wchar_t* name) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, name, L"WAVE");
    if (!found) return FALSE;
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return FALSE;
    return sndPlaySoundW(static_cast<const wchar_t*>(data), SND_ASYNC | SND_MEMORY);
}

void CSoundThread::InitInstance() {
    SoundRequest request;
    request.nStatus = m_nStatus;
    request.strWavFile = m_strWavFile;
    request.bCustomWav = m_bCustomWav;
    request.bSpeak = m_bSpeak;
    request.strSpeech = m_strSpeech;
    request.strName = m_strName;
    const SoundPlan plan = PlanSound(request);
    if (SoundObserver observer = g_observer.load()) observer(plan);
    switch (plan.kind) {
    case SoundPlan::Speak: SpeakText(plan.what); break;
    case SoundPlan::BuiltIn: PlayWaveResource(plan.what.c_str()); break;
    case SoundPlan::File: PlaySoundW(plan.what.c_str(), nullptr, SND_FILENAME | SND_ASYNC); break;
    case SoundPlan::Nothing: break;
    }
}

bool StartSound(const SoundRequest& request) {
    auto thread = std::make_unique<CSoundThread>();
    if (!thread->CreateThread(CREATE_SUSPENDED)) return false;
    thread->m_nStatus = request.nStatus;
    thread->m_strWavFile = request.strWavFile;
    thread->m_bCustomWav = request.bCustomWav;
    thread->m_bSpeak = request.bSpeak;
    thread->m_strSpeech = request.strSpeech;
    thread->m_strName = request.strName;
    thread->m_bAutoDelete = true;
    thread.release()->ResumeThread();  // the thread deletes itself
    return true;
}

void SetSoundObserver(SoundObserver observer) { g_observer.store(observer); }
