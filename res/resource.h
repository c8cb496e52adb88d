// Resource ids of Orvalen.
#pragma once

#define IDD_MAIN_DIALOG          102
#define IDS_SOCKETS_INIT_FAILED  103
#define IDR_MAINFRAME            128
#define IDR_BOX_MENU             132
#define IDR_TRAY_MENU            134

// The window class named by settings dialog templates whose objects need WM_CREATE.
#define SETTINGS_DIALOG_CLASS    "OrvalenSettings"

// Tray icon of each instance.
#define IDI_INSTANCE_0           166
#define IDI_INSTANCE_1           220
#define IDI_INSTANCE_2           234
#define IDI_INSTANCE_3           321
#define IDI_INSTANCE_4           323

// Strip pictures: the grip strip in each layout and the pictures of the non-network states.
#define IDI_GRIP_COLUMN          258
#define IDI_GRIP_ROW             259
#define IDI_STATUS_ERROR         248
#define IDI_STATUS_CHECKING      249
#define IDI_STATUS_DISABLED      255

// Default box pictures, written into the Pictures folder when missing.
#define IDI_DEFAULT_PICTURE      284
#define IDI_DEFAULT_PICTURE_BW   285

// 16 x 16 button images of the settings dialogs.
#define IDI_BUTTON_TEST_SOUND    205
#define IDI_BUTTON_OK            206
#define IDI_BUTTON_CANCEL        207
#define IDI_BUTTON_APPLY         208
#define IDI_SEND_MESSAGE         211
#define IDI_SAVE_USER_NAME       282

// Menu images (tray menu and box menu).
#define IDI_MENU_OPTIONS         286
#define IDI_MENU_ABOUT           287
#define IDI_MENU_HELP            289
#define IDI_MENU_SHOW            290
#define IDI_MENU_QUIT            291
#define IDI_MENU_MODE_MARK       293
#define IDI_MENU_ENABLE_ALL      294
#define IDI_MENU_DISABLE_ALL     295
#define IDI_MENU_LOGS            296
#define IDI_MENU_ADD_MONITOR     297
#define IDI_MENU_EDIT_MONITOR    298
#define IDI_MENU_DELETE_MONITOR  299
#define IDI_MENU_CUSTOMIZE       300
#define IDI_MENU_DUPLICATE       301
#define IDI_MENU_MESSAGE_BOXES   302
#define IDI_MENU_USER_COMMAND    303
#define IDI_MENU_ALL_NOTIF       304
#define IDI_MENU_RESET_POSITION  305
#define IDI_MENU_RESTORE_CONFIG  306
#define IDI_MENU_BACKUP_CONFIG   307
#define IDI_MENU_MOVE_DOWN       308
#define IDI_MENU_MOVE_LEFT       309
#define IDI_MENU_MOVE_RIGHT      310
#define IDI_MENU_MOVE_UP         311
#define IDI_MENU_TRACE_ROUTE     312
#define IDI_MENU_WEB             313
#define IDI_MENU_REMOTE_DESKTOP  318
#define IDI_MENU_SHARES          319
#define IDI_MENU_FTP             320
#define IDB_MENU_RESET_CONFIG    184
#define IDB_MENU_PING            188
#define IDB_MENU_DISABLE_FILES   261

// Tray menu commands.
#define ID_TRAY_ABOUT            32798
#define ID_TRAY_HELP             32788
#define ID_TRAY_ALWAYS_TOP       32803
#define ID_TRAY_NORMAL           32799
#define ID_TRAY_ALWAYS_BOTTOM    32791
#define ID_TRAY_RESET_POSITION   32842
#define ID_TRAY_SHOW             32793
#define ID_TRAY_DISABLE_ALL_NOTIF 32876
#define ID_TRAY_DISABLE_SOUNDS   32866
#define ID_TRAY_DISABLE_MSGBOXES 32867
#define ID_TRAY_DISABLE_FILES    32870
#define ID_TRAY_ENABLE_ALL_MON   32864
#define ID_TRAY_DISABLE_ALL_MON  32863
#define ID_TRAY_LOGS             32837
#define ID_TRAY_CONFIG_BACKUP    32814
#define ID_TRAY_CONFIG_RESTORE   32815
#define ID_TRAY_CONFIG_RESET     32821
#define ID_TRAY_OPTIONS          32801
#define ID_TRAY_QUIT             32795

