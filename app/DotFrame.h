#pragma once
// Dotted lines in one colour, drawn with a 1-pixel PS_DOT pen that exists only during
// the call. Every end point given to LineTo is left out, as LineTo does.
#include <windows.h>

class CDotFrame {
public:
    // The four sides of the rectangle, through its corners (left, top)-(right, bottom).
    void DrawRect(HDC dc, const RECT* rect, COLORREF colour);
    // The vertical line x = right, from top to bottom inclusive.
    void DrawRightEdge(HDC dc, const RECT* rect, COLORREF colour);
    // The horizontal line y = bottom, from left to right inclusive.
    void DrawBottomEdge(HDC dc, const RECT* rect, COLORREF colour);
};
