#include "app/StripView.h"

#include "resource.h"

namespace {

// Icons the view owns and destroys: loaded without LR_SHARED, at their own size (0 x 0)
// or at a given one.
HICON LoadOwnedIcon(UINT id, int width = 0, int height = 0) {
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, width, height, 0));
}

}  // namespace

void CStripView::LoadGripIcons() {
    m_gripRow.Reset(LoadOwnedIcon(IDI_GRIP_ROW));
    m_gripColumn.Reset(LoadOwnedIcon(IDI_GRIP_COLUMN));
}

void CStripView::LoadStatusIcons() {
    const int cx = GetSystemMetrics(SM_CXICON);
    const int cy = GetSystemMetrics(SM_CYICON);
    m_error.Reset(LoadOwnedIcon(IDI_STATUS_ERROR, cx, cy));
    m_checking.Reset(LoadOwnedIcon(IDI_STATUS_CHECKING, cx, cy));
    m_disabled.Reset(LoadOwnedIcon(IDI_STATUS_DISABLED, cx, cy));
    m_statusIconSize = {cx, cy};
}

BoxImage CStripView::StatusImage(BoxPicture picture, const RECT& area) const {
    switch (picture) {
    case BoxPicture::Error: return {m_error, m_statusIconSize, area};
    case BoxPicture::Checking: return {m_checking, m_statusIconSize, area};
    case BoxPicture::Disabled: return {m_disabled, m_statusIconSize, area};
    default: return BoxImage();
    }
}
