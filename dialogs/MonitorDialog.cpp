#include "dialogs/MonitorDialog.h"

#include <commctrl.h>
#include <optional>

#include "dialogs/MonitorDialogRules.h"
#include "framework/AppMessage.h"
#include "model/DataFolders.h"
#include "model/IniFile.h"
#include "model/Messages.h"
#include "model/MonitorTypes.h"
#include "model/SettingKeys.h"
#include "ui/DefaultPictures.h"
#include "resource.h"
#include "ui/PreviewLayout.h"

namespace {
// The method radios in template order, with their methods.
const struct {
    int id;
    UINT method;
} kMethodRadios[] = {{IDC_MON_PING, METHOD_PING}, {IDC_MON_URL, METHOD_URL}, {IDC_MON_TCP, METHOD_TCP}};

// The value after an up-down step: the notification reports the position before it.
int StepResult(HWND spin, const NMUPDOWN& step) {
    int low = 0, high = 0;
    SendMessageW(spin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    if (low > high) std::swap(low, high);
    const long long next = static_cast<long long>(step.iPos) + step.iDelta;
    return static_cast<int>(next < low ? low : next > high ? high : next);
}

// Leading decimal digits of a typed count; 0 when there are none.
UINT LeadingNumber(const std::wstring& text) {
    unsigned long long value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') break;
        value = value * 10 + (c - L'0');
        if (value > 0xFFFFFFFFull) return 0xFFFFFFFFu;
    }
    return static_cast<UINT>(value);
}
}  // namespace

CBoxPropertiesDlg::CBoxPropertiesDlg(HWND parent) : CSettingsDialog(IDD_MONITOR_DIALOG, parent) {}

void CBoxPropertiesDlg::LoadSettings(const MonitorSettings& from) {
    CopySettingKeys(MonitorKeys(), from, static_cast<MonitorSettings&>(*this), kMonitorDialogKeys);
    m_btnBoxColorUp.SetColor(BoxColorUp);
    m_btnBoxColorDown.SetColor(BoxColorDown);
    m_btnTextColorUp.SetColor(TextColorUp);
    m_btnTextColorDown.SetColor(TextColorDown);
}

void CBoxPropertiesDlg::StoreSettings(MonitorSettings& to) const {
    MonitorSettings mine = *this;
    mine.BoxColorUp = m_btnBoxColorUp.GetColor();
    mine.BoxColorDown = m_btnBoxColorDown.GetColor();
    mine.TextColorUp = m_btnTextColorUp.GetColor();
    mine.TextColorDown = m_btnTextColorDown.GetColor();
    CopySettingKeys(MonitorKeys(), mine, to, kMonitorDialogKeys);
}

void CBoxPropertiesDlg::DoDataExchange(fw::CDataExchange& dx) {
    dx.Text(IDC_MON_ADDRESS, IPorURLAddress);
    dx.Text(IDC_MON_NAME, Name, CIniFile::kValueChars);
    dx.Control(IDC_MON_BOX_UP_COLOR, m_btnBoxColorUp);
    dx.Control(IDC_MON_BOX_DOWN_COLOR, m_btnBoxColorDown);
    dx.Control(IDC_MON_TEXT_UP_COLOR, m_btnTextColorUp);
    dx.Control(IDC_MON_TEXT_DOWN_COLOR, m_btnTextColorDown);
    dx.Unsigned(IDC_MON_PORT, Port);
    m_notifications.Exchange(dx);
    UINT execFile = ExecFileCheck;
    dx.Check(IDC_MON_EXEC_FILE, execFile);
    ExecFileCheck = execFile;
    dx.Check(IDC_MON_LOGGING, Logging);
    dx.Text(IDC_MON_MSGBOX_COUNT, m_strMsgBoxCount);
    dx.Text(IDC_MON_SOUND_COUNT, m_strSoundCount);
    dx.Text(IDC_MON_PHRASE, Phrase, CIniFile::kValueChars);
    dx.Unsigned(IDC_MON_INTERVAL, CheckInterval);
    dx.ComboText(IDC_MON_SKIN, m_skins.m_strName);
}

int CBoxPropertiesDlg::OnCreate(CREATESTRUCTW*) {
    SetWindowTextW(m_hWnd, m_bAddMode ? L"Add Monitor" : L"Edit Monitor");
    return 0;
}

