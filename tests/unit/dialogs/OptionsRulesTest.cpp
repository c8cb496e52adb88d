// The Options dialog's rules: box-size clamps, up-down steps and the start-with-Windows
// value (its name and data per instance, and how a stored value is read).
#include <gtest/gtest.h>

#include <windows.h>

#include "dialogs/OptionsRules.h"
#include "dialogs/StartWithWindows.h"
#include "framework/Handle.h"

TEST(OptionsRules, BoxSizesClampToTheirRanges) {
    const struct {
        UINT typed;
        ValueRange range;
        bool balloon;
        UINT left;  // after leaving the edit
    } cases[] = {
        {250, kBoxWidthRange, true, 200}, {5, kBoxWidthRange, true, 60},     {0, kBoxWidthRange, true, 60},
        {59, kBoxWidthRange, true, 60},   {60, kBoxWidthRange, false, 60},   {200, kBoxWidthRange, false, 200},
        {201, kBoxWidthRange, true, 200}, {151, kBoxHeightRange, true, 150}, {150, kBoxHeightRange, false, 150},
        {200, kBoxHeightRange, true, 150}, {4294967295u, kBoxHeightRange, true, 150},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsOutOfRange(c.typed, c.range), c.balloon) << c.typed;
        EXPECT_EQ(ClampToRange(c.typed, c.range), c.left) << c.typed;
    }
}

TEST(OptionsRules, UpDownStepsStayInRange) {
    const struct {
        int position, clicks, step;
        ValueRange range;
        UINT after;
    } cases[] = {
        {3000, 1, kTimeOutStepMs, kTimeOutRange, 3500},  {3000, -1, kTimeOutStepMs, kTimeOutRange, 2500},
        {1500, -1, kTimeOutStepMs, kTimeOutRange, 1500}, {9800, 1, kTimeOutStepMs, kTimeOutRange, 10000},
        {3200, -3, kTimeOutStepMs, kTimeOutRange, 1700}, {200, 1, 1, kBoxWidthRange, 200},
        {110, -1, 1, kBoxWidthRange, 109},               {60, -1, 1, kBoxHeightRange, 60},
        {250, -1, 1, kBoxWidthRange, 200},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PositionAfterStep(c.position, c.clicks, c.step, c.range), c.after) << c.position << " " << c.clicks;
}

