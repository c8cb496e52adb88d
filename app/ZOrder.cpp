#include "app/ZOrder.h"

void CZOrder::Apply(HWND window, ZOrderMode mode, bool raise) {
    constexpr UINT kKeep = SWP_NOSIZE | SWP_NOMOVE;
    switch (mode) {
    case ZORDER_ALWAYS_TOP:
    case ZORDER_NORMAL:
        if (raise) BringWindowToTop(window);
        SetWindowPos(window, mode == ZORDER_ALWAYS_TOP ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kKeep);
        break;
    case ZORDER_ALWAYS_BOTTOM: SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, kKeep | SWP_NOACTIVATE); break;
    }
}
