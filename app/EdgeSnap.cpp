#include "app/EdgeSnap.h"

#include <cstdlib>

POINT SnapToWorkArea(POINT p, SIZE size, const RECT& work) {
    if (std::abs(p.x + size.cx - work.right) < kSnapDistance) p.x = work.right - size.cx;
    if (std::abs(work.bottom - p.y - size.cy) < kSnapDistance) p.y = work.bottom - size.cy;
    if (std::abs(p.y - work.top) < kSnapDistance) p.y = work.top;
    if (std::abs(p.x - work.left) < kSnapDistance) p.x = work.left;
    return p;
}