BOOL CBoxPropertiesDlg::OnInitDialog() {
    CSettingsDialog::OnInitDialog();
    CenterOnParent();
    LimitText(IDC_MON_ADDRESS, 250);
    LimitText(IDC_MON_PORT, 5);
    LimitText(IDC_MON_MSGBOX_COUNT, 3);
    LimitText(IDC_MON_SOUND_COUNT, 3);
    SetSpinRange(IDC_MON_MSGBOX_SPIN, 0, 999);
    SetSpinRange(IDC_MON_INTERVAL_SPIN, 1, kIntervalMax);
    SetSpinRange(IDC_MON_SOUND_SPIN, 0, 999);
    // Skins are chosen from the list only.
    if (HWND skinEdit = FindWindowExW(GetDlgItem(IDC_MON_SKIN), nullptr, L"Edit", nullptr))
        SendMessageW(skinEdit, EM_SETREADONLY, TRUE, 0);
    EnableItem(IDC_MON_DELETE_SKIN, false);
    // The preview always shows an 80x60 box, whatever the window's box size.
    m_nPreviewWidth = 80;
    m_nPreviewHeight = 60;

    // A version the program does not know (a hand-edited file) is shown, and saved, as
    // IPv4: with no radio checked, OK could only fail without a word.
    if (IPv != IPVER_4 && IPv != IPVER_6) IPv = IPVER_4;
    ShowFieldsOutsideExchange();
    if (CheckMethod == METHOD_URL) {
        EnableItem(IDC_MON_IPV4, true);
        EnableItem(IDC_MON_IPV6, true);
    }

    AddToolTip(IDC_MON_EMPTY_UP, L"Empty Icon");
    AddToolTip(IDC_MON_EMPTY_DOWN, L"Empty Icon");
    AddToolTip(IDC_MON_ICON_UP, L"Best size of icon is 64x64px");
    AddToolTip(IDC_MON_ICON_DOWN, L"Best size of icon is 64x64px");
    AddToolTip(IDC_MON_GRAY_COPY, L"Copy grayscale Left Icon to Right Icon");
    AddToolTip(IDC_MON_TEST_UP, L"Test Up,Open");
    AddToolTip(IDC_MON_TEST_DOWN, L"Test Down");
    AddToolTip(IDC_MON_TEST_CLOSED, L"Test Closed,S.n.F.");
    AddToolTip(IDC_MON_MSGBOX_COUNT, L"Show Message Box if IP change Status for X checks.");
    AddToolTip(IDC_MON_SOUND_COUNT, L"Play Sound if IP change Status for X checks.");
    AddToolTip(IDC_MON_MSGBOX_SPIN, L"Show Message Box if change Status for X checks.");
    AddToolTip(IDC_MON_SOUND_SPIN, L"Play Sound if IP change Status for X checks.");

    SetButtonIcon(IDOK, IDI_BUTTON_OK);
    SetButtonIcon(IDCANCEL, IDI_BUTTON_CANCEL);
    SetButtonIcon(IDC_APPLY, IDI_BUTTON_APPLY);

    // The two folders the parts use, made once from the data folder.
    m_preview.Attach(m_hWnd, PicturesFolderOf(m_strDataFolder));
    m_skins.Attach(SkinsFolderOf(m_strDataFolder), m_bDefaultSkin != FALSE);
    m_preview.ShowFiles(PicFileUp, PicFileDown);
    TakePictureFiles();

    UpdateData(false);
    UpdateData(true);
    RedrawAll();
    return TRUE;
}

// What the data exchange does not carry: the method's radio, look and interval range,
// the IP version's radio, the up-downs, the counts' texts and the notification checks.
void CBoxPropertiesDlg::ShowFieldsOutsideExchange() {
    if (const MethodLook* look = MethodLookFor(CheckMethod)) {
        for (const auto& radio : kMethodRadios) CheckDlgButton(m_hWnd, radio.id, radio.method == CheckMethod);
        ApplyMethodLook(CheckMethod);
        SetSpinRange(IDC_MON_INTERVAL_SPIN, static_cast<int>(look->intervalMin), kIntervalMax);
    }
    CheckDlgButton(m_hWnd, IDC_MON_IPV4, IPv == IPVER_4);
    CheckDlgButton(m_hWnd, IDC_MON_IPV6, IPv == IPVER_6);
    SetSpinPos(IDC_MON_INTERVAL_SPIN, static_cast<int>(CheckInterval));
    m_strMsgBoxCount = std::to_wstring(nMSGB);
    m_strSoundCount = std::to_wstring(nPS);
    SetSpinPos(IDC_MON_MSGBOX_SPIN, nMSGB & 0xFFFF);
    SetSpinPos(IDC_MON_SOUND_SPIN, nPS & 0xFFFF);
    m_notifications.MirrorMasks();
}

