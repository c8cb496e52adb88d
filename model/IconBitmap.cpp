#include "model/IconBitmap.h"

#include "model/IconFile.h"

BOOL CIconBitmap::Load(WORD id) {
    m_hIcon.Reset(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, 0, 0, 0)));
    if (!m_hIcon) {
        m_bitmap = nullptr;
        m_hDib.Reset();
        m_nWidth = m_nHeight = 0;
        return FALSE;
    }
    MeasureIcon();
    MakeBitmap();
    return TRUE;
}

BOOL CIconBitmap::MeasureIcon() {
    int width = 0;
    int height = 0;
    if (!MeasureIconSize(m_hIcon, width, height)) return FALSE;
    m_nWidth = width;
    m_nHeight = height;
    return TRUE;
}

void CIconBitmap::MakeBitmap() {
    if (!m_hIcon || m_nWidth <= 0 || m_nHeight <= 0) return;
    fw::CClientDC screen(nullptr);
    fw::CMemoryDC memory(screen);
    fw::CBitmap canvas(CreateCompatibleBitmap(screen, m_nWidth, m_nHeight));
    if (!screen || !memory || !canvas) return;
    {
        fw::CSelectObject select(memory, canvas);
        // Composed onto the menu's own colour: a menu shows a bitmap's transparent
        // parts black where it does not blend them.
        fw::CBrush ground(CreateSolidBrush(GetSysColor(COLOR_MENU)));
        RECT all = {0, 0, m_nWidth, m_nHeight};
        FillRect(memory, &all, ground);
        DrawIconEx(memory, 0, 0, m_hIcon, m_nWidth, m_nHeight, 0, nullptr, DI_NORMAL);
    }
    m_hDib.Reset(static_cast<HBITMAP>(
        CopyImage(canvas, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION | LR_DEFAULTSIZE)));
    m_bitmap = m_hDib;
}
