#include "model/UserMenuFile.h"

#include "framework/StringUtil.h"

namespace {
const wchar_t kMainSection[] = L"Main";
const wchar_t kRowsKey[] = L"nrows";

std::wstring RowSection(int row) { return fw::Format(L"Row %d", row); }
}  // namespace

int UserMenuRowCount(uint32_t storedRows, UserMenuReader reader) {
    if (reader == UserMenuReader::BoxMenu) return storedRows > kCustomMenuItems ? kCustomMenuItems : static_cast<int>(storedRows);
    const int32_t rows = static_cast<int32_t>(storedRows);
    if (rows < 0) return 0;
    return rows > kCustomMenuItems ? kCustomMenuItems : rows;
}

std::vector<CustomMenuItem> ReadUserMenu(CIniFile& ini, UserMenuReader reader) {
    const int rows = UserMenuRowCount(ini.ReadULong(kMainSection, kRowsKey, 0), reader);
    const std::wstring noCaption = reader == UserMenuReader::BoxMenu ? L"Empty" : L"";
    std::vector<CustomMenuItem> items;
    for (int i = 0; i < rows; ++i) {
        const std::wstring section = RowSection(i);
        items.push_back({ini.ReadString(section, L"Caption", noCaption), ini.ReadString(section, L"Application", L""),
                         ini.ReadString(section, L"Parameters", L"")});
    }
    return items;
}

void WriteUserMenu(CIniFile& ini, const std::vector<CustomMenuItem>& items) {
    ini.WriteInt(kMainSection, kRowsKey, static_cast<int32_t>(items.size()));
    for (size_t i = 0; i < items.size(); ++i) {
        const std::wstring section = RowSection(static_cast<int>(i));
        ini.WriteString(section, L"Caption", items[i].Caption);
        ini.WriteString(section, L"Application", items[i].Application);
        ini.WriteString(section, L"Parameters", items[i].Parameters);
    }
}
