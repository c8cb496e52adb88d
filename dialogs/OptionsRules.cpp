#include "dialogs/OptionsRules.h"

#include "model/Instances.h"

UINT PositionAfterStep(int position, int clicks, int stepSize, ValueRange range) {
    long long target = static_cast<long long>(position) + static_cast<long long>(clicks) * stepSize;
    if (target < static_cast<long long>(range.low)) return range.low;
    if (target > static_cast<long long>(range.high)) return range.high;
    return static_cast<UINT>(target);
}

bool MakeRunValue(int instance, const std::wstring& programPath, RunValue& value) {
    static const wchar_t* const kNames[kInstanceCount] = {L"Orvalen", L"Orvalen II", L"Orvalen III", L"Orvalen IV",
                                                          L"Orvalen V"};
    if (instance < 0 || instance >= kInstanceCount) return false;
    value.name = kNames[instance];
    value.data = L"\"" + programPath + L"\"";
    if (instance > 0) value.data += L" " + InstanceSwitch(instance);
    return true;
}

namespace {
std::wstring Lowered(std::wstring text) {
    if (!text.empty()) CharLowerBuffW(&text[0], static_cast<DWORD>(text.size()));
    return text;
}
}  // namespace

bool RunDataMatches(const std::wstring& stored, const std::wstring& expected) {
    return Lowered(stored) == Lowered(expected);
}
