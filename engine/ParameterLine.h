#pragma once
// A program's parameters built from a template by inserting values, and the rule that
// keeps each inserted value inside its argument. A launched program's C runtime splits
// its command line at blanks and tabs outside quotes, and before a quote reads 2n
// backslashes as n and a delimiting quote, 2n+1 as n and a literal quote; a program with
// an 8-bit main() reads the line the system converts to the ANSI code page, best fit,
// where a fullwidth quote is a quote and an ideographic space a blank.
#include <cstddef>
#include <string>
#include <vector>

// `value` with what would split, join or end arguments replaced, in either form of the
// command line: blanks and tabs become "-", quotes and other control characters "_".
// Backslashes stay (CParameterLine::ArgumentText doubles those a quote follows).
std::wstring OneArgumentText(const std::wstring& value);

class CParameterLine {
public:
    explicit CParameterLine(const std::wstring& text);

    bool Contains(const std::wstring& token) const;

    // Replaces every occurrence of `token`, left to right; the text a replacement
    // inserts is not searched again for this token, but is for later ones.
    void Replace(const std::wstring& token, const std::wstring& value);

    // The line as the replacements left it.
    std::wstring Text() const;

    // The line for a program's C runtime: a backslash that stands before a quote only
    // because of an inserted value (its own, or the template's brought there by it) is
    // doubled, so that it reaches the program as one backslash and the quote keeps the
    // template's meaning; an empty value that made up a whole unquoted argument becomes
    // "", so that no argument goes missing.
    std::wstring ArgumentText() const;

private:
    struct Cell {
        wchar_t c;
        size_t at;  // index in the template, or kInserted / kEmptyValue
    };
    static constexpr size_t kInserted = static_cast<size_t>(-1);
    static constexpr size_t kEmptyValue = static_cast<size_t>(-2);  // a mark without a character

    bool MatchesAt(size_t i, const std::wstring& token, size_t& end) const;
    std::vector<Cell> WithBackslashesDoubled() const;

    std::vector<Cell> m_cells;
};
