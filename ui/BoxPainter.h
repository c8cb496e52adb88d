#pragma once
// One painter for every box: the strip's boxes (whole paint, single-box redraw,
// WM_PRINTCLIENT) and the monitor dialog's preview. A box is first described (where its
// background, picture and texts go, in the device context's pixels), then painted.
#include <string>
#include <vector>
#include <windows.h>

#include "framework/Handle.h"
#include "ui/BoxLayout.h"
#include "ui/BoxText.h"
#include "ui/PreviewLayout.h"

// The two fonts a box uses: its name (and caption), and its other lines.
struct BoxFonts {
    HFONT name;
    HFONT info;
};

// The box fonts of the small and the large layout, made from the system's message font.
class CBoxFontSet {
public:
    CBoxFontSet();
    BoxFonts For(bool large) const;

private:
    fw::CFont m_nameSmall, m_infoSmall, m_nameLarge, m_infoLarge;
};

enum class BoxFont { Name, Info };

struct BoxTextItem {
    std::wstring text;
    RECT rect;
    BoxFont font;
    COLORREF colour;
};

// A picture and the area it is fitted into (FitPicture); no icon: none drawn.
struct BoxImage {
    HICON icon = nullptr;
    SIZE size = {};  // nominal size
    RECT area = {};
};

struct BoxContent {
    RECT area = {};  // the whole box, filled with the background
    COLORREF background = RGB(255, 255, 255);
    BoxImage image;
    std::vector<BoxTextItem> texts;  // drawn in this order, each placed by TextPlacementFlags
};

void PaintBox(HDC dc, const BoxContent& box, const BoxFonts& fonts);

// A strip box at (0, 0): the name in the band at the bottom, a caption (black, empty:
// none) and the information lines, in the layout's places.
BoxContent StripBoxContent(const BoxLayout& layout, int xBox, int yBox, const BoxColours& colours,
                           const BoxImage& image, const std::wstring& name, const std::wstring& caption,
                           const std::vector<std::wstring>& lines);

// A box of the preview: name at the bottom, address and method line at the top.
BoxContent PreviewBoxContent(const PreviewBox& box, const BoxColours& colours, HICON picture, SIZE pictureSize,
                             const std::wstring& name, const std::wstring& address, const std::wstring& methodLine);

// A box with no monitor: white.
BoxContent EmptyBoxContent(int xBox, int yBox);
