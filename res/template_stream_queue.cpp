// SPDX-License-Identifier: GPL-2.0-or-later
// Template 136: the stream queue dialog ("Add Stream Queue", or "Modify Stream Queue" set by the code).
#include "res/template_builders.h"
#include "res/template_list.h"

using namespace tmpl;

namespace {

constexpr ControlTemplate kControls[] = {
    Label("&Port Number:", IDC_STATIC_FFFF, {5, 5, 45, 8}),
    Edit(IDC_STREAM_PORT, {5, 15, 40, 13}),
    CheckBox("&Enable Telnet Negotiation", IDC_STREAM_TELNET, {5, 35, 100, 10}),
    DefPushButton("OK", IDOK, {130, 7, 50, 14}),
    PushButton("Cancel", IDCANCEL, {130, 24, 50, 14}),
    PushButton("&Help", ID_HELP, {130, 42, 50, 14}),
};

}  // namespace

constexpr DialogTemplate kStreamQueueTemplate{
    IDD_STREAM_QUEUE, "Add Stream Queue", kDialog, 0,
    0, 0, 186, 61, kFontName, kFontPointSize, kControls,
};