// Settings dialogs: buttons several dialogs share.
#define IDC_STATIC               (-1)
#define IDC_APPLY                1009
#define IDC_DEFAULT              1033

// Monitor settings dialog.
#define IDD_MONITOR_DIALOG       161
#define IDC_MON_EMPTY_UP         1010
#define IDC_MON_EMPTY_DOWN       1011
#define IDC_MON_ADDRESS          1015
#define IDC_MON_PING             1016
#define IDC_MON_TCP              1017
#define IDC_MON_PORT             1018
#define IDC_MON_SOUND_UP         1019
#define IDC_MON_SOUND_DOWN       1020
#define IDC_MON_NAME             1025
#define IDC_MON_SKIN             1026
#define IDC_MON_ICON_UP          1027
#define IDC_MON_ICON_DOWN        1028
#define IDC_MON_TEXT_UP_COLOR    1029
#define IDC_MON_BOX_DOWN_COLOR   1030
#define IDC_MON_BOX_UP_COLOR     1031
#define IDC_MON_TEXT_DOWN_COLOR  1032
#define IDC_MON_TEST_UP          1036
#define IDC_MON_PHRASE           1052
#define IDC_MON_MSGBOX_UP        1057
#define IDC_MON_MSGBOX_TEST      1058
#define IDC_MON_INTERVAL         1062
#define IDC_MON_MSGBOX_DOWN      1067
#define IDC_MON_PICTURE_NOTE     1073
#define IDC_MON_ADD_SKIN         1076
#define IDC_MON_DELETE_SKIN      1077
#define IDC_MON_IPV6             1078
#define IDC_MON_IPV4             1079
#define IDC_MON_TEST_DOWN        1082
#define IDC_MON_GRAY_COPY        1083
#define IDC_MON_MSGBOX_CLOSED    1084
#define IDC_MON_LABEL_UP         1085
#define IDC_MON_LABEL_DOWN       1086
#define IDC_MON_BOX_LABEL_UP     1087
#define IDC_MON_BOX_LABEL_DOWN   1088
#define IDC_MON_TEXT_LABEL_UP    1089
#define IDC_MON_TEXT_LABEL_DOWN  1090
#define IDC_MON_SOUND_CLOSED     1091
#define IDC_MON_SOUND_COUNT      1096
#define IDC_MON_TEST_CLOSED      1098
#define IDC_MON_MSGBOX_ERROR     1103
#define IDC_MON_SOUND_SETTINGS   1112
#define IDC_MON_EXEC_FILE        1155
#define IDC_MON_EXEC_SETTINGS    1156
#define IDC_MON_LOGGING          1166
#define IDC_MON_SOUND_ERROR      1167
#define IDC_MON_MSGBOX_COUNT     1181
#define IDC_MON_MSGBOX_SPIN      1182
#define IDC_MON_SOUND_SPIN       1183
#define IDC_MON_MSGBOX_SETTINGS  1186
#define IDC_MON_URL              1189
#define IDC_MON_ADDRESS_LABEL    1190
#define IDC_MON_INTERVAL_SPIN    1191
#define IDC_MON_TEST_ERROR       1200
#define IDC_MON_SNF_NOTE         1211

