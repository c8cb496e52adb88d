#pragma once
// The Options dialog's rules that need no window: the box-size ranges and their clamps,
// the up-down steps (500 ms for the time-out), and the current user's Run value that
// starts an instance with Windows.
#include <string>
#include <windows.h>

#include "model/MainSettings.h"

struct ValueRange {
    UINT low;
    UINT high;
};

constexpr ValueRange kBoxWidthRange = {kMinBoxWidth, kMaxBoxWidth};
constexpr ValueRange kBoxHeightRange = {kMinBoxHeight, kMaxBoxHeight};
constexpr ValueRange kTimeOutRange = {1500, 10000};
constexpr int kTimeOutStepMs = 500;  // one click of the time-out up-down

inline bool IsOutOfRange(UINT value, ValueRange range) { return value < range.low || value > range.high; }
inline UINT ClampToRange(UINT value, ValueRange range) {
    return value < range.low ? range.low : value > range.high ? range.high : value;
}

// Where an up-down that does not wrap lands: `clicks` steps of `stepSize` from
// `position`, kept inside the range.
UINT PositionAfterStep(int position, int clicks, int stepSize, ValueRange range);

// The Run value of an instance: "Orvalen", "Orvalen II" ... "Orvalen V", holding the
// program path in double quotes followed, for instances 1 to 4, by a blank and the
// instance's switch. False for an instance outside 0..4 (no value at all).
struct RunValue {
    std::wstring name;
    std::wstring data;
};
bool MakeRunValue(int instance, const std::wstring& programPath, RunValue& value);

// A stored Run value starts this program when it equals the expected data but for
// letter case (the whole text).
bool RunDataMatches(const std::wstring& stored, const std::wstring& expected);
