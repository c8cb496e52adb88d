#pragma once
// The user's own box-menu commands and their file "MenuConf.ini", shared by every
// instance: [Main] "nrows", then sections "Row 0".."Row n-1" with "Caption",
// "Application" and "Parameters". Sections at or beyond "nrows", left from a longer
// list, stay in the file and are never read.
#include <cstdint>
#include <string>
#include <vector>

#include "model/IniFile.h"

// One command of the user's own box menu.
struct CustomMenuItem {
    std::wstring Caption;
    std::wstring Application;
    std::wstring Parameters;
};

constexpr int kCustomMenuItems = 7;

// Who reads the file: the editor shows what it will write back, the box menu shows a
// caption for every row it counts.
enum class UserMenuReader { Editor, BoxMenu };

// The row count of a stored "nrows" (read as an unsigned number): the editor takes a
// value that is negative as a signed number as no rows; both take more than 7 as 7.
int UserMenuRowCount(uint32_t storedRows, UserMenuReader reader);

// The commands of the file. A missing row reads as empty texts for the editor and
// as the caption "Empty" for the box menu.
std::vector<CustomMenuItem> ReadUserMenu(CIniFile& ini, UserMenuReader reader);

// Writes "nrows" and then every row's three keys in list order.
void WriteUserMenu(CIniFile& ini, const std::vector<CustomMenuItem>& items);
