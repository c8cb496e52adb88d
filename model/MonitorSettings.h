#pragma once
// The persisted settings of one monitor: the 42 keys of its "Box %d" section, in the
// saving order. A plain copyable value: the record holds one beside its run-time state,
// a monitoring thread takes a copy in one assignment, the box menu's Duplicate copies it
// whole. The keys, forms, defaults and limits are described in model/SettingKeys.h.
#include <atomic>
#include <cstdint>
#include <string>
#include <windows.h>

// A switch that the UI thread may clear while a monitoring thread reads it.
class AtomicU32 {
public:
    AtomicU32(uint32_t v = 0) : m_v(v) {}
    AtomicU32(const AtomicU32& other) : m_v(other.m_v.load()) {}
    AtomicU32& operator=(const AtomicU32& other) {
        m_v.store(other.m_v.load());
        return *this;
    }
    AtomicU32& operator=(uint32_t v) {
        m_v.store(v);
        return *this;
    }
    operator uint32_t() const { return m_v.load(); }

private:
    std::atomic<uint32_t> m_v;
};

struct MonitorSettings {
    std::wstring Name;
    int PicTypeUp = 0;
    int PicTypeDown = 0;
    COLORREF BoxColorUp = 0;
    COLORREF BoxColorDown = 0;
    COLORREF TextColorUp = 0;
    COLORREF TextColorDown = 0;
    std::wstring PicFileUp;
    std::wstring PicFileDown;
    std::wstring IPorURLAddress;
    UINT IPv = 0;
    UINT Port = 0;
    UINT CheckMethod = 0;
    AtomicU32 Sound = 0;      // 8-bit mask; cleared by the UI thread in running copies
    UINT Logging = 0;         // carried and written back; nothing depends on it
    AtomicU32 MsgBox = 0;
    std::wstring CustSoundPathUp, CustSoundPathDown, CustSoundPathOpen, CustSoundPathClose,
        CustSoundTcpPathDown, CustSoundPathSnF;
    UINT CustomSoundCheck = 0;
    std::wstring TextSpeechStringUp, TextSpeechStringDown, TextSpeechStringOpen, TextSpeechStringClose,
        TextSpeechStringTDown, TextSpeechStringSnF;
    UINT TextSpeechCheck = 0;
    std::wstring ExecFilePath;
    std::wstring ExecFileParam;
    UINT ExecFileStatusCheck = 0;
    AtomicU32 ExecFileCheck = 0;
    UINT nMSGB = 0;
    UINT nPS = 0;
    UINT nEF = 0;
    std::wstring MsgBoxDesc;
    std::wstring Phrase;
    UINT CheckInterval = 0;
    UINT Disabled = 0;
    std::wstring NetUserName;

    MonitorSettings& Settings() { return *this; }
    const MonitorSettings& Settings() const { return *this; }
};
