#include "model/SettingKeys.h"

#include <type_traits>

#include "framework/StringUtil.h"
#include "model/DataFolders.h"
#include "model/MonitorTypes.h"

namespace {

constexpr KeyForm T = KeyForm::Text;
constexpr KeyForm U = KeyForm::Unsigned;
constexpr KeyForm I = KeyForm::Signed;

template <class S>
SettingKey<S> Text(const wchar_t* key, std::wstring S::*field, const wchar_t* def, unsigned groups = 0) {
    return {key, T, T, field, def, 0, KeyLimit::None, 0, 0, groups};
}

template <class S, class F>
SettingKey<S> Number(const wchar_t* key, KeyForm written, KeyForm read, F S::*field, uint32_t def,
                     unsigned groups = 0, KeyLimit limit = KeyLimit::None, int64_t low = 0, int64_t high = 0) {
    return {key, written, read, field, L"", def, limit, low, high, groups};
}

constexpr unsigned D = kMonitorDialogKeys;
constexpr unsigned DR = kMonitorDialogKeys | kMonitorDefaultKeys;  // also reset by Default
constexpr unsigned O = kOptionKeys;
constexpr unsigned OR = kOptionKeys | kOptionDefaultKeys;  // also reset by Default
using M = MonitorSettings;
using W = MainSettings;

}  // namespace

const std::vector<SettingKey<MonitorSettings>>& MonitorKeys() {
    static const std::vector<SettingKey<M>> keys = {
        Text(L"Name", &M::Name, L"LOCAL", D),
        Number(L"PicTypeUp", I, U, &M::PicTypeUp, 1),
        Number(L"PicTypeDown", I, U, &M::PicTypeDown, 1),
        Number(L"BoxColorUp", U, U, &M::BoxColorUp, 0xFED1C5, DR),
        Number(L"BoxColorDown", U, U, &M::BoxColorDown, 0x797979, DR),
        Number(L"TextColorUp", U, U, &M::TextColorUp, 0, DR),
        Number(L"TextColorDown", U, U, &M::TextColorDown, 0xFFFFFF, DR),
        Text(L"PicFileUp", &M::PicFileUp, kDefaultPictureUp, DR),
        Text(L"PicFileDown", &M::PicFileDown, kDefaultPictureDown, DR),
        Text(L"IPorURLAddress", &M::IPorURLAddress, L"127.0.0.1", D),
        Number(L"IPv", U, U, &M::IPv, IPVER_4, DR),
        Number(L"Port", U, U, &M::Port, 80, DR),
        Number(L"CheckMethod", U, U, &M::CheckMethod, METHOD_PING, DR),
        Number(L"Sound", U, I, &M::Sound, 0, DR, KeyLimit::LowByte),
        Number(L"Logging", U, I, &M::Logging, 0, DR),
        Number(L"MsgBox", U, I, &M::MsgBox, 0, DR),
        Text(L"CustSoundPathUp", &M::CustSoundPathUp, L"", D),
        Text(L"CustSoundPathDown", &M::CustSoundPathDown, L"", D),
        Text(L"CustSoundPathOpen", &M::CustSoundPathOpen, L"", D),
        Text(L"CustSoundPathClose", &M::CustSoundPathClose, L"", D),
        Text(L"CustSoundTcpPathDown", &M::CustSoundTcpPathDown, L"", D),
        Text(L"CustSoundPathSnF", &M::CustSoundPathSnF, L"", D),
        Number(L"CustomSoundCheck", U, I, &M::CustomSoundCheck, 0, DR),
        Text(L"TextSpeechStringUp", &M::TextSpeechStringUp, L"%name is Up", D),
        Text(L"TextSpeechStringDown", &M::TextSpeechStringDown, L"%name is Down", D),
        Text(L"TextSpeechStringOpen", &M::TextSpeechStringOpen, L"%name is Open", D),
        Text(L"TextSpeechStringClose", &M::TextSpeechStringClose, L"%name is Closed", D),
        Text(L"TextSpeechStringTDown", &M::TextSpeechStringTDown, L"%name is Down", D),
        Text(L"TextSpeechStringSnF", &M::TextSpeechStringSnF, L"%name is SnF", D),
        Number(L"TextSpeechCheck", U, I, &M::TextSpeechCheck, 0, DR),
        Text(L"ExecFilePath", &M::ExecFilePath, L"", D),
        Text(L"ExecFileParam", &M::ExecFileParam, L"", D),
        Number(L"ExecFileStatusCheck", U, U, &M::ExecFileStatusCheck, 0, D),
        Number(L"ExecFileCheck", U, U, &M::ExecFileCheck, 0, DR),
        Number(L"nMSGB", U, U, &M::nMSGB, 0, DR),
        Number(L"nPS", U, U, &M::nPS, 0, DR),
        Number(L"nEF", U, U, &M::nEF, 0, D),
        Text(L"MsgBoxDesc", &M::MsgBoxDesc, L"%name is %status", DR),
        Text(L"Phrase", &M::Phrase, L"String Here", DR),
        Number(L"CheckInterval", U, U, &M::CheckInterval, 3, DR, KeyLimit::Range, 1, UINT32_MAX),
        Number(L"Disabled", I, U, &M::Disabled, 0),
        Text(L"NetUserName", &M::NetUserName, L"console"),
    };
    return keys;
}

