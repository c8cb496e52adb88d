#pragma once
// Settings of the main window that the monitoring threads and their workers read
// while the UI thread may replace them. Numbers are atomic; texts are copied out
// under a lock. The object lives for the whole process (it is never destroyed), so a
// thread still ending after the window has gone reads valid memory.
#include <atomic>
#include <mutex>
#include <string>

class CSharedSettings {
public:
    static CSharedSettings& Get();

    std::atomic<int> EnableLog{0};
    std::atomic<int> LogEveryCheck{0};
    std::atomic<int> CustomSoundError{0};
    std::atomic<int> TextSpeechSoundError{0};
    std::atomic<int> RunningOnWine{0};

    std::wstring LogDir() const { return Read(m_logDir); }
    void SetLogDir(const std::wstring& v) { Write(m_logDir, v); }
    std::wstring CustomSoundPathError() const { return Read(m_customSoundPathError); }
    void SetCustomSoundPathError(const std::wstring& v) { Write(m_customSoundPathError, v); }
    std::wstring TextSpeechTextError() const { return Read(m_textSpeechTextError); }
    void SetTextSpeechTextError(const std::wstring& v) { Write(m_textSpeechTextError, v); }

private:
    CSharedSettings() = default;
    std::wstring Read(const std::wstring& field) const {
        std::lock_guard<std::mutex> lock(m_lock);
        return field;
    }
    void Write(std::wstring& field, const std::wstring& value) {
        std::lock_guard<std::mutex> lock(m_lock);
        field = value;
    }

    mutable std::mutex m_lock;
    std::wstring m_logDir;
    std::wstring m_customSoundPathError;
    std::wstring m_textSpeechTextError;
};
