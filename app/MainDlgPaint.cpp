// Painting of the strip: the grip strip, every box through one off-screen bitmap, the
// separators and the frame; one box at a time after a check result, and only when what
// it shows changed.
#include <algorithm>
#include <cwctype>

#include "ui/BoxLayout.h"
#include "ui/BoxText.h"
#include "app/DotFrame.h"
#include "app/MainDlg.h"
#include "app/StripGeometry.h"
#include "model/IconFile.h"
#include "framework/StringUtil.h"
#include "model/SharedRoutines.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kMarkerColour = RGB(154, 1, 39);

// The strip's shape from the window settings.
StripShape ShapeOf(const CMainDlg& dlg) { return {dlg.NumBox, dlg.WinPos != 0, dlg.XBox, dlg.YBox}; }

void DrawLine(HDC dc, const StripLine& line) {
    MoveToEx(dc, line.from.x, line.from.y, nullptr);
    LineTo(dc, line.to.x, line.to.y);
}

bool IsIconFileName(const std::wstring& path) {
    std::wstring type = RightThree(path);
    std::transform(type.begin(), type.end(), type.begin(), [](wchar_t c) { return std::towlower(c); });
    return type == L"ico";
}

// A picture file's icon at 64 x 64, owned (and destroyed) by the record: not shared.
HICON LoadPictureFile(const std::wstring& path) {
    return static_cast<HICON>(
        LoadImageW(nullptr, path.c_str(), IMAGE_ICON, 64, 64, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
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
    SIZE size = StripWindowSize(ShapeOf(*this));
    SetWindowPos(m_hWnd, HWND_TOP, 0, 0, size.cx, size.cy, SWP_NOMOVE);
    RedrawWholeWindow();
}

// Everything one box shows, worked out from its record and the window settings before
// anything is drawn.
struct CMainDlg::BoxContent {
    bool present = false;  // a record in the slot; else the box is white
    BoxLayout layout = {};
    BoxColours colours = {};
    HICON picture = nullptr;
    SIZE pictureSize = {};
    RECT pictureArea = {};
    std::wstring name;
    std::wstring caption;  // empty: none
    std::vector<std::wstring> lines;  // the lines drawn
    BoxMarker marker = BoxMarker::None;

    // What tells two contents apart on the screen of a strip of this shape.
    std::wstring Signature(const StripShape& shape) const {
        if (!present) return L"white";
        std::wstring text = fw::Format(L"%d %d %d %lu %lu %p %ld %ld %ld %ld %ld %ld %d", shape.xBox, shape.yBox,
                                       shape.row, colours.background, colours.text, static_cast<void*>(picture),
                                       pictureSize.cx, pictureSize.cy, pictureArea.left, pictureArea.top,
                                       pictureArea.right, pictureArea.bottom, static_cast<int>(marker));
        for (const std::wstring* t : {&name, &caption}) text += L'\x1f' + *t;
        for (const std::wstring& line : lines) text += L'\x1f' + line;
        return text;
    }
};

CMainDlg::BoxContent CMainDlg::ContentOf(int nBox) {
    BoxContent box;
    CMonitorRecord* record = (nBox >= 1 && nBox <= kMaxMonitors) ? m_apRecords[nBox - 1].get() : nullptr;
    if (!record) return box;
    CMonitorRecord& r = *record;
    const int s = r.m_nStatus;
    const BoxLineSwitches on = {ShowIPAddress != 0, ShowMethod != 0, ShowStatus != 0, ShowReplyTime != 0};
    box.present = true;
    box.layout = MakeBoxLayout(XBox, YBox, on.Count());
    box.colours = BoxColoursFor(s, r.BoxColorUp, r.BoxColorDown, r.TextColorUp, r.TextColorDown);
    switch (BoxPictureFor(s, r.PicTypeUp, r.PicTypeDown)) {
    case BoxPicture::Up:
        box.picture = r.m_hIconUp;
        box.pictureSize = {r.m_bmUp.bmWidth, r.m_bmUp.bmHeight};
        box.pictureArea = box.layout.pictureRect;
        break;
    case BoxPicture::Down:
        box.picture = r.m_hIconDown;
        box.pictureSize = {r.m_bmDown.bmWidth, r.m_bmDown.bmHeight};
        box.pictureArea = box.layout.pictureRect;
        break;
    case BoxPicture::Error:
        box.picture = m_hErrorIcon;
        box.pictureSize = m_sizeErrorIcon;
        box.pictureArea = box.layout.statusPictureRect;
        break;
    case BoxPicture::Checking:
        box.picture = m_hCheckingIcon;
        box.pictureSize = m_sizeStateIcon;
        box.pictureArea = box.layout.statusPictureRect;
        break;
    case BoxPicture::Disabled:
        box.picture = m_hDisabledIcon;
        box.pictureSize = m_sizeStateIcon;
        box.pictureArea = box.layout.statusPictureRect;
        break;
    case BoxPicture::None: break;
    }
    box.name = r.Name;
    if (IsCaptionStatus(s)) {
        r.m_strStatusCaption = BoxCaption(s, r.CheckMethod);
        box.caption = r.m_strStatusCaption;
    }
    const BoxTextInput input = {s, r.CheckMethod, r.IPv, r.Port, r.IPorURLAddress,
                                r.m_dwTimeMs, r.m_dwError, r.m_dwIpStatus};
    box.lines = InfoLines(input, on);
    box.lines.resize(InfoLinesDrawn(box.lines.size(), s));
    box.marker = BoxMarkerFor(nBox, m_bInsertMark, m_bBoxMenuOpen, m_nMenuBox);
    return box;
}

void CMainDlg::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    const StripShape shape = ShapeOf(*this);
    DrawIconEx(dc, 1, 1, shape.row ? m_hGripIconRow : m_hGripIconColumn, 0, 0, 0, nullptr, DI_NORMAL);

    fw::CPen blackPen(CreatePen(PS_SOLID, 1, kBlack));
    {
        fw::CMemoryDC memory(dc);
        fw::CBitmap bitmap(CreateCompatibleBitmap(dc, kMaxBoxWidth, kMaxBoxHeight));
        fw::CSelectObject selectBitmap(memory, bitmap);
        for (int n = 1; n <= NumBox; ++n) {
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
    EndPaint(m_hWnd, &ps);
}

void CMainDlg::RedrawBox(int nBox, bool onlyIfChanged) {
    if (nBox <= 0 || nBox > NumBox || !m_hWnd) return;
    const BoxContent box = ContentOf(nBox);
    // A check result that changes nothing on the box draws nothing: at 70 monitors a
    // second most results look as the one before.
    if (onlyIfChanged && box.Signature(ShapeOf(*this)) == m_drawnBoxes[nBox - 1]) return;
    fw::CClientDC dc(m_hWnd);
    fw::CMemoryDC memory(dc);
    fw::CBitmap bitmap(CreateCompatibleBitmap(dc, kMaxBoxWidth, kMaxBoxHeight));
    fw::CSelectObject selectBitmap(memory, bitmap);
    DrawBoxToScreen(nBox, box, dc, memory);
}

void CMainDlg::DrawBoxToScreen(int nBox, const BoxContent& box, HDC screen, HDC memory) {
    DrawBox(box, memory);
    const StripShape shape = ShapeOf(*this);
    RECT r = StripBoxRect(shape, nBox);
    BitBlt(screen, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, 0, 0, SRCCOPY);
    m_drawnBoxes[nBox - 1] = box.Signature(shape);
}

void CMainDlg::DrawBox(const BoxContent& box, HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    const RECT whole = {0, 0, XBox, YBox};
    if (!box.present) {
        FillRect(dc, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        return;
    }
    const BoxLayout& layout = box.layout;
    {
        fw::CBrush background(CreateSolidBrush(box.colours.background));
        FillRect(dc, &whole, background);
    }
    DrawBoxPicture(dc, box.picture, box.pictureSize, box.pictureArea);
    {
        fw::CSelectObject selectFont(dc, layout.large ? m_fontNameLarge : m_fontNameSmall);
        SetTextColor(dc, box.colours.text);
        DrawBoxText(dc, box.name, layout.nameRect);
        if (!box.caption.empty()) {
            SetTextColor(dc, kBlack);
            DrawBoxText(dc, box.caption, layout.captionRect);
        }
    }
    {
        fw::CSelectObject selectFont(dc, layout.large ? m_fontInfoLarge : m_fontInfoSmall);
        for (size_t i = 0; i < box.lines.size(); ++i) DrawBoxText(dc, box.lines[i], layout.lineRects[i]);
    }
    DrawBoxMarkers(box.marker, dc);
}

void CMainDlg::DrawBoxPicture(HDC dc, HICON icon, SIZE nominal, const RECT& area) {
    if (!icon) return;
    RECT at = FitPicture(nominal.cx, nominal.cy, area);
    if (at.right <= at.left || at.bottom <= at.top) return;
    DrawIconEx(dc, at.left, at.top, icon, at.right - at.left, at.bottom - at.top, 0, nullptr, DI_NORMAL);
}

void CMainDlg::DrawBoxText(HDC dc, const std::wstring& text, RECT rect) {
    SIZE extent = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, TextPlacementFlags(extent.cx, XBox));
}

void CMainDlg::DrawBoxMarkers(BoxMarker marker, HDC dc) {
    CDotFrame frame;
    const bool row = WinPos != 0;
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
    if (nIndex < 0 || nIndex >= kMaxMonitors || !m_apRecords[nIndex]) return;
    CMonitorRecord& r = *m_apRecords[nIndex];
    r.m_hIconUp.Reset();
    r.m_hIconDown.Reset();
    r.PicTypeUp = r.PicTypeDown = 1;
    if (IsIconFileName(r.m_strPicPathUp)) {
        r.m_hIconUp.Reset(LoadPictureFile(r.m_strPicPathUp));
        r.MeasureUpIcon();
        UseRealPictureSize(r.m_hIconUp, r.m_bmUp);
    }
    if (IsIconFileName(r.m_strPicPathDown)) {
        r.m_hIconDown.Reset(LoadPictureFile(r.m_strPicPathDown));
        r.MeasureDownIcon();
        UseRealPictureSize(r.m_hIconDown, r.m_bmDown);
    }
}