void CBoxPropertiesDlg::TakePictureFiles() {
    PicFileUp = m_preview.File(false);
    PicFileDown = m_preview.File(true);
    m_strPicPathUp = m_preview.Path(false);
    m_strPicPathDown = m_preview.Path(true);
}

SkinLook CBoxPropertiesDlg::ShownLook() const {
    SkinLook look;
    look.picFileUp = PicFileUp;
    look.picFileDown = PicFileDown;
    look.boxColorUp = m_btnBoxColorUp.GetColor();
    look.boxColorDown = m_btnBoxColorDown.GetColor();
    look.textColorUp = m_btnTextColorUp.GetColor();
    look.textColorDown = m_btnTextColorDown.GetColor();
    return look;
}

void CBoxPropertiesDlg::ShowLook(const SkinLook& look) {
    m_btnBoxColorUp.SetColor(look.boxColorUp);
    m_btnBoxColorDown.SetColor(look.boxColorDown);
    m_btnTextColorUp.SetColor(look.textColorUp);
    m_btnTextColorDown.SetColor(look.textColorDown);
    m_preview.ShowFiles(look.picFileUp, look.picFileDown);
    TakePictureFiles();
}

PreviewTexts CBoxPropertiesDlg::PreviewTextsNow() const {
    return {Name,
            IPorURLAddress,
            PreviewMethodLine(CheckMethod, Port),
            {{m_btnBoxColorUp.GetColor(), m_btnTextColorUp.GetColor()},
             {m_btnBoxColorDown.GetColor(), m_btnTextColorDown.GetColor()}},
            m_nPreviewWidth,
            m_nPreviewHeight};
}

// The labels, enabled states and interval range of a method.
void CBoxPropertiesDlg::ApplyMethodLook(UINT method) {
    const MethodLook* look = MethodLookFor(method);
    if (!look) return;
    EnableItem(IDC_MON_PORT, look->portEnabled);
    EnableItem(IDC_MON_PHRASE, look->phraseEnabled);
    SetItemText(IDC_MON_LABEL_UP, look->statusLabelUp);
    SetItemText(IDC_MON_LABEL_DOWN, look->statusLabelDown);
    for (int id : {IDC_MON_BOX_LABEL_UP, IDC_MON_TEXT_LABEL_UP}) SetItemText(id, look->colorLabelUp);
    for (int id : {IDC_MON_BOX_LABEL_DOWN, IDC_MON_TEXT_LABEL_DOWN}) SetItemText(id, look->colorLabelDown);
    for (int id : {IDC_MON_SOUND_UP, IDC_MON_MSGBOX_UP, IDC_MON_TEST_UP}) SetItemText(id, look->upText);
    for (int id : {IDC_MON_SOUND_DOWN, IDC_MON_TEST_DOWN}) SetItemText(id, L"Down");
    SetItemText(IDC_MON_TEST_CLOSED, look->closedButton);
    for (int id : {IDC_MON_SOUND_CLOSED, IDC_MON_MSGBOX_CLOSED}) SetItemText(id, look->closedCheck);
    for (int id : {IDC_MON_TEST_CLOSED, IDC_MON_SOUND_CLOSED, IDC_MON_MSGBOX_CLOSED}) EnableItem(id, look->closedEnabled);
    SetItemText(IDC_MON_SNF_NOTE, look->note);
    ShowAddressLabel();
}

void CBoxPropertiesDlg::ShowAddressLabel() {
    const MethodLook* look = MethodLookFor(CheckMethod);
    if (look && (IPv == IPVER_4 || IPv == IPVER_6)) SetItemText(IDC_MON_ADDRESS_LABEL, look->addressLabel[IPv]);
}

