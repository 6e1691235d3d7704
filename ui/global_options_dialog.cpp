#include "ui/global_options_dialog.h"

#include "res/resource_ids.h"

GlobalOptionsDialog::GlobalOptionsDialog(CDialog* parent)
    : HelpDialog(IDD_GLOBAL_OPTIONS, parent)
{
}
