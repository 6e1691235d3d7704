// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program on the Qt host, in the pieces that main() puts together.

// What runs inside the Qt host: installs the host's about box and system menu popup, then runs the
// application object's start-up. Returns the exit status (-1 when there is no application object).
[[nodiscard]] int RunApplication();
