// The grip strip's zones and the snapping to the work area's edges.
#include <gtest/gtest.h>

#include "app/EdgeSnap.h"
#include "app/GripZones.h"

namespace {

struct ZoneCase {
    bool row;
    POINT point;
    GripZone zone;
};

TEST(GripZoneAt, InclusiveBoundsOfBothLayouts) {
    const GripZone N = GripZone::None, C = GripZone::Close, B = GripZone::Background, T = GripZone::Turn,
                   D = GripZone::Drag;
    const ZoneCase cases[] = {
        // Row: across x 1..6; close y 1..5, background 7..11, turn 13..18, drag 19 on.
        {true, {3, 3}, C}, {true, {1, 1}, C}, {true, {6, 5}, C}, {true, {3, 6}, N},
        {true, {3, 7}, B}, {true, {3, 9}, B}, {true, {6, 11}, B}, {true, {3, 12}, N},
        {true, {3, 13}, T}, {true, {3, 15}, T}, {true, {3, 18}, T}, {true, {3, 19}, D},
        {true, {3, 80}, D}, {true, {0, 3}, N}, {true, {7, 3}, N}, {true, {7, 40}, N},
        // Column: across y 1..6; close x 1..5, background 7..11, turn 13..17, drag 19 on.
        {false, {3, 3}, C}, {false, {5, 6}, C}, {false, {6, 3}, N}, {false, {9, 3}, B},
        {false, {11, 1}, B}, {false, {12, 3}, N}, {false, {13, 3}, T}, {false, {15, 3}, T},
        {false, {17, 6}, T}, {false, {18, 3}, N}, {false, {19, 3}, D}, {false, {25, 3}, D},
        {false, {3, 0}, N}, {false, {3, 7}, N},
        // The row's turn zone lies in no column zone: a turn runs nothing more.
        {false, {3, 13}, N}, {false, {6, 18}, N},
    };
    for (const ZoneCase& c : cases)
        EXPECT_EQ(GripZoneAt(c.point, c.row), c.zone)
            << (c.row ? "row" : "column") << " (" << c.point.x << ", " << c.point.y << ")";
}

struct SnapCase {
    const char* name;
    POINT position;
    SIZE size;
    POINT snapped;
};

TEST(SnapToWorkArea, EdgesWithinNinePixelsArePulledOn) {
    const RECT work = {0, 30, 1280, 1000};  // a taskbar at the top
    const SnapCase cases[] = {
        {"right edge 9 inside", {1280 - 100 - 9, 400}, {100, 50}, {1180, 400}},
        {"right edge 9 outside", {1280 - 100 + 9, 400}, {100, 50}, {1180, 400}},
        {"right edge 10 inside stays", {1280 - 100 - 10, 400}, {100, 50}, {1170, 400}},
        {"bottom edge 9 inside", {500, 1000 - 50 - 9}, {100, 50}, {500, 950}},
        {"bottom edge 10 outside stays", {500, 1000 - 50 + 10}, {100, 50}, {500, 960}},
        {"top edge 9 below", {500, 39}, {100, 50}, {500, 30}},
        {"top edge 9 above", {500, 21}, {100, 50}, {500, 30}},
        {"top edge 10 below stays", {500, 40}, {100, 50}, {500, 40}},
        {"left edge 9 outside", {-9, 400}, {100, 50}, {0, 400}},
        {"left edge 10 inside stays", {10, 400}, {100, 50}, {10, 400}},
        {"corner: right and bottom", {1175, 945}, {100, 50}, {1180, 950}},
        {"as wide as the work area: the left edge wins", {5, 400}, {1280, 50}, {0, 400}},
        {"as tall as the work area: the top edge wins", {500, 35}, {100, 970}, {500, 30}},
        {"far from every edge", {600, 500}, {100, 50}, {600, 500}},
    };
    for (const SnapCase& c : cases) {
        POINT p = SnapToWorkArea(c.position, c.size, work);
        EXPECT_EQ(p.x, c.snapped.x) << c.name;
        EXPECT_EQ(p.y, c.snapped.y) << c.name;
    }
}

}  // namespace
