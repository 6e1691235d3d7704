// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/tui/overlay.h"

#include <algorithm>

namespace tui {

Point CentreOn(const Canvas& canvas, int width, int height)
{
    return {std::max((canvas.width() - width) / 2, 0), std::max((canvas.height() - height) / 3, 0)};
}

}   // namespace tui
