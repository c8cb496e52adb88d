#include "model/GlobalSettings.h"

#include "model/MainSettings.h"

// Until the window publishes its settings, the keys' defaults.
std::atomic<DWORD> g_dwTimeOut{MainSettings().TimeOut};
std::atomic<int> g_nLogFileType{MainSettings().LogFileType};
