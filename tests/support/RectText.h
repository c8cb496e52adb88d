#pragma once
// Rectangles and points as short texts ("l,t,r,b", "x,y"), so that a table row holds a
// whole rectangle and a failure shows all of it.
#include <windows.h>

#include <string>

inline std::string RectText(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}
inline std::string PointText(const POINT& p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
