#pragma once
// The rules of named skins: which names the Add Skin dialog takes, and when a skin file
// may be overwritten or deleted. Names compare case-sensitively.
#include <string>

#include "model/DeviceNames.h"

// The name with every \ / : " | < > ? * removed (characters a file name cannot hold).
std::wstring FilterSkinName(const std::wstring& name);
// Add Skin's OK: not empty, not "Custom", not a single blank, not a device name.
bool IsAcceptableSkinName(const std::wstring& name);
// Delete is offered for a skin that is not "Default" and not marked Predefined=1.
bool IsSkinDeletable(const std::wstring& name, unsigned long predefined);
// Delete refuses "Default", "Custom" and an empty name.
bool IsDeleteRefused(const std::wstring& name);
// Add Skin may write a file that is not marked predefined, and always "Default".
bool MayOverwriteSkin(const std::wstring& name, unsigned long predefined);

constexpr wchar_t kDefaultSkinName[] = L"Default";
constexpr wchar_t kCustomSkinName[] = L"Custom";
