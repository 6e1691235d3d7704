// SPDX-License-Identifier: GPL-2.0-or-later
// Template 129: Global Options.
#include "res/template_builders.h"
#include "res/template_list.h"

using namespace tmpl;

namespace {

constexpr ControlTemplate kControls[] = {
    Icon(IDC_STATIC, {5, 5, 21, 20}),
    Label("These options are used for all NFS connections.", IDC_OPTIONS_INTRO_TEXT, {35, 10, 190, 10}),
    Separator({5, 30, 225, 1}),
    Label("&Default User Name:", IDC_STATIC, {5, 40, 100, 8}),
    Edit(IDC_OPTIONS_USER_NAME, {5, 50, 160, 14}),
    CheckBox("&Enable Network Warnings", IDC_OPTIONS_WARNINGS, {7, 74, 99, 10}),
    // Hidden and disabled: the setting is read and written back unchanged.
    CheckBox("&Restore Persistent Connections on Startup", IDC_OPTIONS_RESTORE, {7, 83, 160, 10},
             (kCheckBox & ~WS_VISIBLE) | WS_DISABLED),
    GroupBox("File Protection Mask for New Files and Directories", IDC_OPTIONS_MASK_GROUP, {7, 92, 211, 89}),
    // Neither radio button starts a group or takes a tab stop.
    RadioButton("Use &Parent Directory Protection Mask", IDC_OPTIONS_PARENT_MASK, {14, 108, 168, 10}),
    RadioButton("Use &Specified File Protection Mask:", IDC_OPTIONS_SPECIFIED_MASK, {14, 121, 144, 10}),
    Label("&Owner:", IDC_OPTIONS_OWNER_LABEL, {14, 134, 30, 8}),
    CheckBox("Read", IDC_OPTIONS_OWNER_READ, {57, 134, 35, 10}),
    CheckBox("Write", IDC_OPTIONS_OWNER_WRITE, {109, 134, 35, 10}),
    CheckBox("Execute", IDC_OPTIONS_OWNER_EXECUTE, {162, 134, 42, 10}),
    Label("&Group:", IDC_OPTIONS_GROUP_LABEL, {14, 148, 22, 8}),
    CheckBox("Read", IDC_OPTIONS_GROUP_READ, {57, 148, 35, 10}),
    CheckBox("Write", IDC_OPTIONS_GROUP_WRITE, {109, 148, 35, 10}),
    CheckBox("Execute", IDC_OPTIONS_GROUP_EXECUTE, {162, 148, 44, 10}),
    Label("&World:", IDC_OPTIONS_WORLD_LABEL, {14, 161, 22, 8}),
    CheckBox("Read", IDC_OPTIONS_WORLD_READ, {57, 161, 35, 10}),
    CheckBox("Write", IDC_OPTIONS_WORLD_WRITE, {109, 161, 35, 10}),
    CheckBox("Execute", IDC_OPTIONS_WORLD_EXECUTE, {162, 161, 46, 10}),
    DefPushButton("OK", IDOK, {180, 35, 50, 14}),
    PushButton("Cancel", IDCANCEL, {180, 52, 50, 14}),
    PushButton("&Help", ID_HELP, {180, 70, 50, 14}),
};

}  // namespace

constexpr DialogTemplate kGlobalOptionsTemplate{
    IDD_GLOBAL_OPTIONS, "Global Options", kDialog, WS_EX_CONTEXTHELP,
    0, 0, 237, 188, kFontName, kFontPointSize, kControls,
};
