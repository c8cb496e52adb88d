// Every dialog template of the program, laid out as the system lays it out: no two visible
// controls overlap (a click on one must not land on the other), except a frame drawn
// around controls it wholly holds and an up-down control on its own edit's border. Edges
// that share a pixel or two (dialog units rounded to pixels) are not an overlap.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace {

BOOL CALLBACK CollectDialog(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR ids) {
    if (IS_INTRESOURCE(name)) reinterpret_cast<std::vector<int>*>(ids)->push_back(LOWORD(name));
    return TRUE;
}

// Skips a name-or-ordinal field of an extended template; returns the name, if any.
const WORD* SkipField(const WORD* p, std::wstring* name = nullptr) {
    if (*p == 0xFFFF) return p + 2;
    const WORD* start = p;
    while (*p) ++p;
    if (name) name->assign(reinterpret_cast<const wchar_t*>(start), p - start);
    return p + 1;
}

// The window class a template names, registered here as a plain dialog class so the
// template can be created without the program's own window objects.
void RegisterTemplateClass(const void* resource) {
    const WORD* p = static_cast<const WORD*>(resource);
    if (p[1] != 0xFFFF) return;  // not an extended template: no class of its own here
    p += 2 + 2 + 2 + 2 + 1 + 4;  // version, signature, help id, ex-style, style, count, rectangle
    p = SkipField(p);            // menu
    std::wstring className;
    SkipField(p, &className);
    if (className.empty()) return;
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefDlgProcW;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = className.c_str();
    RegisterClassW(&wc);
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The thickest overlap that is still two edges meeting.
constexpr LONG kSharedEdgePixels = 2;

struct Control {
    HWND window;
    int id;
    std::wstring className;
    LONG style;
    RECT rect;
};

bool IsFrame(const Control& c) {
    if (_wcsicmp(c.className.c_str(), L"Button") == 0) return (c.style & BS_TYPEMASK) == BS_GROUPBOX;
    if (_wcsicmp(c.className.c_str(), L"Static") == 0) {
        const LONG type = c.style & SS_TYPEMASK;
        return type == SS_ETCHEDFRAME || type == SS_BLACKFRAME || type == SS_GRAYFRAME || type == SS_WHITEFRAME;
    }
    return false;
}

bool Contains(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool IsUpDownOf(const Control& upDown, const Control& edit) {
    return _wcsicmp(upDown.className.c_str(), UPDOWN_CLASSW) == 0 &&
           reinterpret_cast<HWND>(SendMessageW(upDown.window, UDM_GETBUDDY, 0, 0)) == edit.window;
}

std::vector<Control> VisibleControls(HWND dialog) {
    std::vector<Control> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if (!(style & WS_VISIBLE)) continue;
        wchar_t className[64] = {};
        GetClassNameW(child, className, 64);
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        if (rect.right <= rect.left || rect.bottom <= rect.top) continue;
        controls.push_back({child, GetDlgCtrlID(child), className, style, rect});
    }
    return controls;
}

TEST(DialogLayout, NoTwoVisibleControlsOverlap) {
    HMODULE module = GetModuleHandleW(nullptr);
    std::vector<int> ids;
    EnumResourceNamesW(module, RT_DIALOG, CollectDialog, reinterpret_cast<LONG_PTR>(&ids));
    ASSERT_GE(ids.size(), 10u);
    for (int id : ids) {
        HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), RT_DIALOG);
        ASSERT_NE(found, nullptr);
        RegisterTemplateClass(LockResource(LoadResource(module, found)));
        HWND dialog = CreateDialogParamW(module, MAKEINTRESOURCEW(id), nullptr, PlainDialogProc, 0);
        ASSERT_NE(dialog, nullptr) << "dialog " << id << " error " << GetLastError();
        const std::vector<Control> controls = VisibleControls(dialog);
        for (size_t i = 0; i < controls.size(); ++i) {
            for (size_t j = i + 1; j < controls.size(); ++j) {
                const Control& a = controls[i];
                const Control& b = controls[j];
                RECT common{};
                if (!IntersectRect(&common, &a.rect, &b.rect)) continue;
                if (common.right - common.left <= kSharedEdgePixels || common.bottom - common.top <= kSharedEdgePixels)
                    continue;
                if (IsUpDownOf(a, b) || IsUpDownOf(b, a)) continue;
                if ((IsFrame(a) && Contains(a.rect, b.rect)) || (IsFrame(b) && Contains(b.rect, a.rect))) continue;
                ADD_FAILURE() << "dialog " << id << ": controls " << a.id << " and " << b.id << " overlap at ("
                              << common.left << "," << common.top << ")-(" << common.right << "," << common.bottom
                              << ")";
            }
        }
        DestroyWindow(dialog);
    }
}

}  // namespace
