// The strip's geometry as the program itself computes it (app/StripGeometry), so that a
// test clicks and reads pixels where the program draws, without restating the layout:
//   box-point ROW XBOX YBOX N [LAST]   the client point of the top left corner of box N
//                               (boxes count from 1), and of each box up to LAST, one
//                               "x y" line a box, in a strip of XBOX x YBOX boxes in a
//                               row (ROW 1) or a column (ROW 0)
#include <windows.h>

#include "app/StripGeometry.h"

#include <cstdio>
#include <cwchar>
#include <string>

// -1 when the command is not one of these.
int RunGeometryCommand(int argc, wchar_t** argv) {
    const std::wstring cmd = argv[1];
    if (cmd != L"box-point") return -1;
    if (argc < 6) return 2;
    auto number = [](const wchar_t* text) { return static_cast<int>(wcstol(text, nullptr, 10)); };
    const int first = number(argv[5]), last = argc >= 7 ? number(argv[6]) : first;
    const StripShape shape = {last, number(argv[2]) != 0, number(argv[3]), number(argv[4])};
    for (int n = first; n <= last; ++n) {
        const RECT box = StripBoxRect(shape, n);
        wprintf(L"%ld %ld\n", box.left, box.top);
    }
    return 0;
}
