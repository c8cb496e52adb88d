// Painting of the strip: the grip strip, every box through one off-screen bitmap, the
// separators and the frame; one box at a time after a check result, and only when what
// it shows changed. On the screen the off-screen bitmap is kept from draw to draw.
#include "ui/BoxPainter.h"
#include "ui/BoxPicture.h"
#include "app/DotFrame.h"
#include "app/MainDlg.h"
#include "app/StripGeometry.h"
#include "model/IconFile.h"
#include "framework/StringUtil.h"
#include "model/SharedRoutines.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kMarkerColour = RGB(154, 1, 39);

void DrawLine(HDC dc, const StripLine& line) {
    MoveToEx(dc, line.from.x, line.from.y, nullptr);
    LineTo(dc, line.to.x, line.to.y);
}

// The record's description of a monochrome icon is its mask's, which holds two images
// one above the other: the picture is fitted by its real size instead.
void UseRealPictureSize(HICON icon, BITMAP& measured) {
    int width = 0, height = 0;
    if (icon && MeasureIconSize(icon, width, height)) {
        measured.bmWidth = width;
        measured.bmHeight = height;
    }
}

}  // namespace

void CMainDlg::FitWindowToBoxes() {
    SIZE size = StripWindowSize(Shape());
    SetWindowPos(m_hWnd, HWND_TOP, 0, 0, size.cx, size.cy, SWP_NOMOVE);
    RedrawWholeWindow();
}

// Everything one box shows, worked out from its record and the window settings before
// anything is drawn: what the painter draws, and the box menu's marker over it.
struct CMainDlg::StripBox {
    BoxContent content;
    bool large = false;  // the large layout's fonts
    BoxMarker marker = BoxMarker::None;

    // What tells two boxes apart on the screen of a strip of this shape.
    std::wstring Signature(const StripShape& shape) const {
        const BoxImage& image = content.image;
        std::wstring text = fw::Format(L"%d %d %d %lu %p %ld %ld %ld %ld %ld %ld %d", shape.xBox, shape.yBox,
                                       shape.row, content.background, static_cast<void*>(image.icon),
                                       image.size.cx, image.size.cy, image.area.left, image.area.top,
                                       image.area.right, image.area.bottom, static_cast<int>(marker));
        for (const BoxTextItem& item : content.texts)
            text += fw::Format(L"\x1f%lu %ld %d ", item.colour, item.rect.top, static_cast<int>(item.font)) + item.text;
        return text;
    }
};

CMainDlg::StripBox CMainDlg::ContentOf(int nBox) {
    StripBox box;
    CMonitorRecord* record = m_monitors.RecordOfBox(nBox);
    if (!record) {
        box.content = EmptyBoxContent(XBox, YBox);
        return box;
    }
    CMonitorRecord& r = *record;
    const int s = r.m_nStatus;
    const BoxLineSwitches on = {ShowIPAddress != 0, ShowMethod != 0, ShowStatus != 0, ShowReplyTime != 0};
    const BoxLayout layout = MakeBoxLayout(XBox, YBox, on.Count());
    BoxImage image;
    const BoxPicture picture = BoxPictureFor(s, r.PicTypeUp, r.PicTypeDown);
    switch (picture) {
    case BoxPicture::Up: image = {r.m_hIconUp, {r.m_bmUp.bmWidth, r.m_bmUp.bmHeight}, layout.pictureRect}; break;
    case BoxPicture::Down:
        image = {r.m_hIconDown, {r.m_bmDown.bmWidth, r.m_bmDown.bmHeight}, layout.pictureRect};
        break;
    case BoxPicture::Error:
    case BoxPicture::Checking:
    case BoxPicture::Disabled: image = m_view.StatusImage(picture, layout.statusPictureRect); break;
    case BoxPicture::None: break;
    }
    std::wstring caption;
    if (IsCaptionStatus(s)) {
        r.m_strStatusCaption = BoxCaption(s, r.CheckMethod);
        caption = r.m_strStatusCaption;
    }
    const BoxTextInput input = {s, r.CheckMethod, r.IPv, r.Port, r.IPorURLAddress,
                                r.m_dwTimeMs, r.m_dwError, r.m_dwIpStatus};
    std::vector<std::wstring> lines = InfoLines(input, on);
    lines.resize(InfoLinesDrawn(lines.size(), s));
    const BoxColours colours = BoxColoursFor(s, r.BoxColorUp, r.BoxColorDown, r.TextColorUp, r.TextColorDown);
    box.content = StripBoxContent(layout, XBox, YBox, colours, image, r.Name, caption, lines);
    box.large = layout.large;
    box.marker = m_boxMenu.MarkerOf(nBox);
    return box;
}

