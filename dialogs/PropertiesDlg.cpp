#include "dialogs/PropertiesDlg.h"

#include <commctrl.h>
#include <shlobj.h>

#include "dialogs/FileFilters.h"
#include "dialogs/StartWithWindows.h"
#include "engine/SoundThread.h"
#include "framework/AppMessage.h"
#include "framework/FileDialog.h"
#include "framework/FolderDialog.h"
#include "framework/StringUtil.h"
#include "model/IniFile.h"
#include "model/MainConfig.h"
#include "model/Messages.h"
#include "model/SettingKeys.h"
#include "model/SharedRoutines.h"
#include "resource.h"

namespace {

// The log-mode choices, in the order of LogEveryCheck.
const wchar_t* const kLogModes[] = {L"Every Status Change", L"Every Check"};


void ExchangeUnsigned(fw::CDataExchange& dx, int id, int& field) {
    UINT value = static_cast<UINT>(field);
    dx.Unsigned(id, value);
    field = static_cast<int>(value);
}

void ExchangeUnsigned(fw::CDataExchange& dx, int id, DWORD& field) {
    UINT value = field;
    dx.Unsigned(id, value);
    field = value;
}

void ExchangeCheck(fw::CDataExchange& dx, int id, BYTE& field) {
    int value = field;
    dx.Check(id, value);
    field = static_cast<BYTE>(value);
}

}  // namespace

CPropertiesDlg::CPropertiesDlg(HWND parent) : fw::CSettingsDialog(IDD_OPTIONS, parent) {}

bool CPropertiesDlg::TakeFields() { return UpdateData(true); }

void CPropertiesDlg::GiveFields() { UpdateData(false); }

void CPropertiesDlg::DoDataExchange(fw::CDataExchange& dx) {
    ExchangeUnsigned(dx, IDC_OPT_WIDTH, XBox);
    ExchangeUnsigned(dx, IDC_OPT_HEIGHT, YBox);
    ExchangeUnsigned(dx, IDC_OPT_TIMEOUT, TimeOut);
    dx.Check(IDC_OPT_RUN_AT_STARTUP, m_bRunAtStartup);
    dx.Check(IDC_OPT_DBLCLICK, DCOBEFE);
    dx.Text(IDC_OPT_DBLCLICK_PATH, DCOBEFPath, CIniFile::kValueChars);
    dx.Text(IDC_OPT_DBLCLICK_PARAMS, DCOBEFParameters, CIniFile::kValueChars);
    dx.Check(IDC_OPT_CUSTOM_SOUND, CustomSoundError);
    dx.Text(IDC_OPT_CUSTOM_SOUND_PATH, CustomSoundPathError, CIniFile::kValueChars);
    dx.Check(IDC_OPT_HIDE_TASKBAR, HideTaskBarButton);
    dx.Check(IDC_OPT_LOG_ALL, EnableLog);
    dx.Check(IDC_OPT_SHOW_TIME, ShowReplyTime);
    ExchangeCheck(dx, IDC_OPT_SHOW_METHOD, ShowMethod);
    ExchangeCheck(dx, IDC_OPT_SHOW_STATUS, ShowStatus);
    dx.Check(IDC_OPT_SPEECH, TextSpeechSoundError);
    dx.Text(IDC_OPT_SPEECH_TEXT, TextSpeechTextError, CIniFile::kValueChars);
    dx.Radio(IDC_OPT_LOG_TXT, LogFileType);
    dx.Text(IDC_OPT_LOG_DIR, LogDir, CIniFile::kValueChars);
    ExchangeCheck(dx, IDC_OPT_SHOW_ADDRESS, ShowIPAddress);
}

