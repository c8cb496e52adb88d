#include "model/Instances.h"

namespace {
const wchar_t* const kSwitches[kInstanceCount] = {L"", L"/secondary", L"/tertiary", L"/quaternary", L"/quinary"};
}  // namespace

int InstanceFromCommandLine(const std::wstring& commandLine) {
    int instance = 0;
    for (int i = 1; i < kInstanceCount; ++i)
        if (commandLine.find(kSwitches[i]) != std::wstring::npos) instance = i;
    return instance;
}

std::wstring InstanceSwitch(int instance) {
    return instance >= 0 && instance < kInstanceCount ? kSwitches[instance] : L"";
}

std::wstring InstanceMutexName(int instance) {
    if (instance < 0 || instance >= kInstanceCount) instance = 0;
    return std::wstring(L"K3A92D7E1-5B40-4C8E-A613-2F0D9B7C4E58") + static_cast<wchar_t>(L'A' + instance);
}

std::wstring InstanceWindowTitle(int instance) {
    static const wchar_t* const kTitles[] = {L"Orvalen ", L"Orvalen II", L"Orvalen III", L"Orvalen IV",
                                             L"Orvalen V"};
    if (instance < 0 || instance >= kInstanceCount) instance = 0;
    return kTitles[instance];
}
