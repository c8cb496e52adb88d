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
        // The superscript one, two and three name ports too; no other superscript does.
        {L"COM\u00B9", true},    {L"lpt\u00B2.txt", true},   {L"Com\u00B3 .log", true},
        {L"LPT\u00B9 ", true},   {L"com\u00B2.", true},      {L"LPT\u00B3.a.b", true},
        {L"COM\u2074", false},   {L"LPT\u2070", false},      {L"COM\u00B9\u00B9", false},
        {L"CON\u00B9", false},   {L"COM\u00BD", false},      {L" com\u00B9", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsReservedDeviceName(c.name), c.device) << c.name;
}
