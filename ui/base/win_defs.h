// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The vocabulary of the platform the dialogs were designed on: message numbers, notification codes,
// command ids, result codes and the small records that travel with messages. Values are the
// platform's, so that handlers and tables read like their design.
#include <cstdint>

// IDOK, IDCANCEL, ID_HELP and IDS_APP_TITLE (the caption of every message box) live with the
// other resource ids.
#include "res/resource_ids.h"

class LiveWindow;

using UINT = uint32_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using BOOL = int;
inline constexpr BOOL FALSE = 0;
inline constexpr BOOL TRUE = 1;
// A window handle is a pointer to the live window it names (a control or a dialog's frame).
using HWND = LiveWindow*;

// A rectangle: left and top inside, right and bottom outside.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int32_t width() const { return right - left; }
    int32_t height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

constexpr WPARAM MAKEWPARAM(uint32_t low, uint32_t high) { return (low & 0xFFFFu) | ((high & 0xFFFFu) << 16); }
constexpr LPARAM MAKELPARAM(uint32_t low, uint32_t high)
{
    return static_cast<LPARAM>(static_cast<int32_t>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16)));
}
constexpr uint32_t LOWORD(uintptr_t value) { return static_cast<uint32_t>(value & 0xFFFFu); }
constexpr uint32_t HIWORD(uintptr_t value) { return static_cast<uint32_t>((value >> 16) & 0xFFFFu); }

// Window messages.
inline constexpr UINT WM_DESTROY = 0x0002;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_QUERYDRAGICON = 0x0037;
inline constexpr UINT WM_HELP = 0x0053;
inline constexpr UINT WM_CONTEXTMENU = 0x007B;
inline constexpr UINT WM_NCDESTROY = 0x0082;
inline constexpr UINT WM_INITDIALOG = 0x0110;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_SYSCOMMAND = 0x0112;
inline constexpr UINT WM_COMMANDHELP = 0x0365;

// System commands (WM_SYSCOMMAND wParam; the low four bits are the platform's own).
inline constexpr UINT SC_CLOSE = 0xF060;

// Notification codes carried in the high word of WM_COMMAND's wParam.
inline constexpr UINT BN_CLICKED = 0;
inline constexpr UINT LBN_SELCHANGE = 1;
inline constexpr UINT LBN_DBLCLK = 2;
inline constexpr UINT CBN_SELCHANGE = 1;
inline constexpr UINT EN_CHANGE = 0x0300;

// Message box answers.
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// List box and combo box results.
inline constexpr int LB_ERR = -1;
inline constexpr int LB_ERRSPACE = -2;
inline constexpr int CB_ERR = -1;
inline constexpr int CB_ERRSPACE = -2;

// Check states.
inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;

// Message box types and sounds.
inline constexpr UINT MB_OK = 0x0;
inline constexpr UINT MB_YESNOCANCEL = 0x3;
inline constexpr UINT MB_YESNO = 0x4;
inline constexpr UINT MB_ICONEXCLAMATION = 0x30;
inline constexpr UINT MB_SIMPLEBEEP = 0xFFFFFFFF;

// Help viewer commands.
inline constexpr UINT HELP_CONTEXT = 1;
inline constexpr UINT HELP_QUIT = 2;
inline constexpr UINT HELP_CONTEXTMENU = 10;
inline constexpr UINT HELP_WM_HELP = 12;

// System menu items.
inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_SEPARATOR = 0x0800;

// The record WM_HELP carries by address in its lParam.
inline constexpr int HELPINFO_WINDOW = 1;
inline constexpr int HELPINFO_MENUITEM = 2;
struct HELPINFO {
    UINT cbSize = sizeof(HELPINFO);
    int iContextType = HELPINFO_WINDOW;
    int iCtrlId = 0;
    HWND hItemHandle = nullptr;
    uintptr_t dwContextId = 0;
    Point MousePos;
};
