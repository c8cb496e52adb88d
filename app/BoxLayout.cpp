#include "app/BoxLayout.h"

#include <algorithm>

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
