#include "engine/ParameterLine.h"

#include <windows.h>

namespace {

// `c` as the 8-bit command line shows it: the code page's one ASCII character for it
// where it has one (best fit included), else `c` itself.
wchar_t AnsiFormOf(wchar_t c) {
    if (c < 0x80) return c;
    char bytes[4] = {};
    const int n = WideCharToMultiByte(CP_ACP, 0, &c, 1, bytes, sizeof bytes, nullptr, nullptr);
    const unsigned char first = static_cast<unsigned char>(bytes[0]);
    return n == 1 && first < 0x80 ? static_cast<wchar_t>(first) : c;
}

bool IsControl(wchar_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

bool ReadsAsBackslash(wchar_t c) { return AnsiFormOf(c) == L'\\'; }

bool IsDelimiter(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

std::wstring OneArgumentText(const std::wstring& value) {
    std::wstring result = value;
    for (wchar_t& c : result) {
        const wchar_t seen = AnsiFormOf(c);
        if (IsDelimiter(seen) || IsDelimiter(c)) c = L'-';
        else if (seen == L'"' || IsControl(c) || IsControl(seen)) c = L'_';
    }
    return result;
}

CParameterLine::CParameterLine(const std::wstring& text) {
    m_cells.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) m_cells.push_back({text[i], i});
}

bool CParameterLine::Contains(const std::wstring& token) const { return Text().find(token) != std::wstring::npos; }

// An empty value's mark is no character: a token may span it.
bool CParameterLine::MatchesAt(size_t i, const std::wstring& token, size_t& end) const {
    size_t k = 0;
    for (; i < m_cells.size() && k < token.size(); ++i) {
        if (m_cells[i].at == kEmptyValue) continue;
        if (m_cells[i].c != token[k]) return false;
        ++k;
    }
    end = i;
    return k == token.size() && !token.empty();
}

void CParameterLine::Replace(const std::wstring& token, const std::wstring& value) {
    std::vector<Cell> out;
    out.reserve(m_cells.size());
    size_t i = 0;
    while (i < m_cells.size()) {
        size_t end = 0;
        if (m_cells[i].at != kEmptyValue && MatchesAt(i, token, end)) {
            if (value.empty()) out.push_back({L'\0', kEmptyValue});
            for (wchar_t c : value) out.push_back({c, kInserted});
            i = end;
        } else {
            out.push_back(m_cells[i++]);
        }
    }
    m_cells.swap(out);
}

std::wstring CParameterLine::Text() const {
    std::wstring text;
    for (const Cell& cell : m_cells)
        if (cell.at != kEmptyValue) text += cell.c;
    return text;
}

std::vector<CParameterLine::Cell> CParameterLine::WithBackslashesDoubled() const {
    std::vector<bool> doubled(m_cells.size(), false);
    for (size_t q = 0; q < m_cells.size(); ++q) {
        if (m_cells[q].c != L'"' || m_cells[q].at >= kEmptyValue) continue;
        // Back over the run before the quote: the template's own backslashes come
        // straight before its quote there; any other is doubled.
        size_t ownFrom = m_cells[q].at;
        for (size_t j = q; j-- > 0;) {
            const Cell& cell = m_cells[j];
            if (cell.at == kEmptyValue) continue;
            if (!ReadsAsBackslash(cell.c)) break;
            if (ownFrom > 0 && cell.at == ownFrom - 1) --ownFrom;
            else { ownFrom = 0; doubled[j] = true; }
        }
    }
    std::vector<Cell> out;
    for (size_t i = 0; i < m_cells.size(); ++i) {
        out.push_back(m_cells[i]);
        if (doubled[i]) out.push_back(m_cells[i]);
    }
    return out;
}

std::wstring CParameterLine::ArgumentText() const {
    const std::vector<Cell> cells = WithBackslashesDoubled();
    std::wstring text;
    bool inQuotes = false, inArgument = false;
    size_t backslashes = 0;
    for (size_t i = 0; i < cells.size(); ++i) {
        const Cell& cell = cells[i];
        if (cell.at == kEmptyValue) {
            size_t next = i + 1;
            while (next < cells.size() && cells[next].at == kEmptyValue) ++next;
            if (!inQuotes && !inArgument && (next == cells.size() || IsDelimiter(cells[next].c))) {
                text += L"\"\"";
                inArgument = true;
            }
            continue;
        }
        const wchar_t c = cell.c;
        text += c;
        if (c == L'\\') {
            ++backslashes;
            inArgument = true;
            continue;
        }
        if (c == L'"' && backslashes % 2 == 0) {
            // As the current C runtime reads it: "" inside quotes is a literal quote.
            size_t next = i + 1;
            while (next < cells.size() && cells[next].at == kEmptyValue) ++next;
            if (inQuotes && next < cells.size() && cells[next].c == L'"') {
                text += L'"';
                i = next;
            } else {
                inQuotes = !inQuotes;
            }
        }
        backslashes = 0;
        if (!inQuotes && IsDelimiter(c)) inArgument = false;
        else inArgument = true;
    }
    return text;
}
