#include "app/StripGeometry.h"

namespace {
constexpr int kGripWidth = 7;  // the grip strip; its separator is the 8th pixel
}

StripShape StripShapeOf(const MainSettings& s, int boxes) { return {boxes, s.WinPos != 0, s.XBox, s.YBox}; }

SIZE StripWindowSize(const StripShape& s) {
    if (s.row) return {(s.xBox + 1) * s.numBox + kGripWidth + 1, s.yBox + 2};
    return {s.xBox + 2, (s.yBox + 1) * s.numBox + kGripWidth + 1};
}

RECT StripBoxRect(const StripShape& s, int n) {
    if (s.row) return {(n - 1) * (s.xBox + 1) + 8, 1, (s.xBox + 1) * n + 7, s.yBox + 1};
    return {1, (n - 1) * (s.yBox + 1) + 8, s.xBox + 1, (s.yBox + 1) * n + 7};
}

StripLine StripSeparatorAfterBox(const StripShape& s, int n) {
    if (s.row) {
        int x = (s.xBox + 1) * n + 7;
        return {{x, 0}, {x, s.yBox + 1}};
    }
    int y = (s.yBox + 1) * n + 7;
    return {{0, y}, {s.xBox + 1, y}};
}

StripLine StripGripSeparator(const StripShape& s) {
    if (s.row) return {{kGripWidth, 0}, {kGripWidth, s.yBox + 1}};
    return {{0, kGripWidth}, {s.xBox + 1, kGripWidth}};
}

int StripBoxAtPoint(const StripShape& s, POINT client) {
    int along = s.row ? client.x : client.y;
    int size = s.row ? s.xBox : s.yBox;
    if (along < kGripWidth || s.numBox <= 0) return 0;
    int box = (along - kGripWidth) / (size + 1) + 1;
    return box > s.numBox ? s.numBox : box;
}