TEST(OptionsRules, RunValuePerInstance) {
    const wchar_t path[] = L"C:\\Program Files\\Orvalen\\Orvalen.exe";
    const struct {
        int instance;
        const wchar_t* name;  // nullptr: no value
        const wchar_t* data;
    } cases[] = {
        {-1, nullptr, nullptr},
        {0, L"Orvalen", L"\"C:\\Program Files\\Orvalen\\Orvalen.exe\""},
        {1, L"Orvalen II", L"\"C:\\Program Files\\Orvalen\\Orvalen.exe\" /secondary"},
        {2, L"Orvalen III", L"\"C:\\Program Files\\Orvalen\\Orvalen.exe\" /tertiary"},
        {3, L"Orvalen IV", L"\"C:\\Program Files\\Orvalen\\Orvalen.exe\" /quaternary"},
        {4, L"Orvalen V", L"\"C:\\Program Files\\Orvalen\\Orvalen.exe\" /quinary"},
        {5, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        RunValue value;
        ASSERT_EQ(MakeRunValue(c.instance, path, value), c.name != nullptr) << c.instance;
        if (!c.name) continue;
        EXPECT_EQ(value.name, c.name);
        EXPECT_EQ(value.data, c.data);
    }
}

// A scratch key stands for the Run key.
class StartWithWindowsTest : public ::testing::Test {
protected:
    static constexpr const wchar_t* kKey = L"Software\\Orvalen unit tests\\Run";
    const std::wstring m_path = L"C:\\Apps\\Orvalen.exe";
    void SetUp() override {
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, m_key.Receive(),
                                  nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        m_key.Reset();  // closed before its tree is deleted
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Orvalen unit tests");
    }
    // Unterminated: the text's bytes alone (a number's four bytes). Wine adds a missing
    // terminator when it reads a string back, so no unterminated string is tried.
    void StoreText(const wchar_t* name, DWORD type, const std::wstring& text, bool terminated = true) {
        DWORD bytes = static_cast<DWORD>((text.size() + (terminated ? 1 : 0)) * sizeof(wchar_t));
        ASSERT_EQ(RegSetValueExW(m_key, name, 0, type, reinterpret_cast<const BYTE*>(text.c_str()), bytes),
                  ERROR_SUCCESS);
    }
    fw::CRegKey m_key;
};

TEST_F(StartWithWindowsTest, StoredValueShowsTheCheckBox) {
    const std::wstring data = L"\"C:\\Apps\\Orvalen.exe\" /tertiary";
    const struct {
        const char* what;
        const wchar_t* name;  // nullptr: nothing stored
        DWORD type;
        std::wstring text;
        bool terminated;
        bool checked;
    } cases[] = {
        {"missing", nullptr, REG_SZ, L"", true, false},
        {"exact", L"Orvalen III", REG_SZ, data, true, true},
        {"case only", L"Orvalen III", REG_SZ, L"\"c:\\APPS\\orvalen.EXE\" /TERTIARY", true, true},
        {"expandable", L"Orvalen III", REG_EXPAND_SZ, data, true, true},
        {"number", L"Orvalen III", REG_DWORD, std::wstring(L"\1\0", 2), false, false},
        {"other path", L"Orvalen III", REG_SZ, L"\"C:\\Old\\Orvalen.exe\" /tertiary", true, false},
        {"other instance's", L"Orvalen II", REG_SZ, data, true, false},
        {"256 characters", L"Orvalen III", REG_SZ, std::wstring(256, L'a'), true, false},
    };
    for (const auto& c : cases) {
        RegDeleteValueW(m_key, L"Orvalen III");
        RegDeleteValueW(m_key, L"Orvalen II");
        if (c.name) StoreText(c.name, c.type, c.text, c.terminated);
        EXPECT_EQ(ReadStartWithWindows(2, m_path, kKey), std::optional<bool>(c.checked)) << c.what;
    }
    // Neither an instance out of range nor a key that does not open decides anything.
    EXPECT_EQ(ReadStartWithWindows(5, m_path, kKey), std::nullopt);
    EXPECT_EQ(ReadStartWithWindows(2, m_path, L"Software\\Orvalen unit tests\\Missing"), std::nullopt);
}

TEST_F(StartWithWindowsTest, WrittenAsAStringAndDeleted) {
    StoreText(L"Orvalen IV", REG_EXPAND_SZ, L"\"C:\\Old\\Orvalen.exe\" /quaternary");
    EXPECT_EQ(WriteStartWithWindows(3, true, m_path, kKey), static_cast<DWORD>(ERROR_SUCCESS));
    wchar_t stored[300] = {};
    DWORD type = 0, bytes = sizeof(stored);
    ASSERT_EQ(RegQueryValueExW(m_key, L"Orvalen IV", nullptr, &type, reinterpret_cast<BYTE*>(stored), &bytes),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(stored, L"\"C:\\Apps\\Orvalen.exe\" /quaternary");
    EXPECT_EQ(bytes, (wcslen(stored) + 1) * sizeof(wchar_t));
    EXPECT_EQ(WriteStartWithWindows(3, false, m_path, kKey), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(RegQueryValueExW(m_key, L"Orvalen IV", nullptr, nullptr, nullptr, nullptr), ERROR_FILE_NOT_FOUND);
    // Off when it is off already is no failure.
    EXPECT_EQ(WriteStartWithWindows(3, false, m_path, kKey), static_cast<DWORD>(ERROR_SUCCESS));
}

// However long the program's path, the value written for it reads back as this program's
// (a value cut at a fixed length would clear the box, and the next OK would delete it).
TEST_F(StartWithWindowsTest, AValueOfAnyLengthReadsWhole) {
    const struct {
        int instance;
        size_t pathChars;
    } cases[] = {{3, 241}, {3, 242}, {0, 300}, {4, 2000}};
    for (const auto& c : cases) {
        const std::wstring path = L"C:\\" + std::wstring(c.pathChars - 15, L'd') + L"\\Orvalen.exe";
        ASSERT_EQ(path.size(), c.pathChars);
        ASSERT_EQ(WriteStartWithWindows(c.instance, true, path, kKey), static_cast<DWORD>(ERROR_SUCCESS));
        EXPECT_EQ(ReadStartWithWindows(c.instance, path, kKey), std::optional<bool>(true)) << c.pathChars;
        EXPECT_EQ(ReadStartWithWindows(c.instance, path + L"x", kKey), std::optional<bool>(false)) << c.pathChars;
    }
}