// The commands of the parts: pictures, skins and notifications.
BOOL CBoxPropertiesDlg::OnPartCommand(WORD id, WORD code) {
    std::optional<SkinLook> chosen;
    if (m_skins.OnCommand(id, code, ShownLook(), chosen)) {
        if (chosen) ShowLook(*chosen);
        return TRUE;
    }
    if (code != BN_CLICKED) return FALSE;
    if (CMonitorNotifications::Handles(id)) {
        UpdateData(true);
        // The File settings need an address that passes its test (their own wording).
        if (id != IDC_MON_EXEC_SETTINGS || ValidateAddress(FALSE)) {
            const ErrorSoundSettings errors = {static_cast<int>(CustomSoundError), CustomSoundPathError,
                                               static_cast<int>(TextSpeechSoundError), TextSpeechTextError};
            m_notifications.OnClicked(m_hWnd, id, errors);
        }
        return TRUE;
    }
    switch (id) {
    case IDC_MON_ICON_UP:
    case IDC_MON_ICON_DOWN:
        // A chosen file, even one refused, ends the skin's look.
        if (!m_preview.Choose(id == IDC_MON_ICON_DOWN)) return TRUE;
        break;
    case IDC_MON_EMPTY_UP:
    case IDC_MON_EMPTY_DOWN: m_preview.Empty(id == IDC_MON_EMPTY_DOWN); break;
    case IDC_MON_GRAY_COPY:
        m_preview.GreyCopy();
        TakePictureFiles();
        return TRUE;
    default: return FALSE;
    }
    TakePictureFiles();
    m_skins.ShowCustom();
    return TRUE;
}

BOOL CBoxPropertiesDlg::OnCommand(WORD id, WORD code, HWND control) {
    if (OnPartCommand(id, code)) return TRUE;
    if (code == BN_CLICKED) {
        for (const auto& radio : kMethodRadios)
            if (id == radio.id) {
                OnMethodClicked(radio.method);
                return TRUE;
            }
        switch (id) {
        case IDOK:
            OnOkOrApply(true);
            return TRUE;
        case IDC_APPLY:
            OnOkOrApply(false);
            return TRUE;
        case IDC_MON_IPV4:
            OnIpVersionClicked(IPVER_4);
            return TRUE;
        case IDC_MON_IPV6:
            OnIpVersionClicked(IPVER_6);
            return TRUE;
        case IDC_DEFAULT:
            OnDefault();
            return TRUE;
        }
    }
    if (code == EN_CHANGE) {
        if (id == IDC_MON_NAME || id == IDC_MON_ADDRESS) {
            OnNameOrAddressChanged();
            return TRUE;
        }
        if (id == IDC_MON_PORT) {
            UpdateData(true);
            m_preview.Redraw();
            return TRUE;
        }
    }
    if (code == EN_UPDATE && (id == IDC_MON_MSGBOX_COUNT || id == IDC_MON_SOUND_COUNT)) {
        OnRepeatCountTyped(id);
        return TRUE;
    }
    return CSettingsDialog::OnCommand(id, code, control);
}

INT_PTR CBoxPropertiesDlg::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT && !IsIconic(m_hWnd)) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(m_hWnd, &ps);
        m_preview.Draw(dc, PreviewTextsNow());
        EndPaint(m_hWnd, &ps);
        return TRUE;
    }
    if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
        HWND control = reinterpret_cast<HWND>(lParam);
        if ((GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX) {
            wchar_t cls[16] = {};
            GetClassNameW(control, cls, 16);
            if (!lstrcmpiW(cls, L"Button")) {
                SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
                return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
            }
        }
    }
    return CSettingsDialog::DialogProc(message, wParam, lParam);
}

void CBoxPropertiesDlg::OnDestroy() { m_preview.ReleasePictures(); }

BOOL CBoxPropertiesDlg::OnNotify(int id, NMHDR* header, LRESULT& result) {
    if (header->code != UDN_DELTAPOS) return FALSE;
    const auto& step = *reinterpret_cast<NMUPDOWN*>(header);
    if (id == IDC_MON_MSGBOX_SPIN || id == IDC_MON_SOUND_SPIN)
        OnRepeatSpin(id, step);
    else if (id == IDC_MON_INTERVAL_SPIN)
        OnIntervalSpin(step);
    else
        return FALSE;
    result = 0;  // the step is allowed
    return TRUE;
}

void CBoxPropertiesDlg::OnMethodClicked(UINT method) {
    EnableItem(IDC_MON_PORT, method == METHOD_TCP);
    CheckMethod = method;
    UpdateData(true);
    const MethodLook* look = MethodLookFor(method);
    ApplyMethodLook(method);
    EnableItem(IDC_MON_IPV4, true);
    EnableItem(IDC_MON_IPV6, true);
    // The method's own interval, also when it was chosen already.
    SetSpinRange(IDC_MON_INTERVAL_SPIN, static_cast<int>(look->intervalMin), kIntervalMax);
    CheckInterval = look->intervalDefault;
    SetSpinPos(IDC_MON_INTERVAL_SPIN, static_cast<int>(CheckInterval));
    m_preview.Redraw();
    UpdateData(false);
}

