// The strip painted through WM_PRINTCLIENT into a bitmap of the test's own, not the
// screen: each box in its status's colours at its place on the strip, in the frame.
#include <gtest/gtest.h>

#include <string>
#include <vector>
#include <windows.h>

#include "app/MainDlg.h"
#include "framework/GdiHandles.h"
#include "model/MonitorTypes.h"
#include "support/ScopedAppData.h"

namespace {

constexpr int kStatuses[] = {MON_UP, MON_DOWN, MON_CLOSED, MON_ERROR, MON_DISABLED};

// A strip that, once up, gives its boxes their statuses, prints itself and ends.
class PrintedStrip : public CMainDlg {
public:
    PrintedStrip() : CMainDlg(nullptr, 0) {}
    int width = 0, height = 0;
    std::vector<DWORD> pixels;

    COLORREF At(int x, int y) const {
        const DWORD p = pixels[y * width + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

protected:
    BOOL OnInitDialog() override {
        const BOOL result = CMainDlg::OnInitDialog();
        PostMessageW(m_hWnd, WM_APP + 77, 0, 0);
        return result;
    }
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_APP + 77) return CMainDlg::DialogProc(message, wParam, lParam);
        for (int i = 0; i < Records().Count(); ++i) Records()[i]->m_nStatus = kStatuses[i];
        RECT client;
        GetClientRect(m_hWnd, &client);
        width = client.right;
        height = client.bottom;
        BITMAPINFO info = fw::TopDown32BitInfo(width, height);
        {
            const fw::CMemoryDC dc(nullptr);
            DWORD* bits = nullptr;
            const fw::CBitmap bitmap(
                CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0));
            const fw::CSelectObject selected(dc, bitmap);
            SendMessageW(m_hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
            GdiFlush();
            if (bits) pixels.assign(bits, bits + width * height);
        }  // the drawing's objects go before the dialog ends
        EndDialog(IDOK);
        return TRUE;
    }
};

TEST(StripPrint, BoxesByStatusAtTheirPlaces) {
    CTempAppData temp;
    const std::wstring& appData = temp.Path();
    const std::wstring base = appData + L"\\Carrowmede\\Orvalen";
    for (const std::wstring& folder : {appData + L"\\Carrowmede", base}) CreateDirectoryW(folder.c_str(), nullptr);
    // Disabled monitors run no check that could change a status meanwhile.
    std::wstring ini = L"\xFEFF[main]\r\nNumBox=5\r\nFirstStart=0\r\nWinPos=1\r\nXBox=110\r\nYBox=90\r\n"
                       L"PosX=20\r\nPosY=600\r\nHideTaskBarButton=1\r\n";
    for (int i = 0; i < 5; ++i)
        ini += L"[Box " + std::to_wstring(i) +
               L"]\r\nName=box\r\nDisabled=1\r\nBoxColorUp=0x0000C000\r\nBoxColorDown=0x00FF0000\r\n";
    WriteBytes(base + L"\\MainConfAID1.ini", std::string(reinterpret_cast<const char*>(ini.data()), ini.size() * 2));

    PrintedStrip strip;
    ASSERT_EQ(strip.Records().Count(), 5);
    ASSERT_EQ(strip.DoModal(), IDOK);
    ASSERT_EQ(strip.pixels.size(), static_cast<size_t>(strip.width * strip.height));

    // Box n (from 1) starts 111 pixels after the one before it, one pixel below the frame.
    const struct {
        int box, left;
        COLORREF background;
    } cases[] = {
        {1, 8, RGB(0, 192, 0)},         {2, 119, RGB(0, 0, 255)},       {3, 230, RGB(0, 0, 255)},
        {4, 341, RGB(255, 255, 255)},   {5, 452, RGB(255, 255, 255)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(strip.At(c.left + 3, 60), c.background) << "box " << c.box;
        EXPECT_EQ(strip.At(c.left + 110, 60), RGB(0, 0, 0)) << "separator after box " << c.box;
    }
    EXPECT_EQ(strip.At(0, 40), RGB(0, 0, 0)) << "frame";
    EXPECT_EQ(strip.At(300, strip.height - 1), RGB(0, 0, 0)) << "frame";
}

}  // namespace
