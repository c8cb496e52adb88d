#include "app/DotFrame.h"

#include <initializer_list>

#include "framework/GdiHandles.h"

namespace {

void DrawPolyline(HDC dc, COLORREF colour, std::initializer_list<POINT> points) {
    fw::CPen pen(CreatePen(PS_DOT, 1, colour));
    fw::CSelectObject select(dc, pen);
    const POINT* p = points.begin();
    MoveToEx(dc, p->x, p->y, nullptr);
    for (++p; p != points.end(); ++p) LineTo(dc, p->x, p->y);
}

}  // namespace

void CDotFrame::DrawRect(HDC dc, const RECT* r, COLORREF colour) {
    DrawPolyline(dc, colour,
                 {{r->left, r->top}, {r->right, r->top}, {r->right, r->bottom}, {r->left, r->bottom},
                  {r->left, r->top}});
}

void CDotFrame::DrawRightEdge(HDC dc, const RECT* r, COLORREF colour) {
    DrawPolyline(dc, colour, {{r->right, r->top}, {r->right, r->bottom + 1}});
}

void CDotFrame::DrawBottomEdge(HDC dc, const RECT* r, COLORREF colour) {
    DrawPolyline(dc, colour, {{r->left, r->bottom}, {r->right + 1, r->bottom}});
}
