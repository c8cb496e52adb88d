#include "dialogs/SoundSettingsDlg.h"

#include "dialogs/FileFilters.h"
#include "engine/SoundThread.h"
#include "framework/FileDialog.h"
#include "dialogs/NotificationSettingsRules.h"
#include "model/IniFile.h"
#include "model/SettingKeys.h"
#include "resource.h"

namespace {

// The controls of each slot, in slot order.
const struct SlotControls {
    int custom, wav, browse, testWav, speak, text, testText;
} kSlots[kSoundSlotCount] = {
    {IDC_SND_UP_CUSTOM, IDC_SND_UP_WAV, IDC_SND_UP_BROWSE, IDC_SND_UP_TEST_WAV, IDC_SND_UP_SPEAK, IDC_SND_UP_TEXT,
     IDC_SND_UP_TEST_TEXT},
    {IDC_SND_DOWN_CUSTOM, IDC_SND_DOWN_WAV, IDC_SND_DOWN_BROWSE, IDC_SND_DOWN_TEST_WAV, IDC_SND_DOWN_SPEAK,
     IDC_SND_DOWN_TEXT, IDC_SND_DOWN_TEST_TEXT},
    {IDC_SND_OPEN_CUSTOM, IDC_SND_OPEN_WAV, IDC_SND_OPEN_BROWSE, IDC_SND_OPEN_TEST_WAV, IDC_SND_OPEN_SPEAK,
     IDC_SND_OPEN_TEXT, IDC_SND_OPEN_TEST_TEXT},
    {IDC_SND_CLOSED_CUSTOM, IDC_SND_CLOSED_WAV, IDC_SND_CLOSED_BROWSE, IDC_SND_CLOSED_TEST_WAV, IDC_SND_CLOSED_SPEAK,
     IDC_SND_CLOSED_TEXT, IDC_SND_CLOSED_TEST_TEXT},
    {IDC_SND_TDOWN_CUSTOM, IDC_SND_TDOWN_WAV, IDC_SND_TDOWN_BROWSE, IDC_SND_TDOWN_TEST_WAV, IDC_SND_TDOWN_SPEAK,
     IDC_SND_TDOWN_TEXT, IDC_SND_TDOWN_TEST_TEXT},
    {IDC_SND_SNF_CUSTOM, IDC_SND_SNF_WAV, IDC_SND_SNF_BROWSE, IDC_SND_SNF_TEST_WAV, IDC_SND_SNF_SPEAK,
     IDC_SND_SNF_TEXT, IDC_SND_SNF_TEST_TEXT},
};
}  // namespace

CPlaySoundSettings::CPlaySoundSettings(HWND monitorDialog)
    : CSettingsDialog(IDD_SOUND_SETTINGS, monitorDialog, fw::EnablesMainWindow::ParentsParent) {}

void CPlaySoundSettings::DoDataExchange(fw::CDataExchange& dx) {
    for (int i = 0; i < kSoundSlotCount; ++i) {
        dx.Check(kSlots[i].custom, m_bCustomWav[i]);
        dx.Text(kSlots[i].wav, m_strWavPath[i], CIniFile::kValueChars);
        dx.Check(kSlots[i].speak, m_bSpeak[i]);
        dx.Text(kSlots[i].text, m_strSpeech[i], CIniFile::kValueChars);
    }
}

BOOL CPlaySoundSettings::OnInitDialog() {
    CSettingsDialog::OnInitDialog();
    CenterOnParent();
    for (int i = 0; i < kSoundSlotCount; ++i) {
        if (m_bCustomWav[i] && m_bSpeak[i]) m_bCustomWav[i] = FALSE;  // speech wins
        const bool applies = SoundSlotApplies(i, m_nCheckMethod);
        EnableItem(kSlots[i].custom, applies);
        EnableItem(kSlots[i].speak, applies);
        EnableSlot(i);
        SetButtonIcon(kSlots[i].testWav, IDI_BUTTON_TEST_SOUND);
        SetButtonIcon(kSlots[i].testText, IDI_BUTTON_TEST_SOUND);
    }
    SetButtonIcon(IDOK, IDI_BUTTON_OK);
    SetButtonIcon(IDCANCEL, IDI_BUTTON_CANCEL);
    UpdateData(false);
    return TRUE;
}

// A slot's file or text is editable while its switch is set and the method uses it.
void CPlaySoundSettings::EnableSlot(int slot) {
    const bool applies = SoundSlotApplies(slot, m_nCheckMethod);
    EnableItem(kSlots[slot].wav, applies && m_bCustomWav[slot]);
    EnableItem(kSlots[slot].browse, applies && m_bCustomWav[slot]);
    EnableItem(kSlots[slot].text, applies && m_bSpeak[slot]);
}

void CPlaySoundSettings::OnCustomClicked(int slot) {
    UpdateData(true);
    if (m_bCustomWav[slot]) m_bSpeak[slot] = FALSE;
    EnableSlot(slot);
    UpdateData(false);
}

void CPlaySoundSettings::OnSpeakClicked(int slot) {
    UpdateData(true);
    if (m_bSpeak[slot]) m_bCustomWav[slot] = FALSE;
    EnableSlot(slot);
    UpdateData(false);
}

void CPlaySoundSettings::OnBrowse(int slot) {
    std::wstring path;
    if (fw::ChooseFileToOpen(m_hWnd, kWaveFileFilter, path)) SetItemText(kSlots[slot].wav, path);
}

// Only the texts go back to their defaults: the controls are taken first, so the paths and
// switches set since the dialog opened stay as the user left them.
void CPlaySoundSettings::OnDefault() {
    if (!UpdateData(true)) return;
    MonitorSettings defaults = DefaultMonitorSettings();
    for (int i = 0; i < kSoundSlotCount; ++i) m_strSpeech[i] = SlotSpokenText(defaults, i);
    UpdateData(false);
}

BOOL CPlaySoundSettings::OnCommand(WORD id, WORD code, HWND control) {
    if (code != BN_CLICKED) return CSettingsDialog::OnCommand(id, code, control);
    if (id == IDC_SND_DEFAULT) {
        OnDefault();
        return TRUE;
    }
    if (id == IDOK) {
        if (UpdateData(true)) OnOK();
        return TRUE;
    }
    for (int i = 0; i < kSoundSlotCount; ++i) {
        const SlotControls& c = kSlots[i];
        if (id == c.custom) OnCustomClicked(i);
        else if (id == c.speak) OnSpeakClicked(i);
        else if (id == c.browse) OnBrowse(i);
        else if (id == c.testWav || id == c.testText) {
            UpdateData(true);
            SoundRequest request;
            if (id == c.testWav) {
                request.strWavFile = m_strWavPath[i];
                request.bCustomWav = TRUE;
            } else {
                request.bSpeak = TRUE;
                request.strSpeech = m_strSpeech[i];
                request.strName = m_strName;
            }
            StartSound(request);
        } else {
            continue;
        }
        return TRUE;
    }
    return CSettingsDialog::OnCommand(id, code, control);
}
