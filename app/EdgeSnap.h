#pragma once
// Snapping of the moving strip to the edges of the work area: an edge within 0 to 9
// pixels of the work area's edge, inside or outside, is pulled onto it. The tests run
// right, bottom, top, left, each on the values the ones before left, so the top edge
// wins over the bottom and the left over the right.
#include <windows.h>

constexpr int kSnapDistance = 10;

// The position (x, y) of a window of size (cx, cy) after snapping to workArea.
POINT SnapToWorkArea(POINT position, SIZE size, const RECT& workArea);