const std::vector<SettingKey<MainSettings>>& MainKeys() {
    static const std::vector<SettingKey<W>> keys = {
        Number(L"HideTaskBarButton", U, I, &W::HideTaskBarButton, 1, OR),
        Number(L"CustomSoundError", U, I, &W::CustomSoundError, 0, OR),
        Text(L"CustomSoundPathError", &W::CustomSoundPathError, L"", OR),
        Number(L"DCOBEFE", I, I, &W::DCOBEFE, 0, OR),
        Text(L"DCOBEFPath", &W::DCOBEFPath, L"", O),
        Text(L"DCOBEFParameters", &W::DCOBEFParameters, L"", O),
        Number(L"XBox", I, I, &W::XBox, 110, OR, KeyLimit::Range, kMinBoxWidth, kMaxBoxWidth),
        Number(L"YBox", I, I, &W::YBox, 90, OR, KeyLimit::Range, kMinBoxHeight, kMaxBoxHeight),
        Number(L"TimeOut", I, U, &W::TimeOut, 3000, OR),
        Number(L"EnableLog", I, I, &W::EnableLog, 1, OR),
        Number(L"ShowReplyTime", I, I, &W::ShowReplyTime, 1, OR),
        Number(L"ShowMethod", I, I, &W::ShowMethod, 1, OR, KeyLimit::LowByte),
        Number(L"ShowStatus", I, I, &W::ShowStatus, 1, OR, KeyLimit::LowByte),
        Number(L"ShowIPAddress", I, I, &W::ShowIPAddress, 1, OR, KeyLimit::LowByte),
        Number(L"TextSpeechSoundError", I, I, &W::TextSpeechSoundError, 0, OR),
        Text(L"TextSpeechTextError", &W::TextSpeechTextError, L"%name is Error", OR),
        Number(L"Volume", U, U, &W::Volume, 65535, OR),
        Number(L"LogFileType", I, I, &W::LogFileType, 0, OR),
        // An empty or missing folder reads as the instance's logs folder (ReadMainSettings).
        Text(L"LogDir", &W::LogDir, L"", OR),
        Number(L"LogEveryCheck", I, I, &W::LogEveryCheck, 0, OR),
        Number(L"NumBox", I, I, &W::NumBox, 1, 0, KeyLimit::Range, 1, kMaxMonitors),
        Number(L"PosX", I, I, &W::PosX, 300),
        Number(L"PosY", I, I, &W::PosY, 300),
        Number(L"WinPos", I, I, &W::WinPos, 1),
        Number(L"WinBeh", I, I, &W::WinBeh, ZORDER_NORMAL),
    };
    return keys;
}

namespace {

// A number field's value as the 32 bits the file holds.
template <class S>
uint32_t NumberOf(const SettingField<S>& field, const S& s) {
    return std::visit(
        [&](auto member) -> uint32_t {
            using F = std::decay_t<decltype(s.*member)>;
            if constexpr (std::is_same_v<F, std::wstring>)
                return 0;
            else
                return static_cast<uint32_t>(s.*member);
        },
        field);
}

template <class S>
void SetNumber(const SettingField<S>& field, S& s, uint32_t value) {
    std::visit(
        [&](auto member) {
            using F = std::decay_t<decltype(s.*member)>;
            if constexpr (!std::is_same_v<F, std::wstring>) s.*member = static_cast<F>(value);
        },
        field);
}

template <class S>
std::wstring* TextOf(const SettingField<S>& field, S& s) {
    auto member = std::get_if<std::wstring S::*>(&field);
    return member ? &(s.**member) : nullptr;
}

template <class S>
const std::wstring* TextOf(const SettingField<S>& field, const S& s) {
    auto member = std::get_if<std::wstring S::*>(&field);
    return member ? &(s.**member) : nullptr;
}

}  // namespace

