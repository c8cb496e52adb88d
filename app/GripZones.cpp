#include "app/GripZones.h"

#include <climits>

namespace {

// Each zone is a stretch along the strip within the band 1..6 across it. The turn zone
// is one pixel shorter in the column layout; pixels 6, 12 (and 18 in a column) belong
// to no zone.
struct Stretch {
    GripZone zone;
    int first;
    int last;
};

const Stretch kRowZones[] = {
    {GripZone::Close, 1, 5},
    {GripZone::Background, 7, 11},
    {GripZone::Turn, 13, 18},
    {GripZone::Drag, 19, INT_MAX},
};
const Stretch kColumnZones[] = {
    {GripZone::Close, 1, 5},
    {GripZone::Background, 7, 11},
    {GripZone::Turn, 13, 17},
    {GripZone::Drag, 19, INT_MAX},
};

bool Within(int value, int first, int last) { return value >= first && value <= last; }

}  // namespace

GripZone GripZoneAt(POINT client, bool row) {
    const int across = row ? client.x : client.y;
    const int along = row ? client.y : client.x;
    if (!Within(across, 1, 6)) return GripZone::None;
    for (const Stretch& s : row ? kRowZones : kColumnZones)
        if (Within(along, s.first, s.last)) return s.zone;
    return GripZone::None;
}
