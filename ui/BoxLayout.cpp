#include "ui/BoxLayout.h"

#include <algorithm>

#include "model/MonitorTypes.h"

namespace {

struct LayoutTable {
    int nameBand;
    int lineTop[4];
    int lineBottom[4];
    int pictureTop[5];  // by the number of switched-on lines
    int statusPictureTop;
};

// The first line starts one pixel above the box so that its ascent sits on the edge.
constexpr LayoutTable kLarge = {18, {-1, 11, 23, 35}, {13, 25, 37, 49}, {1, 13, 25, 37, 49}, 40};
constexpr LayoutTable kSmall = {14, {-1, 9, 19, 29}, {11, 22, 31, 41}, {1, 11, 22, 32, 41}, 37};
constexpr int kCaptionTop = 23;

}  // namespace

BoxLayout MakeBoxLayout(int xBox, int yBox, int linesOn) {
    const bool large = yBox >= kLargeLayoutMinHeight;
    const LayoutTable& t = large ? kLarge : kSmall;
    linesOn = std::clamp(linesOn, 0, 4);
    BoxLayout layout = {};
    layout.large = large;
    layout.nameBand = t.nameBand;
    const int pictureBottom = yBox - t.nameBand;
    layout.nameRect = {0, pictureBottom, xBox, yBox};
    layout.captionRect = {0, kCaptionTop, xBox, yBox};
    for (int i = 0; i < 4; ++i) layout.lineRects[i] = {0, t.lineTop[i], xBox, t.lineBottom[i]};
    layout.pictureRect = {0, t.pictureTop[linesOn], xBox, pictureBottom};
    layout.statusPictureRect = {0, t.statusPictureTop, xBox, pictureBottom};
    return layout;
}

RECT FitPicture(int w, int h, const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return {area.left, area.top, area.left, area.top};
    if (w == h) w = h = std::min(width, height);
    w = std::clamp(w, 0, width);
    h = std::clamp(h, 0, height);
    const int x = (area.left + area.right) / 2 - w / 2;
    const int y = (area.top + area.bottom) / 2 - h / 2;
    return {x, y, x + w, y + h};
}

BoxPicture BoxPictureFor(int status, int picTypeUp, int picTypeDown) {
    if (status == MON_UP) return picTypeUp == 1 ? BoxPicture::Up : BoxPicture::None;
    if (picTypeDown != 1) return BoxPicture::None;
    switch (status) {
    case MON_DOWN:
    case MON_CLOSED: return BoxPicture::Down;
    case MON_ERROR:
    case MON_ADDR_ERROR: return BoxPicture::Error;
    case MON_CHECKING: return BoxPicture::Checking;
    case MON_DISABLED: return BoxPicture::Disabled;
    default: return BoxPicture::None;
    }
}

BoxMarker BoxMarkerFor(int nBox, int insertMark, int boxMenuOpen, int menuBox) {
    if (boxMenuOpen != 1) return BoxMarker::None;
    if (insertMark == 0) return (menuBox >= 1 && menuBox == nBox) ? BoxMarker::Frame : BoxMarker::None;
    if (insertMark != 1) return BoxMarker::None;
    if (menuBox == 0 && nBox == 1) return BoxMarker::LeadingLine;
    if (menuBox >= 1 && menuBox == nBox) return BoxMarker::TrailingLine;
    return BoxMarker::None;
}
