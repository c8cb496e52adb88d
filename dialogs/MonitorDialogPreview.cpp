#include "dialogs/MonitorDialogPreview.h"

#include "dialogs/FileFilters.h"
#include "dialogs/PictureRules.h"
#include "framework/AppMessage.h"
#include "framework/FileDialog.h"
#include "model/IconFile.h"
#include "ui/BoxPicture.h"
#include "ui/PreviewLayout.h"

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

void CMonitorPreview::Attach(HWND dialog, const std::wstring& picturesFolder) {
    m_dialog = dialog;
    m_picturesFolder = picturesFolder;
}

// Stored names may come from hand-edited files: only a file name in Pictures is kept.
void CMonitorPreview::SetFile(bool down, const std::wstring& file) {
    m_sides[down].file = PictureFileName(file);
    m_sides[down].path = m_picturesFolder + m_sides[down].file;
}

void CMonitorPreview::ShowFiles(const std::wstring& up, const std::wstring& down) {
    SetFile(false, up);
    SetFile(true, down);
    LoadPictures();
}

void CMonitorPreview::LoadPictures() {
    for (Side& side : m_sides) {
        side.icon.Reset(LoadBoxPicture(side.path));
        side.size = Measure(side.icon.Get());
    }
    Redraw();
}

void CMonitorPreview::Clear(Side& side) {
    side.icon.Reset();
    side.file.clear();
    side.path.clear();
    side.size = {0, 0};
}

bool CMonitorPreview::Choose(bool down) {
    std::wstring chosen;
    if (!fw::ChooseFileToOpen(m_dialog, kIconFileFilter, chosen)) return false;
    Side& side = m_sides[down];
    side.icon.Reset();
    side.file = FileNameOf(chosen);
    side.path = m_picturesFolder + side.file;
    // The chosen file itself is judged; the pictures folder is written only once it passed.
    const bool ico = IsBoxPictureFile(chosen);
    if (ico) side.icon.Reset(LoadBoxPicture(chosen));
    side.size = Measure(side.icon.Get());
    bool taken = false;
    switch (DecidePictureChoice(ico, side.icon.Valid(), side.size.cx, side.size.cy, IsSameFile(chosen, side.path))) {
    case PictureChoice::Refuse: break;
    case PictureChoice::RefuseUnequalSize: fw::AppMessageBox(L"Icon dimensions must be same size.", MB_OK); break;
    case PictureChoice::TakeInPlace: taken = true; break;
    case PictureChoice::CopyAndTake:
        taken = CopyFileW(chosen.c_str(), side.path.c_str(), FALSE) != FALSE;
        if (!taken) fw::SystemErrorBox(GetLastError());
        break;
    }
    if (!taken) Clear(side);
    Redraw();
    return true;
}

void CMonitorPreview::Empty(bool down) {
    Clear(m_sides[down]);
    Redraw();
}

void CMonitorPreview::GreyCopy() {
    Side &up = m_sides[0], &down = m_sides[1];
    Clear(down);
    if (up.icon.Valid()) {
        down.icon.Reset(CreateGrayscaleIcon(up.icon.Get()));
        const std::wstring base = up.file.substr(0, up.file.size() >= 4 ? up.file.size() - 4 : 0);
        down.file = base + L"_GSC.ico";
        down.path = m_picturesFolder + down.file;
        const HICON grey = down.icon.Get();
        if (!grey || !SaveIconFile(down.path.c_str(), &grey, 1)) Clear(down);
    }
    LoadPictures();
}

void CMonitorPreview::ReleasePictures() {
    for (Side& side : m_sides) side.icon.Reset();
}

void CMonitorPreview::Redraw() const {
    if (!m_dialog) return;
    // Both frames; the page behind them is erased and the preview drawn by WM_PAINT.
    RECT area;
    const RECT up = PreviewBoxLayout(false, 0, 0).frame, down = PreviewBoxLayout(true, 0, 0).frame;
    UnionRect(&area, &up, &down);
    RedrawWindow(m_dialog, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CMonitorPreview::Draw(HDC dc, const PreviewTexts& texts) {
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    for (bool down : {false, true}) {
        const PreviewBox box = PreviewBoxLayout(down, texts.width, texts.height);
        RECT frame = box.frame;
        DrawEdge(dc, &frame, BDR_SUNKENOUTER, BF_RECT);
        FrameRect(dc, &box.outline, black);

        Side& side = m_sides[down];
        if (side.icon.Valid()) {
            // The fitted size is kept until the picture is measured again.
            const RECT at = FitPicture(side.size.cx, side.size.cy, box.picture);
            side.size = {at.right - at.left, at.bottom - at.top};
        }
        PaintBox(dc,
                 PreviewBoxContent(box, texts.colours[down], side.icon.Get(), side.size, texts.name, texts.address,
                                   texts.methodLine),
                 m_fonts.For(false));
    }
}
