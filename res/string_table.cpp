// SPDX-License-Identifier: GPL-2.0-or-later
#include "res/string_table.h"

#include <algorithm>
#include <iterator>

#include "res/resource_ids.h"
#include "res/translation.h"

namespace {

// Sorted by id. Texts are the program's own, kept exactly as they appear to the user.
constexpr StringEntry kStrings[] = {
    {IDS_ABOUT_NORVANE, "&About Norvane"},
    {IDS_MODIFY_SERVER, "Modify Server"},
    {IDS_CONFIRM_DELETE_SERVER, "Are you sure you want to remove the server from this list?"},
    {IDS_SAVE_SERVERS_FAILED,
     "The server list could not be saved to %1:\r\n%2.\r\n\r\n"
     "Your changes are kept. Correct the problem and press OK again, or press Cancel to close "
     "without saving."},
    {IDS_SAVE_LINE_TOO_LONG, "A server name or queue setting is too long to be stored"},
    {IDS_SAVE_NO_SYSTEM_DIRECTORY, "The system directory is not known"},
    {IDS_FILE_AND_REASON, "%1: %2"},
    {IDS_REASON_NOT_REGULAR_FILE, "not a regular file"},
    {IDS_REASON_UNTRUSTED_LINK, "a symbolic link that belongs to another user, which Norvane does not follow"},
    {IDS_REASON_LOCK_HELD_BY, "another program is writing kqnet.ini (process %1)"},
    {IDS_REASON_LOCK_HELD, "another program is writing kqnet.ini"},
    {IDS_REASON_FOREIGN_OWNER, "it belongs to another user"},
    {IDS_REASON_WRITABLE_BY_OTHERS, "other users may change it"},
    {IDS_SERVER_CHANGED_ELSEWHERE,
     "%1 was changed by another program after Norvane read kqnet.ini. Keep your version? Yes keeps yours, "
     "No keeps the other version, Cancel returns to the window without saving."},
    {IDS_SERVER_ADDED_ELSEWHERE,
     "%1 was also added by another program, with other settings, after Norvane read kqnet.ini. Keep your "
     "version? Yes keeps yours, No keeps the other version, Cancel returns to the window without saving."},
    {IDS_SERVER_CHANGED_ELSEWHERE_REMOVED_HERE,
     "%1 was changed by another program after Norvane read kqnet.ini, and you removed it. Remove it all the "
     "same? Yes removes it, No keeps the other version, Cancel returns to the window without saving."},
    {IDS_SERVER_REMOVED_ELSEWHERE,
     "%1 was removed by another program after Norvane read kqnet.ini. Keep your version? Yes keeps yours, "
     "No leaves it removed, Cancel returns to the window without saving."},
    {IDS_SERVER_NAME_CONTROL, "The server name cannot contain tabs, line breaks or other control characters."},
    {IDS_SERVER_NAME_COMMA, "The server name cannot contain a comma."},
    {IDS_SERVER_NAME_EQUALS, "The server name cannot contain an equal sign (=)."},
    {IDS_SERVER_NAME_LEADING_MARK, "The server name cannot start with [ or ;."},
    {IDS_SERVER_NAME_EDGE_BLANK, "The server name cannot start or end with a blank."},
    {IDS_SERVER_NAME_EDGE_QUOTE, "The server name cannot start or end with a quotation mark."},
    {IDS_SERVER_NAME_TOO_LONG, "The server name cannot be longer than 241 bytes."},
    {IDS_SERVER_NAME_TAKEN,
     "The server name is already in the Servers and Printers list. Names that differ only in capital "
     "and small letters count as the same."},
    {IDS_LPR_QUEUE_NAME_COMMA, "The queue name cannot contain a comma."},
    {IDS_LPR_FILTER_COMMA, "The filter letter cannot contain a comma."},
    {IDS_LPR_USER_NAME_COMMA, "The user name cannot contain a comma."},
    {IDS_LPR_PERSONAL_NAME_COMMA, "The personal name cannot contain a comma."},
    {IDS_LPR_QUEUE_NAME_CONTROL, "The queue name cannot contain tabs, line breaks or other control characters."},
    {IDS_LPR_FILTER_CONTROL, "The filter letter cannot contain tabs, line breaks or other control characters."},
    {IDS_LPR_USER_NAME_CONTROL, "The user name cannot contain tabs, line breaks or other control characters."},
    {IDS_LPR_PERSONAL_NAME_CONTROL,
     "The personal name cannot contain tabs, line breaks or other control characters."},
    {IDS_LPR_QUEUE_NAME_LEADING_BLANK, "The queue name cannot start with a blank."},
    {IDS_LPR_PERSONAL_NAME_TRAILING_BLANK, "The personal name cannot end with a blank."},
    {IDS_LPR_QUOTE_PAIR, "The personal name cannot end with the quotation mark that starts the queue name."},
    {IDS_LPR_QUEUE_TOO_LONG,
     "The queue name, filter letter, user name and personal name together cannot be longer than 256 "
     "bytes."},
    {IDS_OPTIONS_NOT_SAVED,
     "These settings could not be saved: %1.\r\n%2.\r\n\r\n"
     "Correct the problem and press OK again, or press Cancel to close without saving."},
    {IDS_OPTIONS_USER_NAME_SETTING, "Default User Name"},
    {IDS_OPTIONS_RESTORE_SETTING, "Restore Persistent Connections on Startup"},
    {IDS_OPTIONS_WARNINGS_SETTING, "Network Warnings"},
    {IDS_OPTIONS_MASK_SETTING, "File Protection Mask"},
    {IDS_OPTIONS_USER_NAME_CONTROL,
     "The default user name cannot contain tabs, line breaks or other control characters."},
    {IDS_OPTIONS_USER_NAME_EDGE_BLANK, "The default user name cannot start or end with a blank."},
    {IDS_OPTIONS_USER_NAME_EDGE_QUOTE,
     "The default user name cannot start and end with the same quotation mark."},
    {IDS_OPTIONS_COMPONENT_NOT_TOLD,
     "The network component was not told of these options, because Norvane did not load its library:\r\n"
     "%1.\r\n\r\nNorvane loads it only from a file and a folder that no other user can change."},
    {IDS_OPTION_CHANGED_ELSEWHERE,
     "The setting %1 was changed by another program after Norvane read kqnet.ini. Keep your value? Yes "
     "keeps yours, No keeps the other program's, Cancel returns to the dialog without saving."},
    {IDS_WAITING_FOR_LOCK, "Waiting for another program to finish writing kqnet.ini..."},
    {IDS_FIELD_FULL, "Too long: at most %1 bytes fit here; a letter beyond A-Z takes 2 to 4."},
    {IDS_TERMINAL_TOO_SMALL, "Enlarge the terminal to %1 x %2"},
    {IDS_ABOUT_CAPTION, "About %1"},
    {IDS_ABOUT_VERSION, "%1 version %2"},
    {IDS_ABOUT_DESCRIPTION,
     "Keeps the list of NFS servers with their print queues, and the options of every NFS connection, in "
     "the configuration that the NFS client and network printing component reads."},
    {IDS_HELP_CAPTION, "%1 Help"},
    {IDS_HELP_FILE_UNREADABLE, "Help is not available: the help file %1 could not be read."},
    {IDS_HELP_NO_TOPIC, "No help topic is available for this item."},
    {IDS_HELP_SEARCH, "Search topics"},
    {IDS_HELP_SEARCH_LABEL, "Search: "},
    {IDS_HELP_CONTENTS, "Contents"},
    {IDS_HELP_TOPIC, "Topic"},
    {IDS_WHATS_THIS, "What's This?"},
    {IDS_CLOSE_COMMAND, "&Close"},
    {IDS_BUTTON_YES, "&Yes"},
    {IDS_BUTTON_NO, "&No"},
    {IDS_BUTTON_CANCEL, "Cancel"},
    {IDS_BUTTON_OK, "OK"},
    {IDS_HELP_KEYS_QT,
     "In this window: F1 shows the help of the control with the focus. Shift+F1 and then a click on a "
     "control explain it, and so does the caption's question-mark button where the window manager "
     "draws one; a right click on a control offers \"What's This?\". F10 or Alt+Space opens the "
     "window's menu (Alt+Space only where the window manager leaves it to the program), and so does "
     "a click on the Norvane icon: in the main window it holds \"About Norvane\"."},
    {IDS_HELP_KEYS_TERMINAL,
     "In this window: there is no mouse; where the help speaks of a click, use the keys. F1 shows the "
     "help of the control with the focus. Shift+F1 or Alt+? lets you choose a control with Tab or the "
     "arrows, and Enter shows its help; Shift+F10 opens the focused control's menu with \"What's "
     "This?\". F10 or Alt+Space opens the window's menu: in the main window it holds \"About "
     "Norvane\"."},
    {IDS_USAGE,
     "Usage: norvane [--help | --version]\n"
     "Edit the NFS servers, their stream and LPR print queues and the options for every\n"
     "NFS connection, kept in kqnet.ini. Norvane opens its window on the display, or\n"
     "runs in the terminal when there is no display.\n"
     "\n"
     "  --help     print this help and exit\n"
     "  --version  print the version and exit\n"
     "\n"
     "Environment:\n"
     "  NORVANE_SYSTEM_DIR  the folder of kqnet.ini (otherwise $XDG_CONFIG_HOME/norvane,\n"
     "                      or ~/.config/norvane)\n"
     "  NORVANE_UI          qt for the window, tui for the terminal\n"
     "\n"
     "See norvane(1) and kqnet.ini(5).\n"},
    {IDS_UNEXPECTED_ARGUMENT, "unexpected argument '%1' (norvane --help lists the options)"},
    {IDS_CANNOT_WRITE_OUTPUT, "cannot write to standard output"},
    {IDS_NO_TERMINAL_HOST, "this build has no terminal host (curses was missing when it was built)"},
    {IDS_USING_TERMINAL, "%1; using the terminal"},
    {IDS_QT_CANNOT_START, "Qt cannot start (%1)"},
    {IDS_CANNOT_RESTART, "cannot start again in the terminal: %1"},
    {IDS_NORVANE_UI_VALUES, "NORVANE_UI must be qt or tui"},
    {IDS_NO_DISPLAY, "no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)"},
    {IDS_NO_X_DISPLAY, "no X display is named (DISPLAY is not set)"},
    {IDS_X_DISPLAY_UNREACHABLE, "the X display %1 cannot be opened"},
    {IDS_NO_WAYLAND_RUNTIME_DIR, "no Wayland compositor can be found (XDG_RUNTIME_DIR is not set)"},
    {IDS_WAYLAND_PATH_TOO_LONG, "the Wayland socket path %1 is too long"},
    {IDS_NO_WAYLAND_COMPOSITOR, "no Wayland compositor answers at %1"},
    {IDS_PROBLEM_AND_PROBLEM, "%1, and %2"},
    {IDS_HINT_TAB_NEXT, "Tab Next"},
    {IDS_HINT_ENTER, "Enter %1"},
    {IDS_HINT_WHATS_THIS, "What's This?  Tab/arrows Choose a control  Enter Show its help  Esc Leave"},
    {IDS_HINT_MESSAGE, "Tab Next button  Enter Press  Esc Close"},
    {IDS_HINT_MESSAGE_ONE_BUTTON, "Enter Close"},
    {IDS_HINT_MENU, "Up/Down Move  Enter Choose  Esc Close"},
    {IDS_HINT_HELP_WINDOW, "Tab Next pane  Up/Down Topics or scroll  Type to search  Esc Close help"},
    {IDS_HINT_HELP_POPUP, "Any key closes the help"},
    {IDS_HINT_HELP_POPUP_SCROLL, "Up/Down Scroll  Any other key closes the help"},
    {IDS_HINT_SPACE_TOGGLE, "Space Toggle"},
    {IDS_HINT_ESC_CANCEL, "Esc Cancel"},
    {IDS_HINT_F1_HELP, "F1 Help"},
    {IDS_HINT_WHATS_THIS_KEY, "Alt+? What's This?"},
    {IDS_HINT_CONTEXT_MENU, "Alt+Enter Context Menu"},
    {IDS_HINT_SYSTEM_MENU, "Alt+Space Menu"},
    {IDS_APP_TITLE, "Norvane"},
    {IDS_MODIFY_LPR_QUEUE, "Modify LPR Queue"},
    {IDS_MODIFY_STREAM_QUEUE, "Modify Stream Queue"},
    {IDS_PORT_RANGE, "The valid range of port numbers is from 1 to 65536"},
    {IDS_SERVER_NAME_UNRESOLVED,
     "This server name may not be valid. Are you sure you want to add it to the Servers and "
     "Printers list?"},
    {IDS_COMPONENT_NOT_INSTALLED,
     "Kestrane NFS Client and Printing support in not installed.\r\n"
     "Norvane changes will take effect after it is re-installed."},
};

static_assert(std::ranges::is_sorted(kStrings, {}, &StringEntry::id), "kStrings must stay sorted by id");

}  // namespace

std::span<const StringEntry> StringTableEntries()
{
    return kStrings;
}

const char* FindString(uint32_t id)
{
    const auto* it = std::ranges::lower_bound(kStrings, id, {}, &StringEntry::id);
    if (it == std::end(kStrings) || it->id != id) {
        return nullptr;
    }
    return Translate(it->text);
}
