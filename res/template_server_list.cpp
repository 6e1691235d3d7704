// SPDX-License-Identifier: GPL-2.0-or-later
// Template 102: the main window, the Servers and Printers list.
#include "res/template_builders.h"
#include "res/template_list.h"

using namespace tmpl;

namespace {

constexpr ControlTemplate kControls[] = {
    Icon(IDC_MAIN_ICON, {5, 5, 18, 20}),
    Label("Norvane uses the following list of Servers along with their associated properties to "
          "populate the NFS Servers and Printers workgoup in the Network Neighborhood. ",
          IDC_MAIN_INTRO_TEXT, {35, 7, 255, 25}),
    Label("Add each Server on your network and enable the resources provided by that Server. Contact "
          "your network administrator for information about available Servers.",
          IDC_MAIN_ADVICE_TEXT, {5, 33, 285, 19}),
    Label("Use the Network Neighborhood to establish network connections.", IDC_MAIN_NEIGHBORHOOD_TEXT,
          {5, 53, 285, 8}),
    Separator({5, 66, 283, 1}),
    Label("&Servers and Printers:", IDC_STATIC, {5, 70, 225, 9}),
    ListBox(IDC_MAIN_SERVER_LIST, {5, 80, 228, 130}),
    PushButton("OK", IDOK, {240, 80, 50, 14}),
    PushButton("Cancel", IDCANCEL, {240, 97, 50, 14}),
    PushButton("&Help", ID_HELP, {240, 115, 50, 14}),
    // Add, not OK, is the default: Enter in a fresh window adds a server rather than closing.
    DefPushButton("&Add...", IDC_MAIN_ADD, {240, 140, 50, 14}),
    PushButton("&Modify...", IDC_MAIN_MODIFY, {240, 158, 50, 14}),
    PushButton("&Delete", IDC_MAIN_DELETE, {240, 175, 50, 14}),
    PushButton("&Options...", IDC_MAIN_OPTIONS, {240, 193, 50, 14}),
    Label("Some servers that share NFS drives and/or printers can be located automatically and do not "
          "need to be listed here.",
          IDC_MAIN_AUTOLOCATE_TEXT, {245, 205, 40, 10}, (kLabel & ~WS_VISIBLE) | WS_DISABLED),
};

}  // namespace

constexpr DialogTemplate kServerListTemplate{
    IDD_SERVER_LIST, "Norvane", kDialog | WS_VISIBLE, WS_EX_APPWINDOW | WS_EX_CONTEXTHELP,
    0, 0, 297, 215, kFontName, kFontPointSize, kControls,
};
