#include "model/GlobalSettings.h"

std::atomic<DWORD> g_dwTimeOut{3000};
std::atomic<int> g_nLogFileType{0};
