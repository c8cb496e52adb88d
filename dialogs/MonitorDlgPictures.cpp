// The monitor dialog's pictures (choose, empty, grey copy), its live preview of the box
// in both states, the notification check boxes and their masks, the sound and
// message-box tests, and the three notification settings dialogs.
#include "dialogs/ExecFileDlg.h"
#include "dialogs/FileFilters.h"
#include "dialogs/MonitorDialog.h"
#include "dialogs/MsgBoxSettingsDlg.h"
#include "dialogs/NotificationSettingsRules.h"
#include "dialogs/PictureRules.h"
#include "ui/BoxPicture.h"
#include "ui/PreviewLayout.h"
#include "dialogs/SkinRules.h"
#include "dialogs/SoundSettingsDlg.h"
#include "engine/SoundThread.h"
#include "framework/AppMessage.h"
#include "framework/FileDialog.h"
#include "framework/GdiHandles.h"
#include "framework/Handle.h"
#include "framework/TimeText.h"
#include "model/IconFile.h"
#include "model/SharedRoutines.h"
#include "resource.h"

namespace {

std::wstring FileNameOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// Both names lead to one file (the same file's identity on the same volume), whatever the
// spelling of the paths; false when either cannot be opened.
bool IsSameFile(const std::wstring& a, const std::wstring& b) {
    BY_HANDLE_FILE_INFORMATION info[2] = {};
    const std::wstring* paths[2] = {&a, &b};
    for (int i = 0; i < 2; ++i) {
        fw::CFileHandle file = fw::OpenFileHandle(*paths[i], 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
        if (!file.Valid() || !GetFileInformationByHandle(file.Get(), &info[i])) return false;
    }
    return info[0].dwVolumeSerialNumber == info[1].dwVolumeSerialNumber &&
           info[0].nFileIndexHigh == info[1].nFileIndexHigh && info[0].nFileIndexLow == info[1].nFileIndexLow;
}

SIZE Measure(HICON icon) {
    int w = 0, h = 0;
    if (!icon || !MeasureIconSize(icon, w, h)) return {0, 0};
    return {w, h};
}

}  // namespace

void CBoxPropertiesDlg::MeasureUpIcon() { m_bmUp = Measure(m_hIconUp.Get()); }
void CBoxPropertiesDlg::MeasureDownIcon() { m_bmDown = Measure(m_hIconDown.Get()); }

void CBoxPropertiesDlg::LoadBoxIcons() {
    m_hIconUp.Reset();
    m_hIconDown.Reset();
    PicTypeUp = PicTypeDown = 1;
    m_hIconUp.Reset(LoadBoxPicture(m_strPicPathUp));
    MeasureUpIcon();
    m_hIconDown.Reset(LoadBoxPicture(m_strPicPathDown));
    MeasureDownIcon();
    RedrawPreview();
}

// The look no longer follows a skin.
void CBoxPropertiesDlg::ShowCustomSkin() {
    m_strSkinName = kCustomSkinName;
    SetItemText(IDC_MON_SKIN, m_strSkinName);
    EnableItem(IDC_MON_DELETE_SKIN, false);
}

void CBoxPropertiesDlg::ChoosePicture(bool up) {
    std::wstring chosen;
    if (!fw::ChooseFileToOpen(m_hWnd, kIconFileFilter, chosen)) return;
    fw::CIcon& icon = up ? m_hIconUp : m_hIconDown;
    std::wstring& file = up ? PicFileUp : PicFileDown;
    std::wstring& path = up ? m_strPicPathUp : m_strPicPathDown;
    SIZE& size = up ? m_bmUp : m_bmDown;
    icon.Reset();
    (up ? PicTypeUp : PicTypeDown) = 1;
    file = FileNameOf(chosen);
    path = m_strDataFolder + L"\\Pictures\\" + file;
    // The chosen file itself is judged; the pictures folder is written only once it passed.
    const bool ico = IsBoxPictureFile(chosen);
    if (ico) icon.Reset(LoadBoxPicture(chosen));
    size = Measure(icon.Get());
    bool taken = false;
    switch (DecidePictureChoice(ico, icon.Valid(), size.cx, size.cy, IsSameFile(chosen, path))) {
    case PictureChoice::Refuse: break;
    case PictureChoice::RefuseUnequalSize: fw::AppMessageBox(L"Icon dimensions must be same size.", MB_OK); break;
    case PictureChoice::TakeInPlace: taken = true; break;
    case PictureChoice::CopyAndTake:
        taken = CopyFileW(chosen.c_str(), path.c_str(), FALSE) != FALSE;
        if (!taken) fw::SystemErrorBox(GetLastError());
        break;
    }
    if (!taken) {
        icon.Reset();
        file.clear();
        path.clear();
        size = {0, 0};
    }
    ShowCustomSkin();
    RedrawPreview();
}

void CBoxPropertiesDlg::EmptyPicture(bool up) {
    ShowCustomSkin();
    (up ? m_hIconUp : m_hIconDown).Reset();
    (up ? PicFileUp : PicFileDown).clear();
    (up ? m_strPicPathUp : m_strPicPathDown).clear();
    (up ? PicTypeUp : PicTypeDown) = 1;
    if (up) MeasureUpIcon();
    else MeasureDownIcon();
    RedrawPreview();
}

void CBoxPropertiesDlg::OnGrayscale() {
    m_hIconDown.Reset();
    PicFileDown.clear();
    m_strPicPathDown.clear();
    if (m_hIconUp.Valid()) {
        m_hIconDown.Reset(CreateGrayscaleIcon(m_hIconUp.Get()));
        const std::wstring base = PicFileUp.substr(0, PicFileUp.size() >= 4 ? PicFileUp.size() - 4 : 0);
        PicFileDown = base + L"_GSC.ico";
        m_strPicPathDown = m_strDataFolder + L"\\Pictures\\" + PicFileDown;
        const HICON grey = m_hIconDown.Get();
        if (!grey || !SaveIconFile(m_strPicPathDown.c_str(), &grey, 1)) {
            m_hIconDown.Reset();
            PicFileDown.clear();
            m_strPicPathDown.clear();
        }
    }
    LoadBoxIcons();
}

void CBoxPropertiesDlg::RedrawPreview() {
    if (!m_hWnd) return;
    // Both frames; the page behind them is erased and the preview drawn by OnPaint.
    RECT area = {15, 29, 193, 97};
    RedrawWindow(m_hWnd, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CBoxPropertiesDlg::DrawPreview(HDC dc) {
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    for (bool down : {false, true}) {
        const PreviewBox box = PreviewBoxLayout(down, m_nPreviewWidth, m_nPreviewHeight);
        RECT frame = box.frame;
        DrawEdge(dc, &frame, BDR_SUNKENOUTER, BF_RECT);
        FrameRect(dc, &box.outline, black);

        const HICON picture = (down ? m_hIconDown : m_hIconUp).Get();
        SIZE& size = down ? m_bmDown : m_bmUp;
        if (picture) {
            // The fitted size is kept until the picture is measured again.
            const RECT at = FitPicture(size.cx, size.cy, box.picture);
            size = {at.right - at.left, at.bottom - at.top};
        }
        const BoxColours colours = {(down ? m_btnBoxColorDown : m_btnBoxColorUp).GetColor(),
                                    (down ? m_btnTextColorDown : m_btnTextColorUp).GetColor()};
        PaintBox(dc, PreviewBoxContent(box, colours, picture, size, Name, IPorURLAddress,
                                       PreviewMethodLine(CheckMethod, Port)),
                 m_boxFonts.For(false));
    }
}

INT_PTR CBoxPropertiesDlg::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT && !IsIconic(m_hWnd)) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(m_hWnd, &ps);
        DrawPreview(dc);
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

void CBoxPropertiesDlg::OnDestroy() {
    m_hIconUp.Reset();
    m_hIconDown.Reset();
}

const CBoxPropertiesDlg::NotificationCheck CBoxPropertiesDlg::kNotificationChecks[8] = {
    {IDC_MON_SOUND_UP, &CBoxPropertiesDlg::m_bSoundUp, true, 0x01},
    {IDC_MON_SOUND_DOWN, &CBoxPropertiesDlg::m_bSoundDown, true, 0x02},
    {IDC_MON_SOUND_CLOSED, &CBoxPropertiesDlg::m_bSoundClosed, true, 0x04},
    {IDC_MON_SOUND_ERROR, &CBoxPropertiesDlg::m_bSoundError, true, 0x08},
    {IDC_MON_MSGBOX_UP, &CBoxPropertiesDlg::m_bMsgBoxUp, false, 0x01},
    {IDC_MON_MSGBOX_DOWN, &CBoxPropertiesDlg::m_bMsgBoxDown, false, 0x02},
    {IDC_MON_MSGBOX_CLOSED, &CBoxPropertiesDlg::m_bMsgBoxClosed, false, 0x04},
    {IDC_MON_MSGBOX_ERROR, &CBoxPropertiesDlg::m_bMsgBoxError, false, 0x08},
};

void CBoxPropertiesDlg::MirrorMaskBits() {
    for (const auto& c : kNotificationChecks) this->*c.mirror = ((c.sound ? Sound : MsgBox) & c.bit) ? 1 : 0;
}

void CBoxPropertiesDlg::OnNotificationCheck(int id) {
    UpdateData(true);
    for (const auto& c : kNotificationChecks) {
        if (c.id != id) continue;
        AtomicU32& mask = c.sound ? Sound : MsgBox;
        const UINT value = mask;
        mask = (this->*c.mirror) ? (value | c.bit) : (value & ~c.bit);
    }
}

void CBoxPropertiesDlg::OnMsgBoxTest() {
    UpdateData(true);
    fw::AppMessageBox(MonitorMsgBoxTestText(*this, fw::LocalNow()), MB_ICONINFORMATION | MB_SETFOREGROUND | MB_TOPMOST);
}

void CBoxPropertiesDlg::OnSoundSettings() {
    UpdateData(true);
    CPlaySoundSettings dlg(m_hWnd);
    dlg.m_strName = Name;
    dlg.m_nCheckMethod = CheckMethod;
    for (int i = 0; i < kSoundSlotCount; ++i) {
        dlg.m_strWavPath[i] = SlotWavPath(*this, i);
        dlg.m_strSpeech[i] = SlotSpokenText(*this, i);
        dlg.m_bCustomWav[i] = SwitchOf(CustomSoundCheck, i);
        dlg.m_bSpeak[i] = SwitchOf(TextSpeechCheck, i);
    }
    if (dlg.DoModal() != IDOK) return;
    for (int i = 0; i < kSoundSlotCount; ++i) {
        SlotWavPath(*this, i) = dlg.m_strWavPath[i];
        SlotSpokenText(*this, i) = dlg.m_strSpeech[i];
    }
    CustomSoundCheck = PackSwitches(dlg.m_bCustomWav, kSoundSlotCount);
    TextSpeechCheck = PackSwitches(dlg.m_bSpeak, kSoundSlotCount);
}

void CBoxPropertiesDlg::OnMsgBoxSettings() {
    UpdateData(true);
    CMsgBoxSettings dlg(m_hWnd);
    dlg.m_strDescription = MsgBoxDesc;
    dlg.m_strName = Name;
    if (dlg.DoModal() == IDOK) MsgBoxDesc = dlg.m_strDescription;
}

void CBoxPropertiesDlg::OnFileSettings() {
    UpdateData(true);
    if (!ValidateAddress(FALSE)) return;
    CExecFile dlg(m_hWnd);
    dlg.m_strProgram = ExecFilePath;
    dlg.m_strParameters = ExecFileParam;
    for (int i = 0; i < kExecSwitchCount; ++i) dlg.m_bStatus[i] = SwitchOf(ExecFileStatusCheck & 0xFF, i);
    dlg.m_nCheckMethod = CheckMethod;
    dlg.m_strName = Name;
    dlg.m_nPort = Port;
    dlg.m_strAddress = IPorURLAddress;
    dlg.m_nInterval = CheckInterval;
    dlg.m_nIpVersion = IPv;
    dlg.m_nCount = nEF;
    if (dlg.DoModal() != IDOK) return;
    ExecFilePath = dlg.m_strProgram;
    ExecFileParam = dlg.m_strParameters;
    ExecFileStatusCheck = PackSwitches(dlg.m_bStatus, kExecSwitchCount);
    nEF = dlg.m_nCount;
}

BOOL CBoxPropertiesDlg::OnPictureCommand(WORD id, WORD code) {
    if (code != BN_CLICKED) return FALSE;
    for (const auto& c : kNotificationChecks)
        if (c.id == id) {
            OnNotificationCheck(id);
            return TRUE;
        }
    const ErrorSoundSettings errors = {static_cast<int>(CustomSoundError), CustomSoundPathError,
                                       static_cast<int>(TextSpeechSoundError), TextSpeechTextError};
    switch (id) {
    case IDC_MON_ICON_UP: ChoosePicture(true); break;
    case IDC_MON_ICON_DOWN: ChoosePicture(false); break;
    case IDC_MON_EMPTY_UP: EmptyPicture(true); break;
    case IDC_MON_EMPTY_DOWN: EmptyPicture(false); break;
    case IDC_MON_GRAY_COPY: OnGrayscale(); break;
    case IDC_MON_TEST_UP:
    case IDC_MON_TEST_DOWN:
    case IDC_MON_TEST_CLOSED:
    case IDC_MON_TEST_ERROR: {
        UpdateData(true);
        const SoundTest test = id == IDC_MON_TEST_UP     ? SoundTest::UpOpen
                               : id == IDC_MON_TEST_DOWN ? SoundTest::Down
                               : id == IDC_MON_TEST_CLOSED ? SoundTest::ClosedSnF
                                                           : SoundTest::Error;
        StartSound(SoundTestRequest(test, *this, errors));
        break;
    }
    case IDC_MON_MSGBOX_TEST: OnMsgBoxTest(); break;
    case IDC_MON_SOUND_SETTINGS: OnSoundSettings(); break;
    case IDC_MON_MSGBOX_SETTINGS: OnMsgBoxSettings(); break;
    case IDC_MON_EXEC_SETTINGS: OnFileSettings(); break;
    default: return FALSE;
    }
    return TRUE;
}
