// Painting of the strip: the grip strip, every box through one off-screen bitmap, the
// separators and the frame; one box at a time after a check result.
#include <algorithm>
#include <cwctype>

#include "app/BoxLayout.h"
#include "app/BoxText.h"
#include "app/DotFrame.h"
#include "app/MainDlg.h"
#include "app/StripGeometry.h"
#include "model/IconFile.h"
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
            DrawBoxToScreen(n, dc, memory);
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

void CMainDlg::RedrawBox(int nBox) {
    if (nBox <= 0 || nBox > NumBox || !m_hWnd) return;
    fw::CClientDC dc(m_hWnd);
    fw::CMemoryDC memory(dc);
    fw::CBitmap bitmap(CreateCompatibleBitmap(dc, kMaxBoxWidth, kMaxBoxHeight));
    fw::CSelectObject selectBitmap(memory, bitmap);
    DrawBoxToScreen(nBox, dc, memory);
}

void CMainDlg::DrawBoxToScreen(int nBox, HDC screen, HDC memory) {
    DrawBox(nBox, memory);
    RECT r = StripBoxRect(ShapeOf(*this), nBox);
    BitBlt(screen, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, 0, 0, SRCCOPY);
}

void CMainDlg::DrawBox(int nBox, HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    const RECT whole = {0, 0, XBox, YBox};
    CMonitorRecord* record = (nBox >= 1 && nBox <= kMaxMonitors) ? m_apRecords[nBox - 1].get() : nullptr;
    if (!record) {
        FillRect(dc, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        return;
    }
    CMonitorRecord& r = *record;
    const int s = r.m_nStatus;
    const BoxLineSwitches on = {ShowIPAddress != 0, ShowMethod != 0, ShowStatus != 0, ShowReplyTime != 0};
    const BoxLayout layout = MakeBoxLayout(XBox, YBox, on.Count());
    const BoxColours colours = BoxColoursFor(s, r.BoxColorUp, r.BoxColorDown, r.TextColorUp, r.TextColorDown);

    {
        fw::CBrush background(CreateSolidBrush(colours.background));
        FillRect(dc, &whole, background);
    }

    switch (BoxPictureFor(s, r.PicTypeUp, r.PicTypeDown)) {
    case BoxPicture::Up:
        DrawBoxPicture(dc, r.m_hIconUp, {r.m_bmUp.bmWidth, r.m_bmUp.bmHeight}, layout.pictureRect);
        break;
    case BoxPicture::Down:
        DrawBoxPicture(dc, r.m_hIconDown, {r.m_bmDown.bmWidth, r.m_bmDown.bmHeight}, layout.pictureRect);
        break;
    case BoxPicture::Error: DrawBoxPicture(dc, m_hErrorIcon, m_sizeErrorIcon, layout.statusPictureRect); break;
    case BoxPicture::Checking:
        DrawBoxPicture(dc, m_hCheckingIcon, m_sizeStateIcon, layout.statusPictureRect);
        break;
    case BoxPicture::Disabled:
        DrawBoxPicture(dc, m_hDisabledIcon, m_sizeStateIcon, layout.statusPictureRect);
        break;
    case BoxPicture::None: break;
    }

    {
        fw::CSelectObject selectFont(dc, layout.large ? m_fontNameLarge : m_fontNameSmall);
        SetTextColor(dc, colours.text);
        DrawBoxText(dc, r.Name, layout.nameRect);
        if (IsCaptionStatus(s)) {
            SetTextColor(dc, kBlack);
            r.m_strStatusCaption = BoxCaption(s, r.CheckMethod);
            DrawBoxText(dc, r.m_strStatusCaption, layout.captionRect);
        }
    }

    {
        fw::CSelectObject selectFont(dc, layout.large ? m_fontInfoLarge : m_fontInfoSmall);
        const BoxTextInput input = {s, r.CheckMethod, r.IPv, r.Port, r.IPorURLAddress,
                                    r.m_dwTimeMs, r.m_dwError, r.m_dwIpStatus};
        const std::vector<std::wstring> lines = InfoLines(input, on);
        const size_t drawn = InfoLinesDrawn(lines.size(), s);
        for (size_t i = 0; i < drawn; ++i) DrawBoxText(dc, lines[i], layout.lineRects[i]);
    }

    DrawBoxMarkers(nBox, dc);
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

void CMainDlg::DrawBoxMarkers(int nBox, HDC dc) {
    CDotFrame frame;
    const bool row = WinPos != 0;
    switch (BoxMarkerFor(nBox, m_bInsertMark, m_bBoxMenuOpen, m_nMenuBox)) {
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