BOOL CPropertiesDlg::OnInitDialog() {
    // Enables the main window again and sets the dialog icon.
    fw::CSettingsDialog::OnInitDialog();
    CenterOnParent();

    HWND combo = GetDlgItem(IDC_OPT_LOG_MODE);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const wchar_t* mode : kLogModes) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(mode));
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    if (GetComboBoxInfo(combo, &info) && info.hwndItem) {
        EnableWindow(info.hwndItem, TRUE);
        SendMessageW(info.hwndItem, EM_SETREADONLY, TRUE, 0);
    }

    HWND volume = GetDlgItem(IDC_OPT_VOLUME);
    SendMessageW(volume, TBM_SETRANGEMIN, FALSE, 0);
    SendMessageW(volume, TBM_SETRANGEMAX, FALSE, kFullVolume);

    SetSpinRange(IDC_OPT_WIDTH_SPIN, kBoxWidthRange.low, kBoxWidthRange.high);
    LimitText(IDC_OPT_WIDTH, 3);
    SetSpinRange(IDC_OPT_HEIGHT_SPIN, kBoxHeightRange.low, kBoxHeightRange.high);
    LimitText(IDC_OPT_HEIGHT, 3);
    SetSpinRange(IDC_OPT_TIMEOUT_SPIN, kTimeOutRange.low, kTimeOutRange.high);
    ShowFieldsOutsideExchange();

    SetButtonIcon(IDC_OPT_TEST_CUSTOM_SOUND, IDI_BUTTON_TEST_SOUND);
    SetButtonIcon(IDC_OPT_TEST_SPEECH, IDI_BUTTON_TEST_SOUND);
    SetButtonIcon(IDC_OPT_TEST_VOLUME, IDI_BUTTON_TEST_SOUND);
    SetButtonIcon(IDOK, IDI_BUTTON_OK);
    SetButtonIcon(IDCANCEL, IDI_BUTTON_CANCEL);
    SetButtonIcon(IDC_OPT_APPLY, IDI_BUTTON_APPLY);

    // The Run key decides the check box; a key that does not open leaves it as it was.
    if (std::optional<bool> starts = ReadStartWithWindows(m_nInstance, fw::ProgramPath()))
        m_bRunAtStartup = *starts ? 1 : 0;

    GiveFields();
    return TRUE;
}

bool CPropertiesDlg::SaveSettings() {
    if (!TakeFields()) return false;
    const DWORD runError = WriteStartWithWindows(m_nInstance, m_bRunAtStartup != 0, fw::ProgramPath());
    if (runError != ERROR_SUCCESS) fw::SystemErrorBox(runError);
    YBox = static_cast<int>(ClampToRange(static_cast<UINT>(YBox), kBoxHeightRange));
    XBox = static_cast<int>(ClampToRange(static_cast<UINT>(XBox), kBoxWidthRange));
    GiveFields();
    return true;
}

void CPropertiesDlg::OnApply() {
    if (!SaveSettings()) return;
    SendMessageW(m_hParent ? m_hParent : GetParent(m_hWnd), UM_OPTIONS_APPLIED, 0, 0);
}

void CPropertiesDlg::OnOK() {
    if (!SaveSettings()) return;
    EndDialog(IDOK);
}

// Typing shows the range in a balloon; leaving the edit clamps into it.
void CPropertiesDlg::OnBoxSizeEdit(int editId, WORD code, int& field, ValueRange range) {
    if (Exchanging()) return;
    if (code != EN_CHANGE && code != EN_MAXTEXT && code != EN_KILLFOCUS) return;
    TakeFields();
    const UINT value = static_cast<UINT>(field);
    if (code == EN_KILLFOCUS) {
        field = static_cast<int>(ClampToRange(value, range));
    } else if (IsOutOfRange(value, range) && (code == EN_CHANGE || value > range.high)) {
        wchar_t text[64];
        swprintf(text, 64, L"%lu to %lu", static_cast<unsigned long>(range.low), static_cast<unsigned long>(range.high));
        ShowBalloon(editId, L"Range:", text);
    }
    if (code == EN_CHANGE) SetSpinPos(editId == IDC_OPT_WIDTH ? IDC_OPT_WIDTH_SPIN : IDC_OPT_HEIGHT_SPIN, field);
    GiveFields();
}

// A click of an up-down: the field becomes the position after the step, so the edit
// shows where the up-down now stands; the time-out moves 500 ms per click.
void CPropertiesDlg::OnSpinStep(int spinId, NMUPDOWN& step) {
    TakeFields();
    switch (spinId) {
    case IDC_OPT_WIDTH_SPIN:
        XBox = static_cast<int>(PositionAfterStep(step.iPos, step.iDelta, 1, kBoxWidthRange));
        break;
    case IDC_OPT_HEIGHT_SPIN:
        YBox = static_cast<int>(PositionAfterStep(step.iPos, step.iDelta, 1, kBoxHeightRange));
        break;
    case IDC_OPT_TIMEOUT_SPIN:
        TimeOut = PositionAfterStep(step.iPos, step.iDelta, kTimeOutStepMs, kTimeOutRange);
        step.iDelta *= kTimeOutStepMs;
        break;
    }
    GiveFields();
}

