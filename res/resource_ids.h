// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Resource ids: templates, controls, strings, icon and commands. Every id here is fixed: help
// context ids are derived from template and control ids, so renumbering one orphans its help topic.
//
// Control ids are reused across dialogs with other meanings (1013 is the server list in the main
// window and the stream queue group box in the server dialog), so each dialog's ids carry its prefix:
// IDC_MAIN_ (template 102), IDC_SERVER_ (120), IDC_OPTIONS_ (129), IDC_LPR_ (133), IDC_STREAM_ (136).
#include <cstdint>

// Dialog templates.
inline constexpr uint32_t IDD_SERVER_LIST = 102;      // the main window, "Norvane"
inline constexpr uint32_t IDD_SERVER = 120;           // "Add Server" / "Modify Server"
inline constexpr uint32_t IDD_GLOBAL_OPTIONS = 129;   // "Global Options"
inline constexpr uint32_t IDD_LPR_QUEUE = 133;        // "Add LPR Queue" / "Modify LPR Queue"
inline constexpr uint32_t IDD_STREAM_QUEUE = 136;     // "Add Stream Queue" / "Modify Stream Queue"

// The application icon.
inline constexpr uint32_t IDI_NORVANE = 128;

// Commands shared by every dialog; their help contexts are the ids themselves.
inline constexpr int32_t IDOK = 1;
inline constexpr int32_t IDCANCEL = 2;
inline constexpr int32_t ID_HELP = 57670;

// The About item the main window appends to its system menu.
inline constexpr uint32_t IDM_ABOUTBOX = 16;

// Controls the code never addresses. Both forms occur in the templates and are kept as written:
// -1 is never subclassed, while 65535 is, yet counts as "no id" for help.
inline constexpr int32_t IDC_STATIC = -1;
inline constexpr int32_t IDC_STATIC_FFFF = 65535;

// Template 102, the Servers and Printers list (main window).
inline constexpr int32_t IDC_MAIN_ICON = 1018;
inline constexpr int32_t IDC_MAIN_INTRO_TEXT = 1016;
inline constexpr int32_t IDC_MAIN_ADVICE_TEXT = 1028;
inline constexpr int32_t IDC_MAIN_NEIGHBORHOOD_TEXT = 1030;
inline constexpr int32_t IDC_MAIN_SERVER_LIST = 1013;
inline constexpr int32_t IDC_MAIN_ADD = 1022;
inline constexpr int32_t IDC_MAIN_MODIFY = 1000;
inline constexpr int32_t IDC_MAIN_DELETE = 1004;
inline constexpr int32_t IDC_MAIN_OPTIONS = 1001;
inline constexpr int32_t IDC_MAIN_AUTOLOCATE_TEXT = 1017;   // hidden and disabled

// Template 120, the server properties dialog.
inline constexpr int32_t IDC_SERVER_NAME = 1002;
inline constexpr int32_t IDC_SERVER_NFS_DRIVES = 1049;
inline constexpr int32_t IDC_SERVER_NFS_PRINTERS = 1046;
inline constexpr int32_t IDC_SERVER_STREAM_PRINTING = 1045;
inline constexpr int32_t IDC_SERVER_LPR_PRINTING = 1051;
inline constexpr int32_t IDC_SERVER_STREAM_GROUP = 1013;
inline constexpr int32_t IDC_SERVER_STREAM_LIST = 1019;
inline constexpr int32_t IDC_SERVER_DEFAULT_QUEUE = 1021;    // hidden: carries the flag only
inline constexpr int32_t IDC_SERVER_STREAM_ADD = 1008;
inline constexpr int32_t IDC_SERVER_STREAM_MODIFY = 1014;
inline constexpr int32_t IDC_SERVER_STREAM_DELETE = 1009;
inline constexpr int32_t IDC_SERVER_LPR_GROUP = 1012;
inline constexpr int32_t IDC_SERVER_LPR_LIST = 1020;
inline constexpr int32_t IDC_SERVER_LPR_ADD = 1010;
inline constexpr int32_t IDC_SERVER_LPR_MODIFY = 1015;
inline constexpr int32_t IDC_SERVER_LPR_DELETE = 1011;