void CBoxPropertiesDlg::OnIpVersionClicked(UINT ipVersion) {
    IPv = ipVersion;
    ShowAddressLabel();
    UpdateData(true);
}

void CBoxPropertiesDlg::OnNameOrAddressChanged() {
    UpdateData(true);
    // A lone blank is no name and no address.
    if (Name == L" ") Name.clear();
    if (IPorURLAddress == L" ") IPorURLAddress.clear();
    UpdateData(false);
    m_preview.Redraw();
}

void CBoxPropertiesDlg::OnRepeatCountTyped(int editId) {
    UpdateData(true);
    const bool msgBox = editId == IDC_MON_MSGBOX_COUNT;
    UINT& count = msgBox ? nMSGB : nPS;
    count = LeadingNumber(msgBox ? m_strMsgBoxCount : m_strSoundCount);
    ShowBalloon(editId, L"", RepeatBalloonText(msgBox ? RepeatKind::MsgBox : RepeatKind::Sound, true, count, CheckInterval));
    SetSpinPos(msgBox ? IDC_MON_MSGBOX_SPIN : IDC_MON_SOUND_SPIN, static_cast<int>(count & 0xFFFF));
    UpdateData(false);
}

void CBoxPropertiesDlg::OnRepeatSpin(int spinId, const NMUPDOWN& step) {
    UpdateData(true);
    const bool msgBox = spinId == IDC_MON_MSGBOX_SPIN;
    UINT& count = msgBox ? nMSGB : nPS;
    count = static_cast<UINT>(StepResult(GetDlgItem(spinId), step));
    (msgBox ? m_strMsgBoxCount : m_strSoundCount) = std::to_wstring(count);
    ShowBalloon(msgBox ? IDC_MON_MSGBOX_COUNT : IDC_MON_SOUND_COUNT, L"",
                RepeatBalloonText(msgBox ? RepeatKind::MsgBox : RepeatKind::Sound, false, count, CheckInterval));
    UpdateData(false);
}

void CBoxPropertiesDlg::OnIntervalSpin(const NMUPDOWN& step) {
    UpdateData(true);
    CheckInterval = static_cast<UINT>(StepResult(GetDlgItem(IDC_MON_INTERVAL_SPIN), step));
    const std::wstring warning = IntervalBalloonText(CheckMethod);
    if (!warning.empty()) ShowBalloon(IDC_MON_INTERVAL, L"", warning);
    UpdateData(false);
}

bool CBoxPropertiesDlg::ValidateAddress(BOOL bFromOkOrApply) {
    AddressCheck check = CheckMonitorAddress(CheckMethod, IPv, IPorURLAddress, bFromOkOrApply != FALSE);
    if (!check.ok) {
        if (!check.message.empty()) fw::AppMessageBox(check.message, MB_OK);
        return false;
    }
    if (check.hasUrl) {
        m_strUrlHost = check.urlHost;
        m_nUrlPort = check.urlPort;
    }
    return true;
}

void CBoxPropertiesDlg::OnOkOrApply(bool ok) {
    // A number that cannot be read (an emptied port) has been reported: the user
    // corrects it before anything is kept.
    if (!UpdateData(true)) return;
    if (Name.empty()) {
        fw::AppMessageBox(L"Name is missing.", MB_OK);
        return;
    }
    if (!ValidateAddress(TRUE)) return;
    if (IPorURLAddress.empty()) {
        fw::AppMessageBox(L"IP address is missing.", MB_OK);
        return;
    }
    if (Port > 65535) Port = 65535;
    // After an Apply in Add mode the dialog edits the monitor just added.
    if (!ok) SetWindowTextW(m_hWnd, L"Edit Monitor");
    UpdateData(false);
    UpdateData(true);
    if (ok)
        OnOK();
    else
        SendMessageW(m_hParent ? m_hParent : GetParent(m_hWnd), UM_MONITOR_APPLIED, 0, 0);
}

void CBoxPropertiesDlg::OnDefault() {
    UpdateData(true);
    // The keys Default resets go back to the table's defaults: the look is the default
    // pictures' (written when missing), and the skin shown becomes "Default".
    SetSettingDefaults(MonitorKeys(), static_cast<MonitorSettings&>(*this), kMonitorDefaultKeys);
    WriteMissingDefaultPictures(m_preview.PicturesFolder());
    ShowLook(SkinLook::Of(*this));
    m_skins.ShowDefault();
    ShowFieldsOutsideExchange();
    EnableItem(IDC_MON_IPV4, true);
    EnableItem(IDC_MON_IPV6, true);
    UpdateData(false);
}
