#pragma once
// Skins: named looks of a box (two pictures, four colours) kept as one ".ini" file each,
// section "skin", in the skins folder the instances share. The files are also edited by
// hand, so every key may be missing.
#include <string>
#include <vector>
#include <windows.h>

#include "model/IniFile.h"
#include "model/MonitorSettings.h"

struct SkinLook {
    std::wstring picFileUp, picFileDown;
    COLORREF boxColorUp = 0, boxColorDown = 0, textColorUp = 0, textColorDown = 0;

    static SkinLook Of(const MonitorSettings& settings);
    void ApplyTo(MonitorSettings& settings) const;
};

// The file of a skin name in the skins folder (a path with a trailing backslash).
std::wstring SkinFilePath(const std::wstring& skinsFolder, const std::wstring& name);
// The look a skin file gives; each key it lacks reads as in `missing`.
SkinLook ReadSkinLook(CIniFile& skin, const SkinLook& missing);
// The six keys, pictures first; false at the first write that fails (the rest unwritten).
bool WriteSkinLook(CIniFile& skin, const SkinLook& look);
// "Predefined" (0 when missing): 1 marks a skin that is neither deleted nor overwritten.
unsigned long SkinPredefined(CIniFile& skin);
// The names of the skins in the folder: each ".ini" file's title, in the system's order.
std::vector<std::wstring> ListSkinNames(const std::wstring& skinsFolder);
