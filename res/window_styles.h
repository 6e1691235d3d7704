// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Style bits of dialog templates and their controls, with the values and names of the platform the
// templates were designed on, so that a template reads like its resource script.
#include <cstdint>

// Window styles.
inline constexpr uint32_t WS_POPUP = 0x80000000;
inline constexpr uint32_t WS_VISIBLE = 0x10000000;
inline constexpr uint32_t WS_DISABLED = 0x08000000;
inline constexpr uint32_t WS_CAPTION = 0x00C00000;
inline constexpr uint32_t WS_BORDER = 0x00800000;
inline constexpr uint32_t WS_VSCROLL = 0x00200000;
inline constexpr uint32_t WS_HSCROLL = 0x00100000;
inline constexpr uint32_t WS_SYSMENU = 0x00080000;
inline constexpr uint32_t WS_GROUP = 0x00020000;
inline constexpr uint32_t WS_TABSTOP = 0x00010000;
inline constexpr uint32_t WS_MINIMIZEBOX = 0x00020000;
inline constexpr uint32_t WS_MAXIMIZEBOX = 0x00010000;
inline constexpr uint32_t DS_MODALFRAME = 0x00000080;

// Extended window styles.
inline constexpr uint32_t WS_EX_CONTEXTHELP = 0x00000400;
inline constexpr uint32_t WS_EX_APPWINDOW = 0x00040000;

// Button styles (the low four bits are the button type).
inline constexpr uint32_t BS_PUSHBUTTON = 0x0;
inline constexpr uint32_t BS_DEFPUSHBUTTON = 0x1;
inline constexpr uint32_t BS_CHECKBOX = 0x2;
inline constexpr uint32_t BS_AUTOCHECKBOX = 0x3;
inline constexpr uint32_t BS_RADIOBUTTON = 0x4;
inline constexpr uint32_t BS_GROUPBOX = 0x7;
inline constexpr uint32_t BS_AUTORADIOBUTTON = 0x9;
inline constexpr uint32_t BS_TYPEMASK = 0xF;

// Edit styles.
inline constexpr uint32_t ES_AUTOHSCROLL = 0x0080;

// List box styles.
inline constexpr uint32_t LBS_NOTIFY = 0x0001;
inline constexpr uint32_t LBS_SORT = 0x0002;
inline constexpr uint32_t LBS_NOINTEGRALHEIGHT = 0x0100;

// Combo box styles.
inline constexpr uint32_t CBS_DROPDOWNLIST = 0x0003;

// Static styles (the low five bits are the static type).
inline constexpr uint32_t SS_LEFT = 0x0000;
inline constexpr uint32_t SS_ICON = 0x0003;
inline constexpr uint32_t SS_ETCHEDHORZ = 0x0010;
inline constexpr uint32_t SS_TYPEMASK = 0x001F;
inline constexpr uint32_t SS_SUNKEN = 0x1000;
