#include "app/BoxMenuRules.h"

#include "framework/StringUtil.h"
#include "model/MainConfig.h"
#include "model/NetErrorCodes.h"
#include "resource.h"

namespace {

const UINT kUserCommandIds[kUserCommandCount] = {ID_BOX_USER_COMMAND_1, ID_BOX_USER_COMMAND_2,
                                                 ID_BOX_USER_COMMAND_3, ID_BOX_USER_COMMAND_4,
                                                 ID_BOX_USER_COMMAND_5, ID_BOX_USER_COMMAND_6,
                                                 ID_BOX_USER_COMMAND_7};

}  // namespace

UINT UserCommandId(int index) {
    return index >= 0 && index < kUserCommandCount ? kUserCommandIds[index] : 0;
}

int UserCommandIndex(UINT command) {
    for (int i = 0; i < kUserCommandCount; ++i)
        if (kUserCommandIds[i] == command) return i;
    return -1;
}

bool BoxMenuCommandEnabled(UINT command, const BoxMenuContext& c) {
    const bool onGrip = c.box <= 0;
    const bool full = c.numBox >= kMaxMonitors;
    switch (command) {
    case ID_BOX_ADD_MONITOR: return !full;
    case ID_BOX_DUPLICATE: return !onGrip && !full;
    // The last monitor cannot be deleted.
    case ID_BOX_DELETE_MONITOR: return !onGrip && !(c.box == 1 && c.numBox == 1);
    case ID_BOX_MOVE_LEFT: return !onGrip && c.box != 1;
    case ID_BOX_MOVE_RIGHT: return !onGrip && c.box != c.numBox;
    case ID_BOX_EDIT_MONITOR:
    case ID_BOX_SHARES:
    case ID_BOX_SEND_NET_MESSAGE:
    case ID_BOX_WEB:
    case ID_BOX_FTP:
    case ID_BOX_PING:
    case ID_BOX_REMOTE_DESKTOP:
    case ID_BOX_TRACE_ROUTE:
    case ID_BOX_STATUS_INFO:
    case ID_BOX_VIEW_LOG:
    case ID_BOX_CUSTOMIZE:
    case ID_BOX_DISABLE: return !onGrip;
    default: return UserCommandIndex(command) < 0 || !onGrip;
    }
}

std::wstring BoxMenuItemText(UINT command, const BoxMenuContext& c) {
    switch (command) {
    case ID_BOX_MOVE_LEFT: return c.row ? L"Move Left " : L"Move Up";
    case ID_BOX_MOVE_RIGHT: return c.row ? L"Move Right " : L"Move Down";
    case ID_BOX_DISABLE: return c.box > 0 && c.boxDisabled ? L"Enable" : L"Disable";
    default: return std::wstring();
    }
}

std::wstring StatusInfoText(const StatusInfoFacts& f) {
    const wchar_t* name = f.name.c_str();
    const wchar_t* word = f.word.c_str();
    if (f.icmpForm)
        return f.ipStatus == kIpGeneralFailure
                   ? fw::Format(L"Name: %s\nStatus: %s\nGeneral Failure.\nIP_STATUS = %s\nIP_STATUS Error Code = %lu",
                                name, word, f.icmpText.c_str(), f.ipStatus)
                   : fw::Format(L"Name: %s\nStatus: %s\nIP_STATUS = %s\nIP_STATUS Error Code = %lu", name, word,
                                f.icmpText.c_str(), f.ipStatus);
    if (f.error == kIpGeneralFailure)
        return fw::Format(L"Name: %s\nStatus: %s\nGeneral Failure.\nWin Sys Error Code = %lu", name, word, f.error);
    return fw::Format(L"Name: %s\nStatus: %s\n%s\nWin Sys Error Code = %lu", name, word, f.errorText.c_str(), f.error);
}
