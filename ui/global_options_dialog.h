#pragma once
// The options that apply to every NFS connection; reads them when it opens, writes them on OK.
#include "ui/base/help_dialog.h"

class GlobalOptionsDialog : public HelpDialog {
public:
    explicit GlobalOptionsDialog(CDialog* parent = nullptr);
};