// Box menu commands.
#define ID_BOX_PING              32825
#define ID_BOX_WEB               32811
#define ID_BOX_FTP               32819
#define ID_BOX_TRACE_ROUTE       32826
#define ID_BOX_SHARES            32807
#define ID_BOX_REMOTE_DESKTOP    32828
#define ID_BOX_SEND_NET_MESSAGE  32809
#define ID_BOX_USER_COMMAND_1    32847
#define ID_BOX_USER_COMMAND_2    32848
#define ID_BOX_USER_COMMAND_3    32849
#define ID_BOX_USER_COMMAND_4    32853
#define ID_BOX_USER_COMMAND_5    32855
#define ID_BOX_USER_COMMAND_6    32856
#define ID_BOX_USER_COMMAND_7    32857
#define ID_BOX_CUSTOMIZE         32852
#define ID_BOX_MOVE_LEFT         32832
#define ID_BOX_MOVE_RIGHT        32834
#define ID_BOX_DUPLICATE         32838
#define ID_BOX_DISABLE           32862
#define ID_BOX_VIEW_LOG          32850
#define ID_BOX_STATUS_INFO       32839
#define ID_BOX_ADD_MONITOR       32784
#define ID_BOX_EDIT_MONITOR      32785
#define ID_BOX_DELETE_MONITOR    32797

// Sound notification settings (a sub-dialog of the monitor dialog).
#define IDD_SOUND_SETTINGS       200
#define IDC_SND_UP_CUSTOM        1113
#define IDC_SND_UP_WAV           1052
#define IDC_SND_UP_BROWSE        1117
#define IDC_SND_UP_TEST_WAV      1083
#define IDC_SND_UP_SPEAK         1133
#define IDC_SND_UP_TEXT          1132
#define IDC_SND_UP_TEST_TEXT     1134
#define IDC_SND_DOWN_CUSTOM      1114
#define IDC_SND_DOWN_WAV         1062
#define IDC_SND_DOWN_BROWSE      1010
#define IDC_SND_DOWN_TEST_WAV    1118
#define IDC_SND_DOWN_SPEAK       1135
#define IDC_SND_DOWN_TEXT        1136
#define IDC_SND_DOWN_TEST_TEXT   1137
#define IDC_SND_OPEN_CUSTOM      1120
#define IDC_SND_OPEN_WAV         1096
#define IDC_SND_OPEN_BROWSE      1121
#define IDC_SND_OPEN_TEST_WAV    1122
#define IDC_SND_OPEN_SPEAK       1140
#define IDC_SND_OPEN_TEXT        1138
#define IDC_SND_OPEN_TEST_TEXT   1139
#define IDC_SND_CLOSED_CUSTOM    1103
#define IDC_SND_CLOSED_WAV       1115
#define IDC_SND_CLOSED_BROWSE    1011
#define IDC_SND_CLOSED_TEST_WAV  1116
#define IDC_SND_CLOSED_SPEAK     1141
#define IDC_SND_CLOSED_TEXT      1142
#define IDC_SND_CLOSED_TEST_TEXT 1143
#define IDC_SND_TDOWN_CUSTOM     1124
#define IDC_SND_TDOWN_WAV        1126
#define IDC_SND_TDOWN_BROWSE     1125
#define IDC_SND_TDOWN_TEST_WAV   1127
#define IDC_SND_TDOWN_SPEAK      1147
#define IDC_SND_TDOWN_TEXT       1145
#define IDC_SND_TDOWN_TEST_TEXT  1146
#define IDC_SND_SNF_CUSTOM       1167
#define IDC_SND_SNF_WAV          1212
#define IDC_SND_SNF_BROWSE       1215
#define IDC_SND_SNF_TEST_WAV     1216
#define IDC_SND_SNF_SPEAK        1192
#define IDC_SND_SNF_TEXT         1153
#define IDC_SND_SNF_TEST_TEXT    1214
#define IDC_SND_DEFAULT          1148

// Message-box notification settings.
#define IDD_MSGBOX_SETTINGS      217
#define IDC_MSGS_DESCRIPTION     1052
#define IDC_MSGS_TEST            1187
#define IDC_MSGS_DEFAULT         1033

// Execute-file notification settings.
#define IDD_EXEC_FILE            202
#define IDC_EXEC_PROGRAM         1052
#define IDC_EXEC_BROWSE          1161
#define IDC_EXEC_PARAMETERS      1062
#define IDC_EXEC_UP              1162
#define IDC_EXEC_DOWN            1103
#define IDC_EXEC_CLOSED          1158
#define IDC_EXEC_ADDR_ERROR      1159
#define IDC_EXEC_ERROR           1160
#define IDC_EXEC_COUNT           1184
#define IDC_EXEC_COUNT_SPIN      1185
#define IDC_EXEC_TEST            1010

