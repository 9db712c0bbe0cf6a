// Resource ids of Vantor: the captions of the pop-up menu and the texts of the version box.
#pragma once

#define IDS_MENU_LINK 101
#define IDS_MENU_SHOW_WINDOW 102
#define IDS_MENU_SHOW_ICON 103
#define IDS_MENU_UDA 104
#define IDS_MENU_SHOW_UDA 105
#define IDS_MENU_UDA_SHOW_ICON 106
#define IDS_MENU_UDA_HIDE_ICON 107
#define IDS_MENU_UDA_HIDE_ALWAYS 108
#define IDS_MENU_CAPTURE_CPU 109
#define IDS_MENU_CAPTURE_MOL 110
#define IDS_MENU_ALARM 111
#define IDS_MENU_MUTE 112
#define IDS_MENU_SETTING 113
#define IDS_MENU_VERSION 114
#define IDS_MENU_EXIT 115

#define IDS_VERSION_TEXT 201
#define IDS_NO_BOOKMARK 202
#define IDS_FOLDER_NOT_WRITABLE 203

// The time-left line of the tooltip; %1 and %2 stand for the numbers.
#define IDS_TIMELEFT_CALCULATING 240
#define IDS_TIMELEFT_MINUTES 241
#define IDS_TIMELEFT_HOURS 242
#define IDS_TIMELEFT_DAYS 243
#define IDS_TIMELEFT_STALLED 244

// The record of the units: a row that cannot be written (%1 the file, %2 one of the causes),
// and rows dropped because too many waited (%1 the file).
#define IDS_RECORD_NOT_WRITTEN 250
#define IDS_RECORD_READ_ONLY 251
#define IDS_RECORD_DENIED 252
#define IDS_RECORD_DISK_FULL 253
#define IDS_RECORD_OTHER 254
#define IDS_RECORD_DROPPED 255
