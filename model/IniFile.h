#pragma once
// One INI file, read and written key by key through the system's private-profile
// calls. Nothing is cached: a value written is what the next read returns.
#include <string>
#include <windows.h>

class CIniFile {
public:
    CIniFile();
    virtual ~CIniFile();

    // The longest value that reads back whole: longer ones arrive cut to this.
    static constexpr size_t kValueChars = 255;

    void SetPath(std::wstring path);
    const std::wstring& GetPath() const { return m_strPath; }

    BOOL WriteString(std::wstring section, std::wstring key, std::wstring value);
    BOOL WriteInt(std::wstring section, std::wstring key, int32_t value);
    BOOL WriteULong(std::wstring section, std::wstring key, uint32_t value);

    int32_t ReadInt(std::wstring section, std::wstring key, int32_t defaultValue);
    uint32_t ReadULong(std::wstring section, std::wstring key, uint32_t defaultValue);
    std::wstring ReadString(std::wstring section, std::wstring key, std::wstring defaultValue);

    // The value as it must be written so that the platform reads it back unchanged.
    static std::wstring QuoteForProfile(const std::wstring& value);

private:
    bool ReadRaw(const std::wstring& section, const std::wstring& key, const std::wstring& defaultText,
                 std::wstring& text);
    BOOL WriteRaw(const std::wstring& section, const std::wstring& key, const std::wstring& text);
    void CreateUnicodeFileIfMissing();

    std::wstring m_strPath;
};
