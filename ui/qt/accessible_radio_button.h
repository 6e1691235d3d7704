// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Radio buttons whose group the model keeps (not Qt's auto-exclusive ones) still announce
// themselves to screen readers as radio buttons, checked or not, rather than as check boxes.

// Registers the accessibility interface for such buttons; later calls do nothing.
void InstallAccessibleRadioButtons();
