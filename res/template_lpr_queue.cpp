// SPDX-License-Identifier: GPL-2.0-or-later
// Template 133: the LPR queue dialog ("Add LPR Queue", or "Modify LPR Queue" set by the code).
#include "res/template_builders.h"
#include "res/template_list.h"

using namespace tmpl;

namespace {

// In this order, unsorted: an item's position is the filter type index the dialog maps to a letter.
// The trailing blank of the first item is part of its text.
constexpr const char* kFilterTypes[] = {
    "Binary (Pass-thru) ", "DVI File", "Text File", "Plot File", "Fortran File", "CIF Plot File", "User Defined",
};

// The user name field stands at the top but comes last in the tab order.
constexpr ControlTemplate kControls[] = {
    Label("Queue Name:", IDC_STATIC_FFFF, {5, 34, 140, 8}),
    Edit(IDC_LPR_QUEUE_NAME, {5, 44, 140, 14}),
    Label("Personal Name:", IDC_STATIC_FFFF, {5, 61, 125, 8}),
    Edit(IDC_LPR_PERSONAL_NAME, {5, 71, 140, 14}),
    Label("&Filter Type:", IDC_STATIC_FFFF, {5, 90, 50, 8}),
    DropList(IDC_LPR_FILTER_TYPE, {5, 100, 115, 83}, kFilterTypes),
    Edit(IDC_LPR_FILTER_LETTER, {125, 100, 20, 13}),
    DefPushButton("OK", IDOK, {170, 10, 50, 14}),
    PushButton("Cancel", IDCANCEL, {170, 27, 50, 14}),
    PushButton("&Help", ID_HELP, {170, 45, 50, 14}),
    Label("User Name:", IDC_STATIC_FFFF, {5, 5, 95, 8}),
    Edit(IDC_LPR_USER_NAME, {5, 15, 140, 14}),
};

}  // namespace

constexpr DialogTemplate kLprQueueTemplate{
    IDD_LPR_QUEUE, "Add LPR Queue", kDialog, 0,
    0, 0, 227, 121, kFontName, kFontPointSize, kControls,
};
