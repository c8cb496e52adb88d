#pragma once
// The monitor dialog's preview: its Up and Down boxes, drawn on the dialog as the strip
// draws a box, and the two pictures they show. Each picture is a file in the pictures
// folder: shown from a stored name, chosen by the user, emptied, or (Down) made a grey
// copy of Up.
#include <string>
#include <windows.h>

#include "framework/Handle.h"
#include "ui/BoxPainter.h"

// What the boxes show beside their pictures; [0] Up, [1] Down.
struct PreviewTexts {
    std::wstring name, address, methodLine;
    BoxColours colours[2];
    int width, height;  // the box size
};

class CMonitorPreview {
public:
    // The dialog it draws on and the pictures folder (with its trailing backslash).
    void Attach(HWND dialog, const std::wstring& picturesFolder);
    const std::wstring& PicturesFolder() const { return m_picturesFolder; }

    // Stored names, kept to file names in the pictures folder, and their pictures shown.
    void ShowFiles(const std::wstring& up, const std::wstring& down);
    // The file chooser for one side. False when the user chose nothing; otherwise the
    // chosen icon is judged, copied into the pictures folder and shown, or the side is
    // left empty (after a message when the icon is not square).
    bool Choose(bool down);
    void Empty(bool down);
    // "-Gs->": the Up picture in grey, written beside it as "<name>_GSC.ico", shown Down.
    void GreyCopy();
    // The picture files are kept; the icons go with the dialog's window.
    void ReleasePictures();

    const std::wstring& File(bool down) const { return m_sides[down].file; }
    const std::wstring& Path(bool down) const { return m_sides[down].path; }

    // WM_PAINT: both boxes. Redraw: the preview's area now.
    void Draw(HDC dc, const PreviewTexts& texts);
    void Redraw() const;

private:
    struct Side {
        std::wstring file, path;
        fw::CIcon icon;
        SIZE size = {};  // measured, then kept fitted by the drawing
    };
    void SetFile(bool down, const std::wstring& file);
    void LoadPictures();
    void Clear(Side& side);

    HWND m_dialog = nullptr;
    std::wstring m_picturesFolder;
    Side m_sides[2];
    CBoxFontSet m_fonts;  // the preview uses the small layout's
};
