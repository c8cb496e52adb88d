#include "model/IniFile.h"

#include "framework/Handle.h"
#include "framework/StringUtil.h"
#include "model/NumberText.h"

namespace {
// Values are cut to kValueChars (255), as the profile calls' classic 256-character
// buffer gives them. The platform is read with more room, so that a value it stored with
// our protective quotes (two characters more) arrives whole before the cut.
constexpr DWORD kReadChars = 4096;
}

CIniFile::CIniFile() = default;
CIniFile::~CIniFile() = default;

void CIniFile::SetPath(std::wstring path) { m_strPath = std::move(path); }

// The platform strips one pair of outer quotes (double or single) and outer white space
// (blanks, tabs, line and page breaks, the end-of-file mark 0x1A) from a value when it
// reads it back. Such values get one extra pair of double quotes, so they read back as
// written.
std::wstring CIniFile::QuoteForProfile(const std::wstring& value) {
    if (value.empty()) return value;
    auto isStripped = [](wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r') || c == 0x1A; };
    auto isQuote = [](wchar_t c) { return c == L'"' || c == L'\''; };
    bool quoted = isQuote(value.front()) && value.back() == value.front();
    bool padded = isStripped(value.front()) || isStripped(value.back());
    if (quoted || padded) return L"\"" + value + L"\"";
    return value;
}

// A new file starts with a UTF-16LE byte-order mark, so the platform writes every
// character; existing files are left in their own encoding.
void CIniFile::CreateUnicodeFileIfMissing() {
    if (m_strPath.empty()) return;
    fw::CFileHandle file = fw::OpenFileHandle(m_strPath, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, CREATE_NEW);
    if (!file.Valid()) return;  // exists already, or cannot be made
    static const BYTE bom[2] = {0xFF, 0xFE};
    DWORD written = 0;
    WriteFile(file, bom, sizeof(bom), &written, nullptr);
}

BOOL CIniFile::WriteRaw(const std::wstring& section, const std::wstring& key, const std::wstring& text) {
    CreateUnicodeFileIfMissing();
    return WritePrivateProfileStringW(section.c_str(), key.c_str(), text.c_str(), m_strPath.c_str());
}

std::wstring CIniFile::StoredText(std::wstring value) {
    // A line break would start a new line in the file: a key or a section of its own.
    for (wchar_t& c : value)
        if (c == L'\r' || c == L'\n') c = L' ';
    return QuoteForProfile(value);
}

BOOL CIniFile::WriteString(std::wstring section, std::wstring key, std::wstring value) {
    return WriteRaw(section, key, StoredText(std::move(value)));
}

std::vector<std::wstring> CIniFile::ReadSectionLines(const std::wstring& section) const {
    // The platform answers size - 2 when the section did not fit: read again with more room.
    std::wstring buffer(32768, L'\0');
    DWORD n = 0;
    for (;;) {
        n = GetPrivateProfileSectionW(section.c_str(), &buffer[0], static_cast<DWORD>(buffer.size()),
                                      m_strPath.c_str());
        if (n + 2 < buffer.size() || buffer.size() >= (1u << 24)) break;
        buffer.assign(buffer.size() * 2, L'\0');
    }
    std::vector<std::wstring> lines;
    for (size_t at = 0; at < n && buffer[at];) {
        lines.emplace_back(buffer.c_str() + at);
        at += lines.back().size() + 1;
    }
    return lines;
}

BOOL CIniFile::WriteKeys(const std::wstring& section, const KeyTexts& keys) {
    std::vector<bool> placed(keys.size(), false);
    std::wstring block;  // the section's lines, each ended by a zero
    auto place = [&](size_t i) {
        block += keys[i].first + L"=" + StoredText(keys[i].second);
        block += L'\0';
        placed[i] = true;
    };
    // Each key takes the place of its first line, as a single write would; a later line
    // of the same key, and every other line, stays as it is.
    for (const std::wstring& line : ReadSectionLines(section)) {
        // A name written with blanks around it ("Name =x") is the same key.
        std::wstring name = line.substr(0, line.find(L'='));
        name.erase(name.find_last_not_of(L" \t") + 1);
        name.erase(0, name.find_first_not_of(L" \t"));
        size_t i = 0;
        while (i < keys.size() && (placed[i] || lstrcmpiW(keys[i].first.c_str(), name.c_str()) != 0)) ++i;
        if (i < keys.size()) {
            place(i);
        } else {
            block += line;
            block += L'\0';
        }
    }
    for (size_t i = 0; i < keys.size(); ++i)
        if (!placed[i]) place(i);
    block += L'\0';
    CreateUnicodeFileIfMissing();
    return WritePrivateProfileSectionW(section.c_str(), block.c_str(), m_strPath.c_str());
}

BOOL CIniFile::WriteInt(std::wstring section, std::wstring key, int32_t value) {
    return WriteRaw(section, key, fw::Format(L"%d", value));
}

BOOL CIniFile::WriteULong(std::wstring section, std::wstring key, uint32_t value) {
    return WriteRaw(section, key, fw::Format(L"%lu", static_cast<unsigned long>(value)));
}

bool CIniFile::ReadRaw(const std::wstring& section, const std::wstring& key, const std::wstring& defaultText,
                       std::wstring& text) {
    std::wstring buffer(kReadChars, L'\0');
    DWORD n = GetPrivateProfileStringW(section.c_str(), key.c_str(), defaultText.c_str(), &buffer[0], kReadChars,
                                       m_strPath.c_str());
    text.assign(buffer, 0, n < kValueChars ? n : kValueChars);
    return n != 0;
}

int32_t CIniFile::ReadInt(std::wstring section, std::wstring key, int32_t defaultValue) {
    std::wstring text;
    if (!ReadRaw(section, key, fw::Format(L"%lu", static_cast<unsigned long>(static_cast<uint32_t>(defaultValue))),
                 text))
        return 0;
    return ParseSignedDecimal(text);
}

uint32_t CIniFile::ReadULong(std::wstring section, std::wstring key, uint32_t defaultValue) {
    std::wstring text;
    if (!ReadRaw(section, key, fw::Format(L"%lu", static_cast<unsigned long>(defaultValue)), text)) return 0;
    return ParseUnsignedAutoBase(text);
}

std::wstring CIniFile::ReadString(std::wstring section, std::wstring key, std::wstring defaultValue) {
    std::wstring text;
    ReadRaw(section, key, defaultValue, text);
    return text;
}
