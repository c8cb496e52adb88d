#include <gtest/gtest.h>

#include "model/NumberText.h"

struct SignedCase {
    const wchar_t* text;
    int32_t expected;
};

TEST(ParseSignedDecimal, FollowsDecimalRules) {
    const SignedCase cases[] = {
        {L"0", 0},          {L"-5", -5},        {L"+17", 17},        {L"  42", 42},
        {L"12abc", 12},     {L"abc", 0},        {L"", 0},            {L"0x1F", 0},
        {L"010", 10},       {L"0x10", 0},       {L"-", 0},           {L"2147483647", 2147483647},
        {L"2147483648", INT32_MAX},             {L"-2147483648", INT32_MIN},
        {L"-2147483649", INT32_MIN},            {L"4294967295", INT32_MAX},
        {L"99999999999999999999", INT32_MAX},   {L"-99999999999", INT32_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseSignedDecimal(c.text), c.expected) << c.text;
}

struct UnsignedCase {
    const wchar_t* text;
    uint32_t expected;
};

TEST(ParseUnsignedAutoBase, TakesBaseFromText) {
    const UnsignedCase cases[] = {
        {L"0", 0u},            {L"0x1F", 31u},        {L"0X1f", 31u},     {L"0x10", 16u},
        {L"010", 8u},          {L"09", 0u},           {L"-1", 4294967295u}, {L"-5", 4294967291u},
        {L"4294967295", 4294967295u},                 {L"4294967296", 4294967295u},
        {L"-99999999999", 4294967295u},               {L"12abc", 12u},    {L"abc", 0u},
        {L"  +7", 7u},         {L"0x", 0u},           {L"0xG", 0u},       {L"16699845", 16699845u},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseUnsignedAutoBase(c.text), c.expected) << c.text;
}
