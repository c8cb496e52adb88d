#pragma once
// Number parsing with exact, platform-independent rules (the C runtime's own
// converters differ between runtimes on overflow).
#include <cstdint>
#include <string>

// Signed 32-bit decimal: leading white space, optional sign, digits up to the first
// other character; no digits give 0; out of range gives the nearest limit.
int32_t ParseSignedDecimal(const std::wstring& text);

// Unsigned 32-bit with the base taken from the text ("0x" hexadecimal, leading 0
// octal, else decimal); a leading minus negates; out of range gives 4294967295.
uint32_t ParseUnsignedAutoBase(const std::wstring& text);
