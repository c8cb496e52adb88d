#pragma once
// The strip's data folder tree and the configuration files it reads and writes: its
// instance's main file, the user commands ("MenuConf.ini") and the default skin. Nothing
// is set when "APPDATA" gives no data folder.
#include "model/DataFolders.h"
#include "model/IniFile.h"

struct StripFiles {
    DataFolders folders;
    CIniFile main, menu, defaultSkin;
    bool present = false;  // the folders were made from "APPDATA"

    void Use(const DataFolders& made) {
        folders = made;
        present = true;
        main.SetPath(folders.mainIni);
        menu.SetPath(folders.menuIni);
        defaultSkin.SetPath(folders.defaultSkin);
    }
};
