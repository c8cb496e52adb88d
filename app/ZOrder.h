#pragma once
// The strip's z-order mode put in force on its window: the one apply that the tray's
// three commands, the start and every change of the window's position use, and the
// guard that keeps the position change the apply makes itself from being answered.
#include <windows.h>

#include "model/MainSettings.h"

// "WinBeh" may hold any number; only these are modes, applied and marked.
constexpr bool IsZOrderMode(int value) { return value >= ZORDER_ALWAYS_TOP && value <= ZORDER_ALWAYS_BOTTOM; }

class CZOrder {
public:
    // Puts the window into the mode's band. `raise` (a mode chosen or started with) brings
    // it to the top of the band first. At the bottom the window is never activated: the
    // system would raise it first (and, under Wine, report the change again).
    static void Apply(HWND window, ZOrderMode mode, bool raise);

    // After the window's position changed: the mode again (not raised), then `alongside`;
    // the changes that makes are the mode's own and are not answered.
    template <class F>
    void ApplyAfterMove(HWND window, int mode, F&& alongside) {
        if (m_applying) return;
        m_applying = true;
        if (IsZOrderMode(mode)) Apply(window, static_cast<ZOrderMode>(mode), false);
        alongside();
        m_applying = false;
    }

private:
    bool m_applying = false;
};
