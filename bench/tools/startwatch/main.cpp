// startwatch: starts Orvalen and measures, as the screen shows it, how long it takes
// until its window is there and until every box shows its first result.
//   startwatch APPDATA EXE NUMBOX XBOX YBOX RESULT_COLOUR LIMIT_MS
// The strip must be a row (WinPos 1) and fit on the screen, and every box must show
// RESULT_COLOUR (a COLORREF, e.g. the Up colour of monitors that answer) at its
// bottom-right corner once it has a result. Prints the process id and the times in
// ms from just before the process was created; the program is left running.
#include <windows.h>

#include "support/ProcessWindow.h"

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "app/StripGeometry.h"
#include "framework/GdiHandles.h"

namespace {

const wchar_t kTitle[] = L"Orvalen ";
constexpr DWORD kPollMs = 5;

double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / frequency.QuadPart;
}

DWORD Launch(const wchar_t* appData, const wchar_t* exe) {
    SetEnvironmentVariableW(L"APPDATA", appData);
    std::wstring line = L"\"" + std::wstring(exe) + L"\"";
    std::vector<wchar_t> buffer(line.begin(), line.end());
    buffer.push_back(0);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr, &si,
                        &pi))
        return 0;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return pi.dwProcessId;
}

// The client area as the screen shows it, in a 32-bit top-down bitmap.
class CScreenCapture {
public:
    CScreenCapture(int width, int height) : m_width(width), m_height(height) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        HDC screen = GetDC(nullptr);
        m_bitmap.Reset(CreateDIBSection(screen, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0));
        ReleaseDC(nullptr, screen);
    }
    bool Grab(POINT origin) {
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(memory, m_bitmap.Get());
        BOOL ok = BitBlt(memory, 0, 0, m_width, m_height, screen, origin.x, origin.y, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
        return ok && m_bits;
    }
    COLORREF Pixel(int x, int y) const {
        DWORD p = m_bits[y * m_width + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

private:
    int m_width;
    int m_height;
    fw::CBitmap m_bitmap;
    DWORD* m_bits = nullptr;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 8) {
        fwprintf(stderr, L"usage: startwatch APPDATA EXE NUMBOX XBOX YBOX RESULT_COLOUR LIMIT_MS\n");
        return 2;
    }
    const StripShape shape = {static_cast<int>(wcstol(argv[3], nullptr, 10)), true,
                              static_cast<int>(wcstol(argv[4], nullptr, 10)),
                              static_cast<int>(wcstol(argv[5], nullptr, 10))};
    const COLORREF result = wcstoul(argv[6], nullptr, 0);
    const double limit = wcstoul(argv[7], nullptr, 10);

    const double start = NowMs();
    const DWORD pid = Launch(argv[1], argv[2]);
    if (!pid) return 1;
    wprintf(L"pid=%lu\n", pid);
    HWND window = nullptr;
    while (!window && NowMs() - start < limit) {
        window = FindProcessWindow(pid, kTitle, true);
        if (!window) Sleep(kPollMs);
    }
    if (!window) return 1;
    wprintf(L"window_ms=%.1f\n", NowMs() - start);

    RECT client;
    GetClientRect(window, &client);
    CScreenCapture capture(client.right, client.bottom);
    std::vector<double> firstResult(shape.numBox, -1);
    int shown = 0;
    while (shown < shape.numBox && NowMs() - start < limit) {
        POINT origin = {0, 0};
        ClientToScreen(window, &origin);
        if (capture.Grab(origin)) {
            double now = NowMs() - start;
            for (int n = 1; n <= shape.numBox; ++n) {
                if (firstResult[n - 1] >= 0) continue;
                RECT box = StripBoxRect(shape, n);
                if (box.right > client.right || box.bottom > client.bottom) continue;
                if (capture.Pixel(box.right - 3, box.bottom - 3) == result) {
                    firstResult[n - 1] = now;
                    ++shown;
                }
            }
        }
        Sleep(kPollMs);
    }
    double first = -1, last = -1;
    for (double t : firstResult) {
        if (t < 0) continue;
        if (first < 0 || t < first) first = t;
        if (t > last) last = t;
    }
    wprintf(L"boxes=%d shown=%d first_box_ms=%.1f all_boxes_ms=%.1f\n", shape.numBox, shown, first,
            shown == shape.numBox ? last : -1.0);
    return shown == shape.numBox ? 0 : 1;
}
