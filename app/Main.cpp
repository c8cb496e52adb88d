#include <windows.h>

#include "app/MainApp.h"

CMainApp theApp;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int) {
    return fw::RunApplication(instance, commandLine);
}