// Template 129, Global Options. The mask box ids do not follow the rows on screen.
inline constexpr int32_t IDC_OPTIONS_INTRO_TEXT = 1015;
inline constexpr int32_t IDC_OPTIONS_USER_NAME = 1006;
inline constexpr int32_t IDC_OPTIONS_WARNINGS = 1005;
inline constexpr int32_t IDC_OPTIONS_RESTORE = 1029;         // hidden and disabled
inline constexpr int32_t IDC_OPTIONS_MASK_GROUP = 1031;
inline constexpr int32_t IDC_OPTIONS_PARENT_MASK = 1054;
inline constexpr int32_t IDC_OPTIONS_SPECIFIED_MASK = 1055;
inline constexpr int32_t IDC_OPTIONS_OWNER_LABEL = 1056;
inline constexpr int32_t IDC_OPTIONS_OWNER_READ = 1011;
inline constexpr int32_t IDC_OPTIONS_OWNER_WRITE = 1060;
inline constexpr int32_t IDC_OPTIONS_OWNER_EXECUTE = 1063;
inline constexpr int32_t IDC_OPTIONS_GROUP_LABEL = 1057;
inline constexpr int32_t IDC_OPTIONS_GROUP_READ = 1012;
inline constexpr int32_t IDC_OPTIONS_GROUP_WRITE = 1061;
inline constexpr int32_t IDC_OPTIONS_GROUP_EXECUTE = 1066;
inline constexpr int32_t IDC_OPTIONS_WORLD_LABEL = 1058;
inline constexpr int32_t IDC_OPTIONS_WORLD_READ = 1059;
inline constexpr int32_t IDC_OPTIONS_WORLD_WRITE = 1062;
inline constexpr int32_t IDC_OPTIONS_WORLD_EXECUTE = 1065;

// Template 133, the LPR queue dialog.
inline constexpr int32_t IDC_LPR_QUEUE_NAME = 1048;
inline constexpr int32_t IDC_LPR_PERSONAL_NAME = 1010;
inline constexpr int32_t IDC_LPR_FILTER_TYPE = 1036;
inline constexpr int32_t IDC_LPR_FILTER_LETTER = 1037;
inline constexpr int32_t IDC_LPR_USER_NAME = 1006;

// Template 136, the stream queue dialog.
inline constexpr int32_t IDC_STREAM_PORT = 1050;
inline constexpr int32_t IDC_STREAM_TELNET = 1038;

