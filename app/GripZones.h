#pragma once
// The zones of the grip strip, where a left click closes the program, sends the window
// to the background, turns the strip between row and column, or drags the window. The
// point is in client coordinates; all bounds are inclusive.
#include <windows.h>

enum class GripZone { None, Close, Background, Turn, Drag };

// The zone under the point in the given layout (row: WinPos non-zero).
GripZone GripZoneAt(POINT client, bool row);
