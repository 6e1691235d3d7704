// SPDX-License-Identifier: GPL-2.0-or-later
// Dialog units to character cells for the five templates, at a roomy terminal, at 80 x 24 and at
// a cramped one: what fits stays in proportion, what does not is squeezed without any control
// landing on another or losing the cells it needs to be read.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>
#include <string>

#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "res/window_styles.h"
#include "tests/support/test_language.h"
#include "ui/tui/cell_layout.h"
#include "ui/base/control_kind.h"
#include "ui/tui/control_cells.h"

using tui::CellLayout;

namespace {

struct LayoutCase {
    uint32_t templateId;
    int columns;
    int rows;
    const char* language = "";   // the captions' language; the rectangles are the template's in every one
};

void PrintTo(const LayoutCase& layoutCase, std::ostream* out)
{
    *out << "template " << layoutCase.templateId << " at " << layoutCase.columns << "x" << layoutCase.rows;
    if (*layoutCase.language)
        *out << " in " << layoutCase.language;
}

std::string Describe(const ControlTemplate& control)
{
    return std::string(control.className) + " " + std::to_string(control.id) + " \"" + control.text + "\"";
}

bool Disjoint(const Rect& a, const Rect& b)
{
    return a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
}

bool Contains(const Rect& outer, const Rect& inner)
{
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

class TemplateLayoutTest : public ::testing::TestWithParam<LayoutCase> {
protected:
    void SetUp() override
    {
        if (*GetParam().language)
            m_language.emplace(GetParam().language);
        m_template = FindDialogTemplate(GetParam().templateId);
        ASSERT_NE(m_template, nullptr);
        m_layout = CellLayout::Fit(*m_template, GetParam().columns, GetParam().rows);
    }

    bool Shown(size_t i) const { return (m_template->controls[i].style & WS_VISIBLE) != 0; }
    Rect Units(size_t i) const { return tui::ControlUnits(m_template->controls[i]); }
    Rect Cells(size_t i) const { return m_layout.Map(Units(i)); }
    bool Holds(size_t box, size_t inner) const
    {
        const ControlTemplate& control = m_template->controls[box];
        return ControlKindOf(control) == ControlKind::GroupBox && Contains(Units(box), Units(inner));
    }

    std::optional<ScopedLanguage> m_language;
    const DialogTemplate* m_template = nullptr;
    CellLayout m_layout;
};

TEST_P(TemplateLayoutTest, ShownControlsNeitherOverlapNorLeaveTheirGroupBoxes)
{
    const auto& controls = m_template->controls;
    for (size_t i = 0; i < controls.size(); ++i) {
        for (size_t j = i + 1; j < controls.size(); ++j) {
            if (!Shown(i) || !Shown(j))
                continue;
            if (Disjoint(Units(i), Units(j))) {
                EXPECT_TRUE(Disjoint(Cells(i), Cells(j))) << Describe(controls[i]) << " and " << Describe(controls[j]);
                continue;
            }
            // A group box and what it holds: inside its border, never on it.
            const bool iHolds = Holds(i, j);
            const bool jHolds = Holds(j, i);
            ASSERT_TRUE(iHolds || jHolds) << "the template overlaps " << Describe(controls[i]) << " and "
                                          << Describe(controls[j]);
            const Rect outer = iHolds ? Cells(i) : Cells(j);
            const Rect inner = iHolds ? Cells(j) : Cells(i);
            EXPECT_TRUE(inner.left > outer.left && inner.right < outer.right && inner.top > outer.top &&
                        inner.bottom < outer.bottom)
                << Describe(iHolds ? controls[j] : controls[i]) << " touches its group box's border";
        }
    }
}

TEST_P(TemplateLayoutTest, ShownControlsKeepTheCellsTheyNeed)
{
    const auto& controls = m_template->controls;
    for (size_t i = 0; i < controls.size(); ++i) {
        if (!Shown(i))
            continue;
        const Rect cells = Cells(i);
        EXPECT_GE(cells.width(), tui::MinimumColumns(controls[i])) << Describe(controls[i]);
        EXPECT_GE(cells.height(), tui::MinimumRows(controls[i], cells.width())) << Describe(controls[i]);
        EXPECT_TRUE(cells.left >= 0 && cells.top >= 0 && cells.right <= m_layout.clientWidth() &&
                    cells.bottom <= m_layout.clientHeight())
            << Describe(controls[i]) << " lies outside the client area";
    }
}

TEST_P(TemplateLayoutTest, FitsWhereItCanAndKeepsItsProportionsWhereThereIsRoom)
{
    const int naturalWidth = static_cast<int>(std::lround(m_template->cx / 4.0));
    const int naturalHeight = static_cast<int>(std::lround(m_template->cy / 8.0));
    const bool roomy = naturalWidth + 2 <= GetParam().columns && naturalHeight + 2 <= GetParam().rows;
    if (roomy) {
        // Only a caption longer than its rectangle, or a thin line that needs a whole row, pushes
        // the edges after it on, by a cell or two.
        EXPECT_NEAR(m_layout.clientWidth(), naturalWidth, 2);
        EXPECT_NEAR(m_layout.clientHeight(), naturalHeight, 1);
        for (size_t i = 0; i < m_template->controls.size(); ++i) {
            EXPECT_NEAR(Cells(i).top, std::lround(Units(i).top / 8.0), 1) << Describe(m_template->controls[i]);
            EXPECT_NEAR(Cells(i).left, std::lround(Units(i).left / 4.0), 2) << Describe(m_template->controls[i]);
        }
    }
    if (GetParam().columns >= 80 && GetParam().rows >= 24) {
        EXPECT_LE(m_layout.clientWidth() + 2, GetParam().columns);
        EXPECT_LE(m_layout.clientHeight() + 2, GetParam().rows);
    }
}

std::vector<LayoutCase> Cases()
{
    std::vector<LayoutCase> cases;
    for (const uint32_t id : {IDD_SERVER_LIST, IDD_SERVER, IDD_GLOBAL_OPTIONS, IDD_LPR_QUEUE, IDD_STREAM_QUEUE})
        for (const auto& [columns, rows] :
             {std::pair{160, 50}, std::pair{80, 24}, std::pair{80, 23}, std::pair{50, 16}})
            cases.push_back({id, columns, rows});
    // German captions are longer: they still fit at 80 x 24.
    for (const uint32_t id : {IDD_SERVER_LIST, IDD_SERVER, IDD_GLOBAL_OPTIONS, IDD_LPR_QUEUE, IDD_STREAM_QUEUE})
        cases.push_back({id, 80, 24, "de"});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(FiveTemplates, TemplateLayoutTest, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<LayoutCase>& info) {
                             return "Template" + std::to_string(info.param.templateId) + "At" +
                                    std::to_string(info.param.columns) + "x" + std::to_string(info.param.rows) +
                                    (*info.param.language ? std::string("In_") + info.param.language : "");
                         });

TEST(AxisMapTest, IsExactAtItsEdgesAndLinearBetweenAndBeyondThem)
{
    const tui::AxisMap map({0, 40, 80}, {0, 10, 30});
    EXPECT_EQ(map.Map(40), 10);
    EXPECT_EQ(map.Map(60), 20);
    EXPECT_EQ(map.Map(20), 5);
    EXPECT_EQ(map.Map(100), 40) << "past the last edge the last step goes on";
    EXPECT_EQ(map.Map(-8), -2);
}

}   // namespace
