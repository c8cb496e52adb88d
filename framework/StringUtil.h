#pragma once
// Small text helpers used throughout the program.
#include <string>
#include <windows.h>

namespace fw {

// printf-style formatting into a wide string.
std::wstring Format(const wchar_t* format, ...);
std::string FormatA(const char* format, ...);

// Replaces every occurrence of `from` (non-empty) by `to`; returns the number replaced.
int ReplaceAll(std::wstring& text, const std::wstring& from, const std::wstring& to);

// Conversions between wide text and 8-bit text of the given code page (default: ANSI).
std::wstring ToWide(const std::string& text, UINT codePage = CP_ACP);
std::string ToNarrow(const std::wstring& text, UINT codePage = CP_ACP);

// The text of a window or control.
std::wstring GetWindowTextString(HWND hwnd);

// The text without its trailing blanks, tabs and line breaks.
std::wstring TrimLineEnd(std::wstring text);

// The full path of the running program file; empty when the platform gives none.
std::wstring ProgramPath();

}  // namespace fw
