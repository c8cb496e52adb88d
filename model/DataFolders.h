#pragma once
// The data folder tree under the user's application-data folder, shared by the five
// instances: the main configuration file of each instance, the user commands, the
// skins, the box pictures and the logs.
#include <string>

// Default box pictures: a new box's pictures (the PicFileUp and PicFileDown defaults of
// model/SettingKeys), written into the Pictures folder when missing (ui/DefaultPictures).
// One name each, so the files written are the ones a new box asks for.
extern const wchar_t kDefaultPictureUp[];    // "1274607096_Desktop.ico"
extern const wchar_t kDefaultPictureDown[];  // "1274607096_Desktop_bw.ico"

struct DataFolders {
    std::wstring company;      // <APPDATA>\Carrowmede
    std::wstring base;         // <APPDATA>\Carrowmede\Orvalen, no trailing backslash
    std::wstring mainIni;      // base\MainConfAID1.ini ... MainConfEID1.ini
    std::wstring menuIni;      // base\MenuConf.ini
    std::wstring defaultSkin;  // base\Skins\Default.ini
    std::wstring pictures;     // base\Pictures\ (trailing backslash)
    std::wstring skins;        // base\Skins\ (trailing backslash)
    std::wstring logs;         // base\Logs\ (trailing backslash)
};

enum class AppDataResult { Ok, Missing, TooLong };

// The value of "APPDATA" as the tree's root. Missing when the variable is not set or
// empty; TooLong when it does not fit 260 characters or when the tree's own file
// paths built from it would not fit the system's path limit.
AppDataResult ReadAppDataFolder(std::wstring& appData);
AppDataResult CheckAppDataFolder(const std::wstring& appData);

// "MainConfAID1.ini" for instance 0 ... "MainConfEID1.ini" for 4; an index outside
// 0..4 gets the name of instance 0.
std::wstring MainConfigFileName(int instance);

DataFolders MakeDataFolders(const std::wstring& appData, int instance);

// The Pictures and Skins folders (with a trailing backslash) of a data folder (`base`,
// without one), for those that are given only the data folder.
std::wstring PicturesFolderOf(const std::wstring& base);
std::wstring SkinsFolderOf(const std::wstring& base);

// Creates the company folder, the base folder and Pictures, Skins and Logs, each when
// missing. Failures are not reported: files in a missing folder fail where they are used.
void CreateDataFolderTree(const DataFolders& folders);

// The message shown when no data folder can be built from "APPDATA".
std::wstring AppDataProblemText(AppDataResult result);
