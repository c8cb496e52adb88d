#pragma once
// One INI file, read and written through the system's private-profile calls, key by
// key or several keys of a section at once. Nothing is cached: a value written is what
// the next read returns.
#include <string>
#include <utility>
#include <vector>
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
    // Several keys of one section, each text as WriteString writes it, in one rewrite of
    // the file (the platform rewrites the whole file for every key written: a section's
    // keys one by one held a dialog's OK for hundreds of milliseconds, more on a busy
    // machine). The section's other lines keep their place; a key it lacks is added at
    // its end.
    using KeyTexts = std::vector<std::pair<std::wstring, std::wstring>>;
    BOOL WriteKeys(const std::wstring& section, const KeyTexts& keys);

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
    // The section's lines ("key=value", as stored), in file order.
    std::vector<std::wstring> ReadSectionLines(const std::wstring& section) const;
    // A text as it is stored: one line, with protective quotes where needed.
    static std::wstring StoredText(std::wstring value);

    std::wstring m_strPath;
};
