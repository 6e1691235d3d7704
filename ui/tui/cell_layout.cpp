// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/tui/cell_layout.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "res/window_styles.h"
#include "ui/base/control_kind.h"
#include "ui/tui/control_cells.h"
#include "ui/tui/tui_text.h"

namespace tui {

namespace {

// A closed drop-down list is one line; its template height includes the list it drops.
constexpr int32_t kClosedComboUnits = 12;
// Steps by which a dialog is squeezed until it fits.
constexpr int kScaleSteps = 32;

// The mapped edges `from` and `to` must lie at least `cells` apart.
struct Span {
    int32_t from;
    int32_t to;
    int cells;
};

// One axis of a layout being solved.
struct Axis {
    std::vector<int32_t> edges;
    std::vector<Span> spans;
    int unitsPerCell;

    void Require(int32_t from, int32_t to, int cells)
    {
        if (cells > 0 && from < to)
            spans.push_back({from, to, cells});
    }

    size_t IndexOf(int32_t edge) const
    {
        return static_cast<size_t>(std::lower_bound(edges.begin(), edges.end(), edge) - edges.begin());
    }

    // Each edge as near its scaled place as the spans ending at it and the edge before allow.
    std::vector<int32_t> Solve(double scale) const
    {
        std::vector<int32_t> cells(edges.size());
        for (size_t i = 0; i < edges.size(); ++i) {
            auto cell = static_cast<int32_t>(std::lround(edges[i] * scale / unitsPerCell));
            if (i > 0)
                cell = std::max(cell, cells[i - 1]);
            for (const Span& span : spans)
                if (span.to == edges[i])
                    cell = std::max(cell, cells[IndexOf(span.from)] + span.cells);
            cells[i] = cell;
        }
        return cells;
    }

    // The largest scale, at most one, whose solution ends within `available` cells.
    std::vector<int32_t> Fit(int available) const
    {
        for (int step = kScaleSteps; step > 0; --step) {
            std::vector<int32_t> cells = Solve(static_cast<double>(step) / kScaleSteps);
            if (cells.back() <= available)
                return cells;
        }
        return Solve(0.0);
    }

    void SortEdges()
    {
        std::sort(edges.begin(), edges.end());
        edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    }
};

bool Contains(const Rect& outer, const Rect& inner)
{
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom && !(inner == outer);
}

bool IsShown(const ControlTemplate& control)
{
    return (control.style & WS_VISIBLE) != 0;
}

}   // namespace

AxisMap::AxisMap(std::vector<int32_t> edges, std::vector<int32_t> cells)
    : m_edges(std::move(edges)), m_cells(std::move(cells))
{
}

int32_t AxisMap::Map(int32_t units) const
{
    if (m_edges.empty())
        return 0;
    const auto upper = std::upper_bound(m_edges.begin(), m_edges.end(), units);
    // Past either end, the step of the nearest pair (or of the whole axis) goes on.
    size_t high = static_cast<size_t>(upper - m_edges.begin());
    if (high == 0)
        high = 1;
    if (high >= m_edges.size())
        high = m_edges.size() - 1;
    if (high == 0)
        return m_cells[0];
    const size_t low = high - 1;
    if (units == m_edges[low])
        return m_cells[low];
    const double span = m_edges[high] - m_edges[low];
    const double cells = m_cells[high] - m_cells[low];
    return m_cells[low] + static_cast<int32_t>(std::lround((units - m_edges[low]) * cells / span));
}

Rect ControlUnits(const ControlTemplate& control)
{
    Rect rect{control.x, control.y, control.x + control.cx, control.y + control.cy};
    if (std::string_view(control.className) == "ComboBox")
        rect.bottom = rect.top + std::min<int32_t>(control.cy, kClosedComboUnits);
    return rect;
}

CellLayout CellLayout::Fit(const DialogTemplate& dialogTemplate, int columns, int rows)
{
    Axis x{{0, dialogTemplate.cx}, {}, kUnitsPerColumn};
    Axis y{{0, dialogTemplate.cy}, {}, kUnitsPerRow};
    std::vector<Rect> rects;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        const Rect rect = ControlUnits(control);
        rects.push_back(rect);
        x.edges.insert(x.edges.end(), {rect.left, rect.right});
        y.edges.insert(y.edges.end(), {rect.top, rect.bottom});
    }
    x.SortEdges();
    y.SortEdges();

    const auto& controls = dialogTemplate.controls;
    for (size_t i = 0; i < controls.size(); ++i) {
        if (!IsShown(controls[i]))
            continue;
        x.Require(rects[i].left, rects[i].right, MinimumColumns(controls[i]));
        // A group box's border goes round what it holds.
        if (ControlKindOf(controls[i]) == ControlKind::GroupBox) {
            for (size_t j = 0; j < controls.size(); ++j) {
                if (j == i || !IsShown(controls[j]) || !Contains(rects[i], rects[j]))
                    continue;
                x.Require(rects[i].left, rects[j].left, 1);
                x.Require(rects[j].right, rects[i].right, 1);
                y.Require(rects[i].top, rects[j].top, 1);
                y.Require(rects[j].bottom, rects[i].bottom, 1);
            }
        }
    }

    CellLayout layout;
    const std::vector<int32_t> columnsAt = x.Fit(columns - 2);
    layout.m_x = AxisMap(x.edges, columnsAt);
    // How many lines a label needs depends on the width it was given.
    for (size_t i = 0; i < controls.size(); ++i) {
        if (!IsShown(controls[i]))
            continue;
        const int width = layout.m_x.Map(rects[i].right) - layout.m_x.Map(rects[i].left);
        y.Require(rects[i].top, rects[i].bottom, MinimumRows(controls[i], width));
    }
    const std::vector<int32_t> rowsAt = y.Fit(rows - 2);
    layout.m_y = AxisMap(y.edges, rowsAt);
    layout.m_clientWidth = columnsAt.back();
    layout.m_clientHeight = rowsAt.back();
    return layout;
}

Rect CellLayout::Map(const Rect& dialogUnits) const
{
    return {m_x.Map(dialogUnits.left), m_y.Map(dialogUnits.top), m_x.Map(dialogUnits.right),
            m_y.Map(dialogUnits.bottom)};
}

}   // namespace tui