void CMainDlg::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    PaintStrip(dc, m_view.Surface());
    EndPaint(m_hWnd, &ps);
}

void CMainDlg::OnPrintClient(HDC dc) {
    fw::COffscreenSurface surface;
    PaintStrip(dc, surface);
}

void CMainDlg::PaintStrip(HDC dc, fw::COffscreenSurface& boxSurface) {
    const StripShape shape = Shape();
    DrawIconEx(dc, 1, 1, m_view.GripIcon(shape.row), 0, 0, 0, nullptr, DI_NORMAL);

    fw::CPen blackPen(CreatePen(PS_SOLID, 1, kBlack));
    if (const HDC memory = boxSurface.Prepare(dc, kMaxBoxWidth, kMaxBoxHeight)) {
        for (int n = 1; n <= m_monitors.Count(); ++n) {
            DrawBoxToScreen(n, ContentOf(n), dc, memory);
            fw::CSelectObject selectPen(dc, blackPen);
            DrawLine(dc, StripSeparatorAfterBox(shape, n));
        }
    }

    RECT client;
    GetClientRect(m_hWnd, &client);
    fw::CBrush blackBrush(CreateSolidBrush(kBlack));
    FrameRect(dc, &client, blackBrush);
    {
        fw::CSelectObject selectPen(dc, blackPen);
        DrawLine(dc, StripGripSeparator(shape));
    }
}

void CMainDlg::RedrawBox(int nBox, bool onlyIfChanged) {
    if (!m_monitors.InUse(SlotOfBox(nBox)) || !m_hWnd) return;
    const StripBox box = ContentOf(nBox);
    // A check result that changes nothing on the box draws nothing: at 70 monitors a
    // second most results look as the one before.
    if (onlyIfChanged && m_view.LooksAsDrawn(SlotOfBox(nBox), box.Signature(Shape()))) return;
    fw::CClientDC dc(m_hWnd);
    // Every draw fills the whole box before it is copied, so what the kept bitmap held
    // before never shows.
    if (const HDC memory = m_view.Surface().Prepare(dc, kMaxBoxWidth, kMaxBoxHeight))
        DrawBoxToScreen(nBox, box, dc, memory);
}

void CMainDlg::DrawBoxToScreen(int nBox, const StripBox& box, HDC screen, HDC memory) {
    PaintBox(memory, box.content, m_view.Fonts(box.large));
    DrawBoxMarkers(box.marker, memory);
    const StripShape shape = Shape();
    RECT r = StripBoxRect(shape, nBox);
    BitBlt(screen, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, 0, 0, SRCCOPY);
    m_view.Drawn(SlotOfBox(nBox), box.Signature(shape));
}

void CMainDlg::DrawBoxMarkers(BoxMarker marker, HDC dc) {
    CDotFrame frame;
    const bool row = Shape().row;
    switch (marker) {
    case BoxMarker::Frame: {
        RECT r = {0, 0, XBox - 1, YBox - 1};
        frame.DrawRect(dc, &r, kMarkerColour);
        break;
    }
    case BoxMarker::LeadingLine: {
        RECT r = row ? RECT{0, 0, 0, YBox - 1} : RECT{0, 0, XBox - 1, 0};
        row ? frame.DrawRightEdge(dc, &r, kMarkerColour) : frame.DrawBottomEdge(dc, &r, kMarkerColour);
        break;
    }
    case BoxMarker::TrailingLine: {
        RECT r = {0, 0, XBox - 1, YBox - 1};
        row ? frame.DrawRightEdge(dc, &r, kMarkerColour) : frame.DrawBottomEdge(dc, &r, kMarkerColour);
        break;
    }
    case BoxMarker::None: break;
    }
}

void CMainDlg::LoadBoxPictures(int nIndex) {
    CMonitorRecord* record = m_monitors.RecordAt(nIndex);
    if (!record) return;
    CMonitorRecord& r = *record;
    r.m_hIconUp.Reset();
    r.m_hIconDown.Reset();
    r.PicTypeUp = r.PicTypeDown = 1;
    if (IsBoxPictureFile(r.m_strPicPathUp)) {
        r.m_hIconUp.Reset(LoadBoxPicture(r.m_strPicPathUp));
        r.MeasureUpIcon();
        UseRealPictureSize(r.m_hIconUp, r.m_bmUp);
    }
    if (IsBoxPictureFile(r.m_strPicPathDown)) {
        r.m_hIconDown.Reset(LoadBoxPicture(r.m_strPicPathDown));
        r.MeasureDownIcon();
        UseRealPictureSize(r.m_hIconDown, r.m_bmDown);
    }
}
