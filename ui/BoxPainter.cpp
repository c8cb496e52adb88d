#include "ui/BoxPainter.h"

#include "framework/GdiHandles.h"
#include "model/SharedRoutines.h"

namespace {
constexpr COLORREF kCaptionColour = RGB(0, 0, 0);
}  // namespace

CBoxFontSet::CBoxFontSet() {
    NONCLIENTMETRICSW metrics = {};
    // Before Vista the structure ends before its last field.
    metrics.cbSize = IsVistaOrLater() ? sizeof(metrics) : sizeof(metrics) - sizeof(metrics.iPaddedBorderWidth);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    // Each font changes the one before it, so face, character set and quality stay the
    // message font's, and the info fonts keep its width.
    LOGFONTW font = metrics.lfMessageFont;
    font.lfHeight = 12;
    font.lfWeight = FW_NORMAL;
    m_infoSmall.Reset(CreateFontIndirectW(&font));
    font.lfHeight = 14;
    m_infoLarge.Reset(CreateFontIndirectW(&font));
    font.lfWidth = 6;
    font.lfWeight = FW_SEMIBOLD;
    m_nameSmall.Reset(CreateFontIndirectW(&font));
    font.lfHeight = 17;
    font.lfWidth = 7;
    m_nameLarge.Reset(CreateFontIndirectW(&font));
}

BoxFonts CBoxFontSet::For(bool large) const {
    return large ? BoxFonts{m_nameLarge.Get(), m_infoLarge.Get()} : BoxFonts{m_nameSmall.Get(), m_infoSmall.Get()};
}

void PaintBox(HDC dc, const BoxContent& box, const BoxFonts& fonts) {
    SetBkMode(dc, TRANSPARENT);
    {
        fw::CBrush background(CreateSolidBrush(box.background));
        FillRect(dc, &box.area, background.Get());
    }
    if (box.image.icon) {
        const RECT at = FitPicture(box.image.size.cx, box.image.size.cy, box.image.area);
        if (at.right > at.left && at.bottom > at.top)
            DrawIconEx(dc, at.left, at.top, box.image.icon, at.right - at.left, at.bottom - at.top, 0, nullptr,
                       DI_NORMAL);
    }
    const int width = box.area.right - box.area.left;
    for (const BoxTextItem& item : box.texts) {
        fw::CSelectObject font(dc, item.font == BoxFont::Name ? fonts.name : fonts.info);
        SetTextColor(dc, item.colour);
        SIZE extent = {};
        GetTextExtentPoint32W(dc, item.text.c_str(), static_cast<int>(item.text.size()), &extent);
        RECT rect = item.rect;
        DrawTextW(dc, item.text.c_str(), static_cast<int>(item.text.size()), &rect,
                  TextPlacementFlags(extent.cx, width));
    }
}

BoxContent StripBoxContent(const BoxLayout& layout, int xBox, int yBox, const BoxColours& colours,
                           const BoxImage& image, const std::wstring& name, const std::wstring& caption,
                           const std::vector<std::wstring>& lines) {
    BoxContent box;
    box.area = {0, 0, xBox, yBox};
    box.background = colours.background;
    box.image = image;
    box.texts.push_back({name, layout.nameRect, BoxFont::Name, colours.text});
    if (!caption.empty()) box.texts.push_back({caption, layout.captionRect, BoxFont::Name, kCaptionColour});
    for (size_t i = 0; i < lines.size() && i < 4; ++i)
        box.texts.push_back({lines[i], layout.lineRects[i], BoxFont::Info, colours.text});
    return box;
}

BoxContent PreviewBoxContent(const PreviewBox& box, const BoxColours& colours, HICON picture, SIZE pictureSize,
                             const std::wstring& name, const std::wstring& address, const std::wstring& methodLine) {
    BoxContent content;
    content.area = box.inner;
    content.background = colours.background;
    content.image = {picture, pictureSize, box.picture};
    content.texts = {{name, box.name, BoxFont::Name, colours.text},
                     {address, box.address, BoxFont::Info, colours.text},
                     {methodLine, box.method, BoxFont::Info, colours.text}};
    return content;
}

BoxContent EmptyBoxContent(int xBox, int yBox) {
    BoxContent box;
    box.area = {0, 0, xBox, yBox};
    return box;
}