// Strings.
inline constexpr uint32_t IDS_ABOUT_NORVANE = 101;              // "&About Norvane"
inline constexpr uint32_t IDS_MODIFY_SERVER = 103;              // caption in Modify mode
inline constexpr uint32_t IDS_CONFIRM_DELETE_SERVER = 104;      // Yes/No before a server is removed
inline constexpr uint32_t IDS_SAVE_SERVERS_FAILED = 200;        // %1 the file, %2 the reason
inline constexpr uint32_t IDS_SAVE_LINE_TOO_LONG = 201;         // reason when no system call failed
inline constexpr uint32_t IDS_SAVE_NO_SYSTEM_DIRECTORY = 202;   // reason when the file has no path
// Why a file was refused (203-219), after the file's name.
inline constexpr uint32_t IDS_FILE_AND_REASON = 203;            // %1 the file, %2 the reason
inline constexpr uint32_t IDS_REASON_NOT_REGULAR_FILE = 204;
inline constexpr uint32_t IDS_REASON_UNTRUSTED_LINK = 205;
inline constexpr uint32_t IDS_REASON_LOCK_HELD_BY = 206;        // %1 the process id
inline constexpr uint32_t IDS_REASON_LOCK_HELD = 207;
inline constexpr uint32_t IDS_REASON_FOREIGN_OWNER = 208;
inline constexpr uint32_t IDS_REASON_WRITABLE_BY_OTHERS = 209;
// Yes/No/Cancel at OK when another program changed a server too (%1 its name); Yes keeps the user's.
inline constexpr uint32_t IDS_SERVER_CHANGED_ELSEWHERE = 210;
inline constexpr uint32_t IDS_SERVER_ADDED_ELSEWHERE = 211;
inline constexpr uint32_t IDS_SERVER_CHANGED_ELSEWHERE_REMOVED_HERE = 212;
inline constexpr uint32_t IDS_SERVER_REMOVED_ELSEWHERE = 213;
// Why the server editing dialogs refuse a text (220-259): each names the field and the reason.
inline constexpr uint32_t IDS_SERVER_NAME_CONTROL = 220;
inline constexpr uint32_t IDS_SERVER_NAME_COMMA = 221;
inline constexpr uint32_t IDS_SERVER_NAME_EQUALS = 222;
inline constexpr uint32_t IDS_SERVER_NAME_LEADING_MARK = 223;
inline constexpr uint32_t IDS_SERVER_NAME_EDGE_BLANK = 224;
inline constexpr uint32_t IDS_SERVER_NAME_EDGE_QUOTE = 225;
inline constexpr uint32_t IDS_SERVER_NAME_TOO_LONG = 226;
inline constexpr uint32_t IDS_SERVER_NAME_TAKEN = 227;
inline constexpr uint32_t IDS_LPR_QUEUE_NAME_COMMA = 230;
inline constexpr uint32_t IDS_LPR_FILTER_COMMA = 231;
inline constexpr uint32_t IDS_LPR_USER_NAME_COMMA = 232;
inline constexpr uint32_t IDS_LPR_PERSONAL_NAME_COMMA = 233;
inline constexpr uint32_t IDS_LPR_QUEUE_NAME_CONTROL = 234;
inline constexpr uint32_t IDS_LPR_FILTER_CONTROL = 235;
inline constexpr uint32_t IDS_LPR_USER_NAME_CONTROL = 236;
inline constexpr uint32_t IDS_LPR_PERSONAL_NAME_CONTROL = 237;
inline constexpr uint32_t IDS_LPR_QUEUE_NAME_LEADING_BLANK = 238;
inline constexpr uint32_t IDS_LPR_PERSONAL_NAME_TRAILING_BLANK = 239;
inline constexpr uint32_t IDS_LPR_QUOTE_PAIR = 240;
inline constexpr uint32_t IDS_LPR_QUEUE_TOO_LONG = 241;
// The Global Options dialog (260-279): what could not be saved, and why a user name is refused.
inline constexpr uint32_t IDS_OPTIONS_NOT_SAVED = 260;          // %1 the settings, %2 the reason
inline constexpr uint32_t IDS_OPTIONS_USER_NAME_SETTING = 261;
inline constexpr uint32_t IDS_OPTIONS_RESTORE_SETTING = 262;
inline constexpr uint32_t IDS_OPTIONS_WARNINGS_SETTING = 263;
inline constexpr uint32_t IDS_OPTIONS_MASK_SETTING = 264;
inline constexpr uint32_t IDS_OPTIONS_USER_NAME_CONTROL = 265;
inline constexpr uint32_t IDS_OPTIONS_USER_NAME_EDGE_BLANK = 266;
inline constexpr uint32_t IDS_OPTIONS_USER_NAME_EDGE_QUOTE = 267;
inline constexpr uint32_t IDS_OPTIONS_COMPONENT_NOT_TOLD = 268;  // %1 the file refused, with its reason
inline constexpr uint32_t IDS_OPTION_CHANGED_ELSEWHERE = 275;   // Yes/No/Cancel; %1 the setting
// Shown by a host while a save waits for another program's lock, and when a field refuses text
// for its length.
inline constexpr uint32_t IDS_WAITING_FOR_LOCK = 280;
inline constexpr uint32_t IDS_FIELD_FULL = 281;                 // %1 the field's limit in bytes
// Shown by the terminal host in place of the dialogs on a terminal smaller than it can use.
inline constexpr uint32_t IDS_TERMINAL_TOO_SMALL = 282;   // %1 the columns, %2 the rows it needs
// What every host shows of its own (300-319): the About box, the help window and its menus.
inline constexpr uint32_t IDS_ABOUT_CAPTION = 300;              // %1 the application title
inline constexpr uint32_t IDS_ABOUT_VERSION = 301;              // %1 the application title, %2 the version
inline constexpr uint32_t IDS_ABOUT_DESCRIPTION = 302;
inline constexpr uint32_t IDS_HELP_CAPTION = 310;               // %1 the application title
inline constexpr uint32_t IDS_HELP_FILE_UNREADABLE = 311;       // %1 the help file
inline constexpr uint32_t IDS_HELP_NO_TOPIC = 312;
inline constexpr uint32_t IDS_HELP_SEARCH = 313;
inline constexpr uint32_t IDS_HELP_SEARCH_LABEL = 314;
inline constexpr uint32_t IDS_HELP_CONTENTS = 315;
inline constexpr uint32_t IDS_HELP_TOPIC = 316;
inline constexpr uint32_t IDS_WHATS_THIS = 317;                 // the context menu's one item
inline constexpr uint32_t IDS_CLOSE_COMMAND = 318;              // the system menu's own item
// The terminal host's buttons of a message box (320-329).
inline constexpr uint32_t IDS_BUTTON_YES = 320;
inline constexpr uint32_t IDS_BUTTON_NO = 321;
inline constexpr uint32_t IDS_BUTTON_CANCEL = 322;
inline constexpr uint32_t IDS_BUTTON_OK = 323;
// How help and the window's menu are reached on each host, shown with the dialogs' overviews (330-339).
inline constexpr uint32_t IDS_HELP_KEYS_QT = 330;
inline constexpr uint32_t IDS_HELP_KEYS_TERMINAL = 331;
// What the program says on the command line before it opens a window (340-359).
inline constexpr uint32_t IDS_USAGE = 340;
inline constexpr uint32_t IDS_UNEXPECTED_ARGUMENT = 341;        // %1 the argument
inline constexpr uint32_t IDS_CANNOT_WRITE_OUTPUT = 342;
inline constexpr uint32_t IDS_NO_TERMINAL_HOST = 343;
inline constexpr uint32_t IDS_USING_TERMINAL = 344;             // %1 why there is no window
inline constexpr uint32_t IDS_QT_CANNOT_START = 345;            // %1 Qt's reason
inline constexpr uint32_t IDS_CANNOT_RESTART = 346;             // %1 the system's reason
inline constexpr uint32_t IDS_NORVANE_UI_VALUES = 347;
inline constexpr uint32_t IDS_NO_DISPLAY = 348;
inline constexpr uint32_t IDS_NO_X_DISPLAY = 349;
inline constexpr uint32_t IDS_X_DISPLAY_UNREACHABLE = 350;      // %1 the display's name
inline constexpr uint32_t IDS_NO_WAYLAND_RUNTIME_DIR = 351;
inline constexpr uint32_t IDS_WAYLAND_PATH_TOO_LONG = 352;      // %1 the socket's path
inline constexpr uint32_t IDS_NO_WAYLAND_COMPOSITOR = 353;      // %1 the socket's path
inline constexpr uint32_t IDS_PROBLEM_AND_PROBLEM = 354;        // %1 and %2 why two platforms fail
// The terminal host's hint line, the keys of what is in front (360-379).
inline constexpr uint32_t IDS_HINT_TAB_NEXT = 360;
inline constexpr uint32_t IDS_HINT_ENTER = 361;                 // %1 the button Enter presses
inline constexpr uint32_t IDS_HINT_WHATS_THIS = 362;
inline constexpr uint32_t IDS_HINT_MESSAGE = 363;
inline constexpr uint32_t IDS_HINT_MESSAGE_ONE_BUTTON = 364;
inline constexpr uint32_t IDS_HINT_MENU = 365;
inline constexpr uint32_t IDS_HINT_HELP_WINDOW = 366;
inline constexpr uint32_t IDS_HINT_HELP_POPUP = 367;
inline constexpr uint32_t IDS_HINT_HELP_POPUP_SCROLL = 368;
inline constexpr uint32_t IDS_HINT_SPACE_TOGGLE = 369;
inline constexpr uint32_t IDS_HINT_ESC_CANCEL = 370;
inline constexpr uint32_t IDS_HINT_F1_HELP = 371;
inline constexpr uint32_t IDS_HINT_WHATS_THIS_KEY = 372;
inline constexpr uint32_t IDS_HINT_CONTEXT_MENU = 373;
inline constexpr uint32_t IDS_HINT_SYSTEM_MENU = 374;
inline constexpr uint32_t IDS_APP_TITLE = 57344;                // "Norvane", the message box caption
inline constexpr uint32_t IDS_MODIFY_LPR_QUEUE = 57348;
inline constexpr uint32_t IDS_MODIFY_STREAM_QUEUE = 57349;
inline constexpr uint32_t IDS_PORT_RANGE = 57350;
inline constexpr uint32_t IDS_SERVER_NAME_UNRESOLVED = 57352;   // also its message box's help context
inline constexpr uint32_t IDS_COMPONENT_NOT_INSTALLED = 57353;
