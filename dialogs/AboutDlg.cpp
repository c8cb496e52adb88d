#include "dialogs/AboutDlg.h"

#include <commctrl.h>
#include <shellapi.h>

#include "framework/StringUtil.h"
#include "model/SharedRoutines.h"
#include "resource.h"

CAboutDlg::CAboutDlg(HWND parent) : fw::CSettingsDialog(IDD_ABOUT, parent) {
    m_hIconOk.Reset(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_BUTTON_OK), IMAGE_ICON, 16, 16, 0)));
}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::DoDataExchange(fw::CDataExchange& dx) { dx.Control(IDC_ABOUT_MAKER, m_stcMaker); }

BOOL CAboutDlg::OnInitDialog() {
    // Enables the main window again and sets the dialog icon.
    fw::CSettingsDialog::OnInitDialog();
    m_strVersion = fw::Format(L"Version %s", CGlobalFunctions().GetVersionString().c_str());
    SetItemText(IDC_ABOUT_VERSION, m_strVersion);
    UpdateData(false);
    m_stcMaker.SetTextColor(RGB(127, 0, 0));
    CenterOnDesktop();
    MakeBold(IDC_ABOUT_NAME, m_fontName);
    MakeBold(IDC_ABOUT_MAKER, m_fontMaker);
    SendDlgItemMessageW(m_hWnd, IDOK, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(m_hIconOk.Get()));
    return TRUE;
}

void CAboutDlg::CenterOnDesktop() {
    RECT desktop, box;
    GetWindowRect(GetDesktopWindow(), &desktop);
    GetWindowRect(m_hWnd, &box);
    const int left = (desktop.right - desktop.left) / 2 - (box.right - box.left) / 2;
    const int top = (desktop.bottom - desktop.top) / 2 - (box.bottom - box.top) / 2;
    SetWindowPos(m_hWnd, HWND_NOTOPMOST, left, top, 0, 0, SWP_NOSIZE);
}

// The control's own font in bold, made again at every opening (the font of the
// previous opening is deleted by Reset).
void CAboutDlg::MakeBold(int id, fw::CFont& font) {
    HWND control = GetDlgItem(id);
    HFONT current = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    LOGFONTW description = {};
    if (!current || !GetObjectW(current, sizeof(description), &description)) return;
    description.lfWeight = FW_BOLD;
    font.Reset(CreateFontIndirectW(&description));
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
}

void CAboutDlg::OpenLink(const std::wstring& address) {
    ShellExecuteW(m_hWnd, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

BOOL CAboutDlg::OnNotify(int id, NMHDR* header, LRESULT& result) {
    if (header->code != NM_CLICK && header->code != NM_RETURN) return FALSE;
    const NMLINK* link = reinterpret_cast<const NMLINK*>(header);
    if (id == IDC_ABOUT_HOME) {
        // The web page learns which version asks.
        OpenLink(std::wstring(link->item.szUrl) + L"?ver=" + CGlobalFunctions().GetVersionString());
    } else if (id == IDC_ABOUT_MAIL) {
        OpenLink(link->item.szUrl);
    } else {
        return FALSE;
    }
    result = 0;
    return TRUE;
}
