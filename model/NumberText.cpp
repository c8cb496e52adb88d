#include "model/NumberText.h"

#include <cwctype>

namespace {

size_t SkipSpaceAndSign(const std::wstring& text, bool& negative) {
    size_t i = 0;
    while (i < text.size() && std::iswspace(text[i])) ++i;
    negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }
    return i;
}

int DigitValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'z') return c - L'a' + 10;
    if (c >= L'A' && c <= L'Z') return c - L'A' + 10;
    return 99;
}

}  // namespace

int32_t ParseSignedDecimal(const std::wstring& text) {
    bool negative = false;
    size_t i = SkipSpaceAndSign(text, negative);
    int64_t value = 0;
    bool overflow = false;
    for (; i < text.size() && DigitValue(text[i]) < 10; ++i) {
        if (!overflow) {
            value = value * 10 + DigitValue(text[i]);
            if (value > 2147483648LL) overflow = true;
        }
    }
    if (negative) value = -value;
    if (overflow || value > 2147483647LL) return negative ? INT32_MIN : INT32_MAX;
    if (value < -2147483648LL) return INT32_MIN;
    return static_cast<int32_t>(value);
}

uint32_t ParseUnsignedAutoBase(const std::wstring& text) {
    bool negative = false;
    size_t i = SkipSpaceAndSign(text, negative);
    int base = 10;
    if (i < text.size() && text[i] == L'0') {
        if (i + 2 < text.size() + 0 && (text[i + 1] == L'x' || text[i + 1] == L'X') &&
            DigitValue(text[i + 2]) < 16) {
            base = 16;
            i += 2;
        } else {
            base = 8;
        }
    }
    uint64_t value = 0;
    bool overflow = false;
    for (; i < text.size() && DigitValue(text[i]) < base; ++i) {
        if (!overflow) {
            value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(DigitValue(text[i]));
            if (value > 0xFFFFFFFFull) overflow = true;
        }
    }
    if (overflow) return 0xFFFFFFFFu;
    uint32_t result = static_cast<uint32_t>(value);
    return negative ? static_cast<uint32_t>(0u - result) : result;
}
