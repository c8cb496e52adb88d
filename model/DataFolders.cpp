#include "model/DataFolders.h"

#include <algorithm>
#include <shlwapi.h>
#include <windows.h>

const wchar_t kDefaultPictureUp[] = L"1274607096_Desktop.ico";
const wchar_t kDefaultPictureDown[] = L"1274607096_Desktop_bw.ico";

namespace {

constexpr DWORD kAppDataBuffer = 260;  // characters, with the terminating zero

void CreateFolderWhenMissing(const std::wstring& path) {
    if (!PathFileExistsW(path.c_str())) CreateDirectoryW(path.c_str(), nullptr);
}

}  // namespace

std::wstring MainConfigFileName(int instance) {
    if (instance < 0 || instance > 4) instance = 0;
    std::wstring name = L"MainConfAID1.ini";
    name[8] = static_cast<wchar_t>(L'A' + instance);
    return name;
}

std::wstring PicturesFolderOf(const std::wstring& base) { return base + L"\\Pictures\\"; }

std::wstring SkinsFolderOf(const std::wstring& base) { return base + L"\\Skins\\"; }

DataFolders MakeDataFolders(const std::wstring& appData, int instance) {
    DataFolders f;
    f.company = appData + L"\\Carrowmede";
    f.base = f.company + L"\\Orvalen";
    f.mainIni = f.base + L"\\" + MainConfigFileName(instance);
    f.menuIni = f.base + L"\\MenuConf.ini";
    f.pictures = PicturesFolderOf(f.base);
    f.skins = SkinsFolderOf(f.base);
    f.defaultSkin = f.skins + L"Default.ini";
    f.logs = f.base + L"\\Logs\\";
    return f;
}

AppDataResult CheckAppDataFolder(const std::wstring& appData) {
    if (appData.empty()) return AppDataResult::Missing;
    if (appData.size() >= kAppDataBuffer) return AppDataResult::TooLong;
    // The longest fixed path of the tree: a default picture in Pictures.
    DataFolders f = MakeDataFolders(appData, 0);
    size_t longest = std::max({f.mainIni.size(), f.menuIni.size(), f.defaultSkin.size(),
                               f.pictures.size() + wcslen(kDefaultPictureDown)});
    return longest < MAX_PATH ? AppDataResult::Ok : AppDataResult::TooLong;
}

AppDataResult ReadAppDataFolder(std::wstring& appData) {
    appData.clear();
    wchar_t buffer[kAppDataBuffer] = {};
    DWORD length = GetEnvironmentVariableW(L"APPDATA", buffer, kAppDataBuffer);
    if (length == 0) return AppDataResult::Missing;
    if (length >= kAppDataBuffer) return AppDataResult::TooLong;  // the size it would need
    appData.assign(buffer, length);
    return CheckAppDataFolder(appData);
}

void CreateDataFolderTree(const DataFolders& f) {
    CreateFolderWhenMissing(f.company);
    CreateFolderWhenMissing(f.base);
    CreateFolderWhenMissing(f.pictures);
    CreateFolderWhenMissing(f.skins);
    CreateFolderWhenMissing(f.logs);
}

std::wstring AppDataProblemText(AppDataResult result) {
    if (result == AppDataResult::TooLong)
        return L"The application data folder (the APPDATA environment variable) is too long to hold "
               L"Orvalen's data folder. Orvalen will close.";
    return L"The APPDATA environment variable is not set, so Orvalen cannot find its data folder. "
           L"Orvalen will close.";
}