// The skin name asked by Add Skin.
#define IDD_SKIN_NAME            187
#define IDC_SKIN_NAME            1052

// Send Net Message and its settings.
#define IDD_SEND_NET_MESSAGE     174
#define IDD_NET_MESSAGE_SETTINGS 203
#define IDC_NETMSG_TO            1069
#define IDC_NETMSG_MESSAGE       1052
#define IDC_NETMSG_USER          1062
#define IDC_NETMSG_SAVE_USER     1219
#define IDC_NETMSG_SETTINGS      1163
#define IDC_NETMSG_NOTE          1209
#define IDC_NETMSG_COMMAND       1052
#define IDC_NETMSG_BROWSE        1165
#define IDC_NETMSG_PARAMETERS    1164
#define IDC_NETMSG_DEFAULT       1010

// The user menu editor and its item dialog.
#define IDD_CUSTOM_MENU          250
#define IDD_MENU_ITEM            251
#define IDC_MENU_LIST            1203
#define IDC_MENU_ADD             1204
#define IDC_MENU_EDIT            1010
#define IDC_MENU_DELETE          1011
#define IDC_MENU_MOVE_UP         1083
#define IDC_MENU_MOVE_DOWN       1205
#define IDC_MENU_CAPTION         1052
#define IDC_MENU_APPLICATION     1062
#define IDC_MENU_PARAMETERS      1206
#define IDC_MENU_BROWSE          1207

// The built-in sounds are WAVE resources known by name, not by number:
// "IDW_UP", "IDW_DOWN", "IDW_COMPERROR", "IDW_VOLTEST".

// Options dialog (its Apply is 1001, not the shared IDC_APPLY).
#define IDD_OPTIONS              154
#define IDC_OPT_APPLY            1001
#define IDC_OPT_WIDTH_SPIN       1003
#define IDC_OPT_WIDTH            1004
#define IDC_OPT_HEIGHT           1005
#define IDC_OPT_HEIGHT_SPIN      1007
#define IDC_OPT_TEST_CUSTOM_SOUND 1010
#define IDC_OPT_TEST_SPEECH      1011
#define IDC_OPT_TIMEOUT          1042
#define IDC_OPT_TIMEOUT_SPIN     1043
#define IDC_OPT_RUN_AT_STARTUP   1044
#define IDC_OPT_DBLCLICK_PATH    1052
#define IDC_OPT_DBLCLICK_PARAMS  1062
#define IDC_OPT_LOG_CSV          1081
#define IDC_OPT_DBLCLICK         1091
#define IDC_OPT_DBLCLICK_BROWSE  1092
#define IDC_OPT_CUSTOM_SOUND     1093
#define IDC_OPT_CUSTOM_SOUND_PATH 1094
#define IDC_OPT_SPEECH_TEXT      1096
#define IDC_OPT_CUSTOM_SOUND_BROWSE 1097
#define IDC_OPT_HIDE_TASKBAR     1099
#define IDC_OPT_LOG_ALL          1101
#define IDC_OPT_SHOW_ADDRESS     1103
#define IDC_OPT_SHOW_TIME        1104
#define IDC_OPT_SHOW_METHOD      1109
#define IDC_OPT_SHOW_STATUS      1110
#define IDC_OPT_SPEECH           1131
#define IDC_OPT_MUTE             1167
#define IDC_OPT_VOLUME           1168
#define IDC_OPT_TEST_VOLUME      1169
#define IDC_OPT_LOG_TXT          1188
#define IDC_OPT_LOG_DIR          1217
#define IDC_OPT_LOG_DIR_BROWSE   1218
#define IDC_OPT_LOG_MODE         1221

// About box.
#define IDD_ABOUT                164
#define IDI_ABOUT_PICTURE        192
#define IDC_ABOUT_HOME           1037
#define IDC_ABOUT_MAIL           1038
#define IDC_ABOUT_NAME           1039
#define IDC_ABOUT_MAKER          1178
#define IDC_ABOUT_VERSION        1220

#define VS_VERSION_INFO_ID       1
