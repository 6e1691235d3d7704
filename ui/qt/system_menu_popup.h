// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A left click on a dialog's icon control opens the dialog's system menu, as a click on the icon
// in a caption does on the platform the dialogs were designed for. Alt+Space opens the same menu.

// Watches the whole application for such clicks; call once the QApplication exists.
void InstallSystemMenuPopup();
