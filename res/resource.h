// Resource ids of Orvalen.
#pragma once

#define IDD_MAIN_DIALOG          102
#define IDS_SOCKETS_INIT_FAILED  103
#define IDR_MAINFRAME            128
#define IDR_TRAY_MENU            134

// Tray icon of each instance.
#define IDI_INSTANCE_0           166
#define IDI_INSTANCE_1           220
#define IDI_INSTANCE_2           234
#define IDI_INSTANCE_3           321
#define IDI_INSTANCE_4           323

#define VS_VERSION_INFO_ID       1