template <class S>
const SettingKey<S>* FindSettingKey(const std::vector<SettingKey<S>>& table, const std::wstring& key) {
    for (const auto& row : table)
        if (key == row.key) return &row;
    return nullptr;
}

template <class S>
void ReadSettingKey(CIniFile& ini, const std::wstring& section, const SettingKey<S>& row, S& s) {
    if (row.read == KeyForm::Text) {
        if (std::wstring* text = TextOf(row.field, s)) *text = ini.ReadString(section, row.key, row.textDefault);
        return;
    }
    int64_t value = row.read == KeyForm::Signed
                        ? static_cast<int64_t>(ini.ReadInt(section, row.key, static_cast<int32_t>(row.numberDefault)))
                        : static_cast<int64_t>(ini.ReadULong(section, row.key, row.numberDefault));
    if (row.limit == KeyLimit::LowByte) value &= 0xFF;
    if (row.limit == KeyLimit::Range) value = value < row.low ? row.low : (value > row.high ? row.high : value);
    SetNumber(row.field, s, static_cast<uint32_t>(value));
}

template <class S>
std::wstring SettingKeyText(const SettingKey<S>& row, const S& s) {
    if (row.written == KeyForm::Text) {
        const std::wstring* text = TextOf(row.field, s);
        return text ? *text : std::wstring();
    }
    uint32_t value = NumberOf(row.field, s);
    return row.written == KeyForm::Signed ? fw::Format(L"%d", static_cast<int>(value))
                                          : fw::Format(L"%lu", static_cast<unsigned long>(value));
}

template <class S>
BOOL WriteSettingKey(CIniFile& ini, const std::wstring& section, const SettingKey<S>& row, const S& s) {
    switch (row.written) {
    case KeyForm::Text: return ini.WriteString(section, row.key, SettingKeyText(row, s));
    case KeyForm::Signed: return ini.WriteInt(section, row.key, static_cast<int32_t>(NumberOf(row.field, s)));
    default: return ini.WriteULong(section, row.key, NumberOf(row.field, s));
    }
}

template <class S>
void CopySettingKey(const SettingKey<S>& row, const S& from, S& to) {
    std::visit([&](auto member) { to.*member = from.*member; }, row.field);
}

template <class S>
void SetSettingKeyDefault(const SettingKey<S>& row, S& s) {
    if (std::wstring* text = TextOf(row.field, s))
        *text = row.textDefault;
    else
        SetNumber(row.field, s, row.numberDefault);
}

MonitorSettings DefaultMonitorSettings() {
    MonitorSettings s;
    SetSettingDefaults(MonitorKeys(), s);
    return s;
}

// The fields' defaults live in the table only.
MainSettings::MainSettings() { SetSettingDefaults(MainKeys(), *this); }

template <class S>
bool SettingKeyEqual(const SettingKey<S>& row, const S& a, const S& b) {
    return std::visit([&](auto member) { return a.*member == b.*member; }, row.field);
}

#define ORVALEN_SETTING_KEY_FUNCTIONS(S)                                                                   \
    template const SettingKey<S>* FindSettingKey(const std::vector<SettingKey<S>>&, const std::wstring&); \
    template void ReadSettingKey(CIniFile&, const std::wstring&, const SettingKey<S>&, S&);               \
    template BOOL WriteSettingKey(CIniFile&, const std::wstring&, const SettingKey<S>&, const S&);        \
    template void CopySettingKey(const SettingKey<S>&, const S&, S&);                                     \
    template void SetSettingKeyDefault(const SettingKey<S>&, S&);                                         \
    template bool SettingKeyEqual(const SettingKey<S>&, const S&, const S&);                              \
    template std::wstring SettingKeyText(const SettingKey<S>&, const S&);

ORVALEN_SETTING_KEY_FUNCTIONS(MonitorSettings)
ORVALEN_SETTING_KEY_FUNCTIONS(MainSettings)
