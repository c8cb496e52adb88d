#include "ui/PreviewLayout.h"

#include "framework/StringUtil.h"
#include "model/MonitorTypes.h"

PreviewBox PreviewBoxLayout(bool down, int w, int h) {
    PreviewBox b;
    b.frame = down ? RECT{105, 29, 193, 97} : RECT{15, 29, 103, 97};
    const int centreX = down ? 148 : 58;
    const int left = centreX - w / 2, top = 62 - h / 2;
    b.outline = {left, top, left + w + 2, top + h + 2};
    const RECT& o = b.outline;
    b.inner = {o.left + 1, o.top + 1, o.right - 1, o.bottom - 1};
    const LONG L = b.inner.left, T = b.inner.top, R = b.inner.right, B = b.inner.bottom;
    b.picture = {L, T + 22, R, B - 13};
    b.name = {L, B - 14, R, B};
    b.address = {L, T - 1, R, T + 14};
    b.method = {L, T + 9, R, T + 21};
    return b;
}

std::wstring PreviewMethodLine(UINT method, UINT port) {
    switch (method) {
    case METHOD_PING: return L"Method: Ping";
    case METHOD_TCP: return fw::Format(L"Method: TCP %d", static_cast<int>(port));
    case METHOD_URL: return L"Method: URL";
    }
    return L"";
}
