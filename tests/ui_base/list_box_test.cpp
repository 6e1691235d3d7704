// SPDX-License-Identifier: GPL-2.0-or-later
// List box and combo box operations, with the platform's result codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/scripted_host.h"
#include "tests/support/test_dialog.h"

namespace {

// Runs the test dialog and calls `body` while it is up.
void WithDialog(const std::function<void(TestDialog&)>& body)
{
    ScriptedHost host;
    TestDialog dialog;
    dialog.onInit = body;
    host.Script({Escape()});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

std::vector<std::string> Rows(const ListBoxControl& list)
{
    std::vector<std::string> rows;
    for (int i = 0; i < list.GetCount(); ++i) {
        std::string text;
        EXPECT_GE(list.GetText(i, text), 0);
        rows.push_back(text);
    }
    return rows;
}

TEST(ListBox, SortedListInsertsIgnoringCaseAndAfterEqualRows)
{
    WithDialog([](TestDialog& d) {
        for (const char* name : {"delta", "Alpha", "charlie", "bravo", "ALPHA"})
            ASSERT_GE(d.sorted.AddString(name), 0);
        EXPECT_EQ(Rows(d.sorted), (std::vector<std::string>{"Alpha", "ALPHA", "bravo", "charlie", "delta"}));
        EXPECT_EQ(d.sorted.AddString("Bravo"), 3) << "the new row goes after the equal one";
    });
}

TEST(ListBox, ThousandsOfRowsInAnyOrderStaySortedWithTheirData)
{
    WithDialog([](TestDialog& d) {
        // Far more rows than one block holds, in an order unrelated to their names, with repeats.
        constexpr int kRows = 3000;
        std::vector<std::string> expected;
        for (int i = 0; i < kRows; ++i) {
            const std::string name = "host" + std::to_string((i * 7919) % 1000);
            const int row = d.sorted.AddString(name);
            ASSERT_GE(row, 0);
            ASSERT_EQ(d.sorted.SetItemData(row, static_cast<uintptr_t>(i)), 0);
            expected.push_back(name);
        }
        std::stable_sort(expected.begin(), expected.end());
        ASSERT_EQ(Rows(d.sorted), expected);
        // Equal rows stand in the order they came, and each kept its own data.
        for (int row = 1; row < kRows; ++row) {
            std::string a, b;
            (void)d.sorted.GetText(row - 1, a);
            (void)d.sorted.GetText(row, b);
            if (a == b) {
                EXPECT_LT(d.sorted.GetItemData(row - 1), d.sorted.GetItemData(row)) << "row " << row;
            }
        }
        std::string text;
        (void)d.sorted.GetText(0, text);
        EXPECT_EQ((d.sorted.GetItemData(0) * 7919) % 1000, static_cast<uintptr_t>(std::stoi(text.substr(4))));
    });
}

TEST(ListBox, UnsortedListAppendsAndInsertsByPosition)
{
    WithDialog([](TestDialog& d) {
        EXPECT_EQ(d.plain.AddString("b"), 0);
        EXPECT_EQ(d.plain.AddString("a"), 1);
        EXPECT_EQ(d.plain.InsertString(-1, "end"), 2);
        EXPECT_EQ(d.plain.InsertString(0, "top"), 0);
        EXPECT_EQ(d.plain.InsertString(4, "append at count"), 4);
        EXPECT_EQ(d.plain.InsertString(6, "beyond"), LB_ERR);
        EXPECT_EQ(d.plain.InsertString(-2, "negative"), LB_ERR);
        // Insertion by position never sorts, even in a sorted list box.
        EXPECT_EQ(d.sorted.InsertString(-1, "z"), 0);
        EXPECT_EQ(d.sorted.InsertString(-1, "a"), 1);
        EXPECT_EQ(Rows(d.plain), (std::vector<std::string>{"top", "b", "a", "end", "append at count"}));
    });
}

TEST(ListBox, SelectionResultsAndErrors)
{
    WithDialog([](TestDialog& d) {
        EXPECT_EQ(d.plain.GetCurSel(), -1);
        EXPECT_EQ(d.plain.SetCurSel(0), LB_ERR) << "an empty list has no row 0";
        (void)d.plain.AddString("one");
        (void)d.plain.AddString("two");
        EXPECT_EQ(d.plain.SetCurSel(1), 1);
        EXPECT_EQ(d.plain.SetCurSel(2), LB_ERR);
        EXPECT_EQ(d.plain.GetCurSel(), 1) << "an index out of range leaves the selection";
        EXPECT_EQ(d.plain.SetCurSel(-1), LB_ERR);
        EXPECT_EQ(d.plain.GetCurSel(), -1) << "-1 clears the selection although it answers LB_ERR";
    });
}

TEST(ListBox, SelectionStaysOnItsRowWhenRowsAreInsertedAbove)
{
    WithDialog([](TestDialog& d) {
        (void)d.sorted.AddString("m");
        EXPECT_EQ(d.sorted.SetCurSel(0), 0);
        (void)d.sorted.AddString("a");
        EXPECT_EQ(d.sorted.GetCurSel(), 1);
        (void)d.sorted.AddString("z");
        EXPECT_EQ(d.sorted.GetCurSel(), 1);
        d.sorted.ResetContent();
        EXPECT_EQ(d.sorted.GetCount(), 0);
        EXPECT_EQ(d.sorted.GetCurSel(), -1);
    });
}

TEST(ListBox, ItemDataAndTextOutOfRange)
{
    WithDialog([](TestDialog& d) {
        int payload = 0;
        const int row = d.plain.AddString("row");
        EXPECT_EQ(d.plain.SetItemData(row, reinterpret_cast<uintptr_t>(&payload)), 0);
        EXPECT_EQ(d.plain.GetItemData(row), reinterpret_cast<uintptr_t>(&payload));
        EXPECT_EQ(d.plain.SetItemData(1, 7), LB_ERR);
        EXPECT_EQ(d.plain.GetItemData(-1), static_cast<uintptr_t>(LB_ERR));
        std::string text = "stale";
        EXPECT_EQ(d.plain.GetText(1, text), LB_ERR);
        EXPECT_EQ(text, "");
        EXPECT_EQ(d.plain.GetTextLen(0), 3);
    });
}

TEST(ListBox, UnboundOrWrongKindAnswersErrors)
{
    WithDialog([](TestDialog& d) {
        ListBoxControl unbound;
        EXPECT_EQ(unbound.AddString("x"), LB_ERR);
        EXPECT_EQ(unbound.GetCurSel(), LB_ERR);
        ListBoxControl onAButton;
        onAButton.Attach(d.GetDlgItem(IDOK));
        EXPECT_EQ(onAButton.AddString("x"), LB_ERR);
        EXPECT_EQ(onAButton.GetCount(), LB_ERR);
    });
}

TEST(ComboBox, FilledFromTemplateInOrderAndSelectable)
{
    WithDialog([](TestDialog& d) {
        ASSERT_EQ(d.dropList.GetCount(), 3);
        std::string text;
        EXPECT_EQ(d.dropList.GetLBText(0, text), 19);
        EXPECT_EQ(text, "Binary (Pass-thru) ");
        EXPECT_EQ(d.dropList.GetCurSel(), -1);
        EXPECT_EQ(d.dropList.SetCurSel(2), 2);
        EXPECT_EQ(d.dropList.SetCurSel(3), CB_ERR);
        EXPECT_EQ(d.dropList.GetCurSel(), -1) << "out of range clears a combo box's selection";
        EXPECT_EQ(d.dropList.GetLBText(3, text), CB_ERR);
    });
}

}   // namespace
