#pragma once
// The box menu's state: the box it was opened on, whether it is open, the insert mark
// shown where a monitor being added will go, the command last chosen, and the user
// commands read from "MenuConf.ini" as it opened. Painting reads the marker from it.
#include <vector>

#include "model/UserMenuFile.h"
#include "ui/BoxLayout.h"

struct BoxMenuState {
    int box = 0;  // counted from 1; 0 is the grip strip
    int command = 0;  // the last command, 0 when the menu was dismissed
    bool open = false;
    bool insertMark = false;
    std::vector<CustomMenuItem> userCommands;

    void Open(int onBox) {
        box = onBox;
        open = true;
        insertMark = false;
    }
    void Close() {
        open = false;
        insertMark = false;
    }
    // The marker drawn over box n (counted from 1).
    BoxMarker MarkerOf(int n) const { return BoxMarkerFor(n, insertMark, open, box); }
};
