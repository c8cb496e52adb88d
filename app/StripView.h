#pragma once
// The boxes' view and paint cache: the fonts, the status icons (error, checking,
// disabled) and the grip strip's icons the strip draws with, what each box showed when
// last drawn, and the off-screen surface kept from draw to draw on the screen.
#include <array>
#include <string>
#include <windows.h>

#include "framework/GdiHandles.h"
#include "framework/OffscreenSurface.h"
#include "model/MainSettings.h"
#include "ui/BoxLayout.h"
#include "ui/BoxPainter.h"

class CStripView {
public:
    void LoadGripIcons();
    // At the system's icon size, which is the size they are drawn at.
    void LoadStatusIcons();

    HICON GripIcon(bool row) const { return row ? m_gripRow : m_gripColumn; }
    // The picture of an Error, Checking or Disabled box in `area`; none for another.
    BoxImage StatusImage(BoxPicture picture, const RECT& area) const;
    BoxFonts Fonts(bool large) const { return m_fonts.For(large); }

    // The screen's surface for one box at a time. Made again after a display change,
    // since the screen's format may have changed with it.
    fw::COffscreenSurface& Surface() { return m_surface; }
    void ForgetSurface() { m_surface.Forget(); }

    // What the box of a slot showed when last drawn (a box's signature).
    bool LooksAsDrawn(int slot, const std::wstring& signature) const { return m_drawn[slot] == signature; }
    void Drawn(int slot, std::wstring signature) { m_drawn[slot] = std::move(signature); }

private:
    CBoxFontSet m_fonts;
    fw::CIcon m_gripRow, m_gripColumn;
    fw::CIcon m_error, m_checking, m_disabled;
    SIZE m_statusIconSize = {};
    std::array<std::wstring, kMaxMonitors> m_drawn;
    fw::COffscreenSurface m_surface;
};
