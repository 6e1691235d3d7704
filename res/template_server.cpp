// SPDX-License-Identifier: GPL-2.0-or-later
// Template 120: the server properties dialog ("Add Server", or "Modify Server" set by the code).
#include "res/template_builders.h"
#include "res/template_list.h"

using namespace tmpl;

namespace {

// Both queue groups start disabled; the printing check boxes enable them.
constexpr uint32_t kOff = WS_DISABLED;

constexpr ControlTemplate kControls[] = {
    Label("Server &Name:", IDC_STATIC, {5, 5, 116, 8}),
    Edit(IDC_SERVER_NAME, {5, 15, 150, 14}),
    CheckBox("NFS &Drive Mount Points", IDC_SERVER_NFS_DRIVES, {5, 35, 120, 10}),
    CheckBox("NFS &Printer Mount Points", IDC_SERVER_NFS_PRINTERS, {5, 48, 120, 10}),
    CheckBox("&Stream Printing", IDC_SERVER_STREAM_PRINTING, {5, 61, 120, 10}),
    CheckBox("&LPR Printing", IDC_SERVER_LPR_PRINTING, {5, 74, 120, 10}),
    GroupBox("Stream Queue(s)", IDC_SERVER_STREAM_GROUP, {5, 90, 125, 70}, kGroupBox | kOff),
    ListBox(IDC_SERVER_STREAM_LIST, {10, 100, 60, 55}, kListBox | kOff),
    // Never shown: it only carries the server's default-queue flag through the dialog.
    CheckBox("Default Queue", IDC_SERVER_DEFAULT_QUEUE, {10, 145, 60, 10}, BS_AUTOCHECKBOX | kOff),
    PushButton("Add...", IDC_SERVER_STREAM_ADD, {75, 100, 50, 14}, kPushButton | kOff),
    PushButton("Modify...", IDC_SERVER_STREAM_MODIFY, {75, 120, 50, 14}, kPushButton | kOff),
    PushButton("Delete", IDC_SERVER_STREAM_DELETE, {75, 140, 50, 14}, kPushButton | kOff),
    GroupBox("LPR Queue(s)", IDC_SERVER_LPR_GROUP, {140, 90, 125, 70}, kGroupBox | kOff),
    ListBox(IDC_SERVER_LPR_LIST, {145, 100, 60, 55}, kListBox | kOff),
    PushButton("Add...", IDC_SERVER_LPR_ADD, {210, 100, 50, 14}, kPushButton | kOff),
    PushButton("Modify...", IDC_SERVER_LPR_MODIFY, {210, 120, 50, 14}, kPushButton | kOff),
    PushButton("Delete", IDC_SERVER_LPR_DELETE, {210, 140, 50, 14}, kPushButton | kOff),
    DefPushButton("OK", IDOK, {210, 5, 50, 14}),
    PushButton("Cancel", IDCANCEL, {210, 22, 50, 14}),
    PushButton("&Help", ID_HELP, {210, 40, 50, 14}),
};

}  // namespace

constexpr DialogTemplate kServerTemplate{
    IDD_SERVER, "Add Server", kDialog | WS_VISIBLE, WS_EX_CONTEXTHELP,
    0, 0, 272, 166, kFontName, kFontPointSize, kControls,
};