void CPropertiesDlg::EnableDoubleClickControls() {
    for (int id : {IDC_OPT_DBLCLICK_PATH, IDC_OPT_DBLCLICK_PARAMS, IDC_OPT_DBLCLICK_BROWSE})
        EnableItem(id, DCOBEFE != 0);
}

// The custom error sound and the spoken error text exclude each other.
void CPropertiesDlg::OnCustomSoundSwitch() {
    TakeFields();
    EnableItem(IDC_OPT_CUSTOM_SOUND_PATH, CustomSoundError != 0);
    EnableItem(IDC_OPT_CUSTOM_SOUND_BROWSE, CustomSoundError != 0);
    if (CustomSoundError) {
        TextSpeechSoundError = 0;
        EnableItem(IDC_OPT_SPEECH_TEXT, false);
    } else {
        EnableItem(IDC_OPT_SPEECH, true);
    }
    GiveFields();
}

void CPropertiesDlg::OnSpeechSwitch() {
    TakeFields();
    if (TextSpeechSoundError) {
        EnableItem(IDC_OPT_CUSTOM_SOUND_PATH, false);
        EnableItem(IDC_OPT_CUSTOM_SOUND_BROWSE, false);
        EnableItem(IDC_OPT_SPEECH_TEXT, true);
        CustomSoundError = 0;
    } else {
        EnableItem(IDC_OPT_CUSTOM_SOUND_PATH, CustomSoundError != 0);
        EnableItem(IDC_OPT_CUSTOM_SOUND, true);
        EnableItem(IDC_OPT_SPEECH_TEXT, false);
        EnableItem(IDC_OPT_CUSTOM_SOUND_BROWSE, false);
    }
    GiveFields();
}

// The volume the thumb, the device and the Mute button show at once.
void CPropertiesDlg::SetVolume(UINT volume) {
    Volume = volume;
    SendDlgItemMessageW(m_hWnd, IDC_OPT_VOLUME, TBM_SETPOS, TRUE, static_cast<LPARAM>(volume));
    SetWaveOutVolume(volume);
    SetItemText(IDC_OPT_MUTE, volume ? L"Mute" : L"UnMute");
}

// The thumb moves: reported before the move (TRBN_THUMBPOSCHANGING) where the system
// sends it, and after it (WM_HSCROLL) everywhere; a position already in force is
// not applied twice.
void CPropertiesDlg::OnVolumeMoved(UINT position) {
    if (position == Volume) return;
    Volume = position;
    SetWaveOutVolume(position);
    SetItemText(IDC_OPT_MUTE, position ? L"Mute" : L"UnMute");
}

void CPropertiesDlg::OnMute() { SetVolume(Volume ? 0 : kFullVolume); }

// What the data exchange does not carry: the log mode, the volume, the up-downs and
// which controls the switches enable.
void CPropertiesDlg::ShowFieldsOutsideExchange() {
    SendDlgItemMessageW(m_hWnd, IDC_OPT_LOG_MODE, CB_SETCURSEL, LogEveryCheck ? 1 : 0, 0);
    SetVolume(Volume);
    SetSpinPos(IDC_OPT_WIDTH_SPIN, LOWORD(XBox));
    SetSpinPos(IDC_OPT_HEIGHT_SPIN, YBox);
    SetSpinPos(IDC_OPT_TIMEOUT_SPIN, static_cast<int>(TimeOut));
    EnableDoubleClickControls();
    // Speech wins over the custom error sound.
    if (TextSpeechSoundError && CustomSoundError) CustomSoundError = 0;
    EnableItem(IDC_OPT_CUSTOM_SOUND_PATH, CustomSoundError != 0);
    EnableItem(IDC_OPT_CUSTOM_SOUND_BROWSE, CustomSoundError != 0);
    EnableItem(IDC_OPT_SPEECH_TEXT, TextSpeechSoundError != 0);
}

// The option keys go back to the table's defaults but the double-click program and its
// parameters; the logs folder to the instance's own, and the program starts with
// Windows. Nothing is written until Apply or OK.
void CPropertiesDlg::OnDefaults() {
    TakeFields();
    SetSettingDefaults(MainKeys(), Settings(), kOptionDefaultKeys);
    UseLogsFolderWhenEmpty(Settings(), m_strDefaultLogDir);
    m_bRunAtStartup = 1;
    ShowFieldsOutsideExchange();
    GiveFields();
}

void CPropertiesDlg::ChooseFileInto(int editId, const wchar_t* filter) {
    std::wstring path;
    if (fw::ChooseFileToOpen(m_hWnd, filter, path)) SetItemText(editId, path);
}

