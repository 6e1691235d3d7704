// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where a dialog's controls stand in character cells. Dialog units map to cells at 4 horizontal
// and 8 vertical units a cell. A dialog that does not fit the terminal that way is squeezed: each
// axis is mapped by a rising step function over the template's edges, so controls that did not
// overlap in the template cannot overlap in cells, while every visible control keeps the cells it
// needs to be read (a button its caption, a label all its lines, a group box its border around
// what it holds). When even that does not fit, the smallest such layout is used and the screen
// cuts it.
#include <cstdint>
#include <vector>

#include "res/dialog_template.h"
#include "ui/base/win_defs.h"

namespace tui {

inline constexpr int kUnitsPerColumn = 4;
inline constexpr int kUnitsPerRow = 8;

// One axis: dialog units to cells, exact at the edges it was built from and linear between them.
class AxisMap {
public:
    AxisMap() = default;
    AxisMap(std::vector<int32_t> edges, std::vector<int32_t> cells);
    int32_t Map(int32_t units) const;

private:
    std::vector<int32_t> m_edges;   // ascending, distinct
    std::vector<int32_t> m_cells;   // one per edge, never falling
};

class CellLayout {
public:
    CellLayout() = default;
    // Lays `dialogTemplate` out for a terminal of `columns` x `rows`, a one-cell frame included.
    static CellLayout Fit(const DialogTemplate& dialogTemplate, int columns, int rows);

    // The client area in cells (frame excluded).
    int clientWidth() const { return m_clientWidth; }
    int clientHeight() const { return m_clientHeight; }
    // A rectangle in dialog units as cells of the client area.
    Rect Map(const Rect& dialogUnits) const;

private:
    AxisMap m_x;
    AxisMap m_y;
    int m_clientWidth = 0;
    int m_clientHeight = 0;
};

// The rectangle a control of a template holds in dialog units (a drop-down list its closed height).
Rect ControlUnits(const ControlTemplate& control);

}   // namespace tui
