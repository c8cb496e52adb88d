#include <gtest/gtest.h>

#include "model/DeviceNames.h"

// A file named after a device is the device, whatever its extension or case.
TEST(DeviceNames, TheNamePartBeforeTheFirstDot) {
    const struct {
        const wchar_t* name;
        bool device;
    } cases[] = {
        {L"CON", true},          {L"con.txt", true},         {L"nul.example_Ping_IPv4.txt", true},
        {L"Aux.a.b", true},      {L"prn .ini", true},        {L"COM1", true},
        {L"lpt9.log", true},     {L"cOm5.x", true},          {L"COM0", false},
        {L"LPT10", false},       {L"COM", false},            {L"CONSOLE", false},
        {L"nul_Ping_IPv4.txt", false}, {L"_nul.example", false}, {L" nul.txt", false},
        {L"x.nul", false},       {L"", false},               {L"AUX1", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsReservedDeviceName(c.name), c.device) << c.name;
}