void CPropertiesDlg::ChooseLogFolder() {
    TakeFields();
    fw::CFolderDialog chooser(nullptr, nullptr, m_hWnd, BIF_RETURNONLYFSDIRS);
    if (chooser.DoModal() == IDOK) {
        // A drive root comes back with its backslash already.
        LogDir = chooser.m_szSelectedPath;
        if (LogDir.empty() || LogDir.back() != L'\\') LogDir += L'\\';
    }
    GiveFields();
}

BOOL CPropertiesDlg::OnCommand(WORD id, WORD code, HWND control) {
    switch (id) {
    case IDC_OPT_WIDTH:
        OnBoxSizeEdit(id, code, XBox, kBoxWidthRange);
        return TRUE;
    case IDC_OPT_HEIGHT:
        OnBoxSizeEdit(id, code, YBox, kBoxHeightRange);
        return TRUE;
    case IDC_OPT_LOG_MODE:
        if (code == CBN_SELCHANGE) {
            LRESULT selected = SendMessageW(control, CB_GETCURSEL, 0, 0);
            if (selected != CB_ERR) LogEveryCheck = static_cast<int>(selected);
        }
        return TRUE;
    }
    if (code != BN_CLICKED) return fw::CSettingsDialog::OnCommand(id, code, control);
    switch (id) {
    case IDC_OPT_APPLY:
        OnApply();
        return TRUE;
    case IDC_OPT_DBLCLICK:
        TakeFields();
        EnableDoubleClickControls();
        return TRUE;
    case IDC_OPT_DBLCLICK_BROWSE:
        ChooseFileInto(IDC_OPT_DBLCLICK_PATH, kProgramFileFilter);
        return TRUE;
    case IDC_OPT_CUSTOM_SOUND:
        OnCustomSoundSwitch();
        return TRUE;
    case IDC_OPT_SPEECH:
        OnSpeechSwitch();
        return TRUE;
    case IDC_OPT_CUSTOM_SOUND_BROWSE:
        ChooseFileInto(IDC_OPT_CUSTOM_SOUND_PATH, kWaveFileFilter);
        return TRUE;
    case IDC_OPT_TEST_CUSTOM_SOUND: {
        SoundRequest request;
        request.nStatus = MON_ADDR_ERROR;
        request.bCustomWav = TRUE;
        TakeFields();
        request.strWavFile = CustomSoundPathError;
        StartSound(request);
        return TRUE;
    }
    case IDC_OPT_TEST_SPEECH: {
        TakeFields();
        SoundRequest request;
        request.nStatus = MON_ADDR_ERROR;
        request.bSpeak = TRUE;
        request.strSpeech = TextSpeechTextError;
        request.strName = L"Monitor Name";
        StartSound(request);
        return TRUE;
    }
    case IDC_OPT_TEST_VOLUME: {
        TakeFields();
        SoundRequest request;
        request.nStatus = MON_VOLUME_TEST;
        StartSound(request);
        return TRUE;
    }
    case IDC_OPT_MUTE:
        OnMute();
        return TRUE;
    case IDC_OPT_LOG_DIR_BROWSE:
        ChooseLogFolder();
        return TRUE;
    case IDC_DEFAULT:
        OnDefaults();
        return TRUE;
    }
    return fw::CSettingsDialog::OnCommand(id, code, control);
}

BOOL CPropertiesDlg::OnNotify(int id, NMHDR* header, LRESULT& result) {
    if (header->code == UDN_DELTAPOS) {
        OnSpinStep(id, *reinterpret_cast<NMUPDOWN*>(header));
        result = 0;  // the step is allowed
        return TRUE;
    }
    if (id == IDC_OPT_VOLUME && header->code == TRBN_THUMBPOSCHANGING) {
        OnVolumeMoved(reinterpret_cast<NMTRBTHUMBPOSCHANGING*>(header)->dwPos);
        result = 0;
        return TRUE;
    }
    return FALSE;
}

INT_PTR CPropertiesDlg::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HSCROLL && reinterpret_cast<HWND>(lParam) == GetDlgItem(IDC_OPT_VOLUME)) {
        OnVolumeMoved(static_cast<UINT>(SendMessageW(reinterpret_cast<HWND>(lParam), TBM_GETPOS, 0, 0)));
        return TRUE;
    }
    return fw::CSettingsDialog::DialogProc(message, wParam, lParam);
}
