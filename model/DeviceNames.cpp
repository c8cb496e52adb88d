#include "model/DeviceNames.h"

#include <cwctype>

bool IsReservedDeviceName(const std::wstring& fileName) {
    // The device part ends at the first dot; blanks before it do not count.
    std::wstring base = fileName.substr(0, fileName.find(L'.'));
    while (!base.empty() && base.back() == L' ') base.pop_back();
    for (wchar_t& c : base) c = static_cast<wchar_t>(std::towupper(c));
    if (base == L"CON" || base == L"PRN" || base == L"AUX" || base == L"NUL") return true;
    if (base.size() != 4 || (base.compare(0, 3, L"COM") != 0 && base.compare(0, 3, L"LPT") != 0)) return false;
    // The superscript digits one, two and three name the same ports.
    const wchar_t digit = base[3];
    return (digit >= L'1' && digit <= L'9') || digit == L'\u00B9' || digit == L'\u00B2' || digit == L'\u00B3';
}
