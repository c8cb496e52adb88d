#include "framework/OffscreenSurface.h"

#include <utility>

namespace fw {

HDC COffscreenSurface::Prepare(HDC compatible, int width, int height) {
    if (m_dc.Valid() && m_size.cx == width && m_size.cy == height) return m_dc;
    Forget();
    CUniqueHandle<MemoryDcTraits> dc(CreateCompatibleDC(compatible));
    CBitmap bitmap(CreateCompatibleBitmap(compatible, width, height));
    if (!dc.Valid() || !bitmap.Valid() || !SelectObject(dc, bitmap)) return nullptr;
    m_dc = std::move(dc);
    m_bitmap = std::move(bitmap);
    m_size = {width, height};
    return m_dc;
}

void COffscreenSurface::Forget() {
    // The DC first: a bitmap still selected into one is not deleted.
    m_dc.Reset();
    m_bitmap.Reset();
    m_size = {};
}

}  // namespace fw
