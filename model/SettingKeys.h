#pragma once
// The keys of the main configuration file, described once. Each row names a key, the
// form it is written in, how loading reads it, its default, the limit loading applies
// and the settings field it carries. Loading, saving, copying and the dialogs' exchange
// all walk these tables; what a command treats differently is a named subset (a group
// flag on the rows), never a list of its own.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>
#include <windows.h>

#include "model/IniFile.h"
#include "model/MainSettings.h"
#include "model/MonitorSettings.h"

// How a value is written or read: text (WriteString/ReadString), unsigned ("%lu",
// ReadULong: also hexadecimal and octal) or signed ("%d", ReadInt: decimal only).
enum class KeyForm { Text, Unsigned, Signed };

enum class KeyLimit {
    None,
    LowByte,  // only the low 8 bits count
    Range,    // clamped to low..high
};

// Named subsets of the rows.
enum KeyGroup : unsigned {
    kAllKeys = ~0u,
    // "Box %d": the fields the monitor dialog exchanges with a record ("Disabled",
    // "NetUserName" and the picture types are never taken from the dialog). The box
    // menu's Duplicate copies every key (the whole MonitorSettings).
    kMonitorDialogKeys = 1u << 0,
    // "main": the 20 keys the options write, in their writing order (the table's first rows).
    kOptionKeys = 1u << 1,
    // What each dialog's Default button puts back to the key's default. The monitor
    // dialog's keeps the name, the address, the sound files and spoken texts and the
    // program it runs; the Options' keeps the double-click program and its parameters.
    kMonitorDefaultKeys = 1u << 2,
    kOptionDefaultKeys = 1u << 3,
};

template <class S>
using SettingField = std::variant<std::wstring S::*, int S::*, UINT S::*, DWORD S::*, BYTE S::*, AtomicU32 S::*>;

template <class S>
struct SettingKey {
    const wchar_t* key;
    KeyForm written;
    KeyForm read;
    SettingField<S> field;
    const wchar_t* textDefault;  // text keys
    uint32_t numberDefault;      // number keys
    KeyLimit limit;
    int64_t low, high;           // KeyLimit::Range
    unsigned groups;

    bool In(unsigned group) const { return group == kAllKeys || (groups & group) != 0; }
};

// Section "Box %d", in the saving order.
const std::vector<SettingKey<MonitorSettings>>& MonitorKeys();
// Section "main": the option keys first, in their writing order, then the window's own
// keys. "App", "FirstStart" and the net-message command are not in it (identity,
// first-start placement and the net-message dialog handle them).
const std::vector<SettingKey<MainSettings>>& MainKeys();

// The row of a key name (exact), or nullptr.
template <class S>
const SettingKey<S>* FindSettingKey(const std::vector<SettingKey<S>>& table, const std::wstring& key);

// The row of a settings field, or nullptr: a single key is named by its field, so no
// key name is written out beside the table.
template <class S, class F>
const SettingKey<S>* FindSettingKey(const std::vector<SettingKey<S>>& table, F S::*field) {
    for (const auto& row : table) {
        const auto* member = std::get_if<F S::*>(&row.field);
        if (member && *member == field) return &row;
    }
    return nullptr;
}

// One key: read with its default and limit into the field; written in its form; copied;
// compared.
template <class S>
void ReadSettingKey(CIniFile& ini, const std::wstring& section, const SettingKey<S>& row, S& settings);
template <class S>
BOOL WriteSettingKey(CIniFile& ini, const std::wstring& section, const SettingKey<S>& row, const S& settings);
template <class S>
void CopySettingKey(const SettingKey<S>& row, const S& from, S& to);
// The value a missing key reads as, into the field.
template <class S>
void SetSettingKeyDefault(const SettingKey<S>& row, S& settings);
template <class S>
bool SettingKeyEqual(const SettingKey<S>& row, const S& a, const S& b);
// The field as the text its key holds in the file (the written form).
template <class S>
std::wstring SettingKeyText(const SettingKey<S>& row, const S& settings);

// The key of one field, read with its row's default and limit; false when no row
// carries the field.
template <class S, class F>
bool ReadSettingField(CIniFile& ini, const std::wstring& section, const std::vector<SettingKey<S>>& table,
                      S& settings, F S::*field) {
    const SettingKey<S>* row = FindSettingKey(table, field);
    if (row) ReadSettingKey(ini, section, *row, settings);
    return row != nullptr;
}
// The key of one field, written in its row's form; FALSE when no row carries the field.
template <class S, class F>
BOOL WriteSettingField(CIniFile& ini, const std::wstring& section, const std::vector<SettingKey<S>>& table,
                       const S& settings, F S::*field) {
    const SettingKey<S>* row = FindSettingKey(table, field);
    return row ? WriteSettingKey(ini, section, *row, settings) : FALSE;
}

// Every row of a group, in table order.
template <class S>
void ReadSettingKeys(CIniFile& ini, const std::wstring& section, const std::vector<SettingKey<S>>& table, S& settings,
                     unsigned group = kAllKeys) {
    for (const auto& row : table)
        if (row.In(group)) ReadSettingKey(ini, section, row, settings);
}
// Every row of a group, in table order, in one write of the file.
template <class S>
void WriteSettingKeys(CIniFile& ini, const std::wstring& section, const std::vector<SettingKey<S>>& table,
                      const S& settings, unsigned group = kAllKeys) {
    CIniFile::KeyTexts keys;
    for (const auto& row : table)
        if (row.In(group)) keys.emplace_back(row.key, SettingKeyText(row, settings));
    ini.WriteKeys(section, keys);
}
// Every row of a group set to its default, as if its key were missing.
template <class S>
void SetSettingDefaults(const std::vector<SettingKey<S>>& table, S& settings, unsigned group = kAllKeys) {
    for (const auto& row : table)
        if (row.In(group)) SetSettingKeyDefault(row, settings);
}
// A monitor whose every key is missing: where a new monitor and the monitor dialog's
// Default button take their values.
MonitorSettings DefaultMonitorSettings();

template <class S>
void CopySettingKeys(const std::vector<SettingKey<S>>& table, const S& from, S& to, unsigned group = kAllKeys) {
    for (const auto& row : table)
        if (row.In(group)) CopySettingKey(row, from, to);
}
