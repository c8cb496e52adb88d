#pragma once
// The menu images, made once when the window is created: every icon of kMenuIconIds
// drawn onto the menu colour (menus show images opaque: Wine blends no alpha), and the
// bitmaps of the box menu's tool items, "Disable Files" and "Reset Config" with their
// white ground replaced.
#include <array>
#include <windows.h>

#include "framework/GdiHandles.h"
#include "model/IconBitmap.h"
#include "resource.h"

// Icon resources shown as menu item images (tray menu, box menu, z-order mark).
constexpr std::array<UINT, 31> kMenuIconIds = {
    IDI_MENU_ABOUT,          IDI_MENU_HELP,         IDI_MENU_RESET_POSITION, IDI_MENU_SHOW,
    IDI_MENU_ALL_NOTIF,      IDI_BUTTON_TEST_SOUND, IDI_MENU_MESSAGE_BOXES,  IDI_MENU_ENABLE_ALL,
    IDI_MENU_DISABLE_ALL,    IDI_MENU_LOGS,         IDI_MENU_BACKUP_CONFIG,  IDI_MENU_RESTORE_CONFIG,
    IDI_MENU_OPTIONS,        IDI_MENU_QUIT,         IDI_MENU_ADD_MONITOR,    IDI_MENU_EDIT_MONITOR,
    IDI_MENU_DELETE_MONITOR, IDI_MENU_CUSTOMIZE,    IDI_MENU_DUPLICATE,      IDI_MENU_USER_COMMAND,
    IDI_MENU_MOVE_DOWN,      IDI_MENU_MOVE_LEFT,    IDI_MENU_MOVE_RIGHT,     IDI_MENU_MOVE_UP,
    IDI_MENU_TRACE_ROUTE,    IDI_MENU_WEB,          IDI_MENU_REMOTE_DESKTOP, IDI_MENU_SHARES,
    IDI_MENU_FTP,            IDI_SEND_MESSAGE,      IDI_MENU_MODE_MARK};

class CMenuImageSet {
public:
    void Load();

    // The image of an icon of kMenuIconIds; none for another id.
    HBITMAP OfIcon(UINT iconId) const;
    HBITMAP Ping() const { return m_ping; }
    HBITMAP DisableFiles() const { return m_disableFiles; }
    HBITMAP ResetConfig() const { return m_resetConfig; }

private:
    std::array<CIconBitmap, kMenuIconIds.size()> m_icons;
    std::array<fw::CBitmap, kMenuIconIds.size()> m_images;  // m_icons on the menu colour
    fw::CBitmap m_resetConfig, m_disableFiles, m_ping;
};
