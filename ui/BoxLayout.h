#pragma once
// Where things are inside one box, in box coordinates from (0, 0). Boxes 90 pixels
// high or more use the large layout, lower ones the small layout.
#include <windows.h>

constexpr int kLargeLayoutMinHeight = 90;

struct BoxLayout {
    bool large;              // large fonts: name 17/7/600, lines 14/400 (else 14/6/600, 12/400)
    int nameBand;            // height of the name band at the bottom
    RECT nameRect;           // (0, yBox - nameBand, xBox, yBox)
    RECT captionRect;        // status caption of the non-network states
    RECT lineRects[4];       // the four information lines
    RECT pictureRect;        // Up or Down picture, below the switched-on lines
    RECT statusPictureRect;  // error, checking and disabled pictures
};

// The layout of an xBox x yBox box with `linesOn` (0..4) of the four line switches on.
// The picture's top depends on that count, never on which lines are actually drawn.
BoxLayout MakeBoxLayout(int xBox, int yBox, int linesOn);

// Where a picture of nominal size w x h is drawn in `area`: a square picture is scaled
// to the largest square that fits; any picture is then cut to the area's size; it is
// centred (each half rounded toward zero). Empty when the area or the size is empty
// (the caller then draws nothing).
RECT FitPicture(int w, int h, const RECT& area);

// Which picture a box shows, by its status and its picture switches.
enum class BoxPicture { None, Up, Down, Error, Checking, Disabled };
BoxPicture BoxPictureFor(int status, int picTypeUp, int picTypeDown);

// The dotted markers of the box menu: a frame around the box the menu is open on, or
// after "Add Mon." a line where the new box will go (the leading edge of box 1 when
// the menu was opened on the grip strip, else the trailing edge of that box).
enum class BoxMarker { None, Frame, LeadingLine, TrailingLine };
BoxMarker BoxMarkerFor(int nBox, int insertMark, int boxMenuOpen, int menuBox);
