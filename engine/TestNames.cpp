#include "engine/TestNames.h"

#include "model/MonitorTypes.h"
#include "model/NetErrorCodes.h"

namespace {
const wchar_t* const kTestNames[] = {L"*ERROR*", L"*IP ERROR*", L"*URL ERROR*", L"*Up*",  L"*Open*",
                                     L"*Down*",  L"*Closed*",   L"*RAND*",      L"*SnF*"};
}

bool IsTestName(const std::wstring& name) {
    for (const wchar_t* test : kTestNames)
        if (name == test) return true;
    return false;
}

TestOutcome ApplyTestName(const std::wstring& name, UINT method, CCrtRand& rng, const TestOutcome& current) {
    TestOutcome out = current;
    if (name == L"*RAND*") {
        out.timeMs = static_cast<DWORD>(rng.Next() % 3);
        out.error = 0;
        int r = 0;
        if (method == METHOD_PING)
            r = rng.Next() % 4 + 1;
        else if (method == METHOD_TCP || method == METHOD_URL)
            r = rng.Next() % 5 + 1;
        switch (r) {
        case 1: out.status = MON_ADDR_ERROR; break;
        case 2: out.status = MON_ERROR; break;
        case 3: out.status = MON_UP; break;
        case 4:
            out.status = MON_DOWN;
            if (method == METHOD_PING) {
                out.error = 0;
                if (rng.Next() % 2 == 1) out.ipStatus = kIpDestHostUnreachable;
            } else if (method == METHOD_TCP) {
                out.error = (rng.Next() % 2 == 1) ? kWsaHostUnreachable : 0;
            } else {
                out.error = (rng.Next() % 2 == 1) ? kInternetCannotConnect : 0;
            }
            break;
        case 5: out.status = MON_CLOSED; break;
        default: break;  // no check for this method: the status stays as it was
        }
        return out;
    }
    struct Fixed {
        const wchar_t* name;
        int status;
    };
    static const Fixed kFixed[] = {{L"*ERROR*", MON_ERROR},  {L"*IP ERROR*", MON_ADDR_ERROR},
                                   {L"*URL ERROR*", MON_ADDR_ERROR}, {L"*Up*", MON_UP},
                                   {L"*Open*", MON_UP},      {L"*Down*", MON_DOWN},
                                   {L"*Closed*", MON_CLOSED}, {L"*SnF*", MON_CLOSED}};
    for (const Fixed& f : kFixed) {
        if (name == f.name) {
            out.status = f.status;
            out.timeMs = 0;
            out.error = 0;
            return out;
        }
    }
    return out;
}
