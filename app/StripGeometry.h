#pragma once
// Where things are on the strip: a grip strip 7 pixels wide, a 1-pixel separator,
// then the boxes, all XBox x YBox, each followed by a separator, in a row or a
// column, inside a 1-pixel frame. Boxes count from 1; box 0 is the grip strip.
#include <windows.h>

#include "model/MainSettings.h"

struct StripShape {
    int numBox;
    bool row;  // WinPos non-zero: a row; zero: a column
    int xBox;
    int yBox;
};

// The strip's shape from the window settings and the boxes in use: their size, and a
// row whenever WinPos is non-zero.
StripShape StripShapeOf(const MainSettings& settings, int boxes);

// A line drawn with MoveTo(from) and LineTo(to); the point `to` itself is not drawn.
struct StripLine {
    POINT from;
    POINT to;
};

// The window's outer size for the shape.
SIZE StripWindowSize(const StripShape& shape);

// The client rectangle of box n (1-based); exactly xBox x yBox.
RECT StripBoxRect(const StripShape& shape, int n);

// The separator after box n, and the one after the grip strip.
StripLine StripSeparatorAfterBox(const StripShape& shape, int n);
StripLine StripGripSeparator(const StripShape& shape);

// The box under a client point: 0 for the grip strip (the first 7 pixels along the
// strip), else the box counted from 1; a point beyond the last box counts as the
// last box, so with no boxes every point is on the grip strip.
int StripBoxAtPoint(const StripShape& shape, POINT client);
