// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/base/list_rows.h"

#include <algorithm>
#include <iterator>

namespace {

// A block splits in two when it grows past this many rows.
constexpr size_t kLongestBlock = 64;

} // namespace

ListRows::const_iterator& ListRows::const_iterator::operator++()
{
    if (++m_row == (*m_blocks)[m_block].size()) {
        ++m_block;
        m_row = 0;
    }
    return *this;
}

std::pair<size_t, size_t> ListRows::Locate(size_t index) const
{
    if (index >= m_size)
        return {m_blocks.size() - 1, m_blocks.back().size()};
    // Down the tree: the last block whose start is at most `index`.
    size_t block = 0;
    size_t step = 1;
    while (step * 2 <= m_blocks.size())
        step *= 2;
    for (; step > 0; step /= 2) {
        if (block + step <= m_blocks.size() && m_tree[block + step] <= index) {
            block += step;
            index -= m_tree[block];
        }
    }
    return {block, index};
}

size_t ListRows::StartOf(size_t block) const
{
    size_t start = 0;
    for (size_t node = block; node > 0; node &= node - 1)
        start += m_tree[node];
    return start;
}

void ListRows::AddToTree(size_t block, size_t rows)
{
    for (size_t node = block + 1; node < m_tree.size(); node += node & (~node + 1))
        m_tree[node] += rows;
}

void ListRows::RebuildTree()
{
    m_tree.assign(m_blocks.size() + 1, 0);
    for (size_t node = 1; node < m_tree.size(); ++node) {
        m_tree[node] += m_blocks[node - 1].size();
        if (const size_t parent = node + (node & (~node + 1)); parent < m_tree.size())
            m_tree[parent] += m_tree[node];
    }
}

const ListRow& ListRows::operator[](size_t index) const
{
    const auto [block, row] = Locate(index);
    return m_blocks[block][row];
}

ListRow& ListRows::operator[](size_t index)
{
    const auto [block, row] = Locate(index);
    return m_blocks[block][row];
}

void ListRows::insert(size_t index, ListRow row)
{
    if (m_blocks.empty()) {
        m_blocks.emplace_back().push_back(std::move(row));
        m_size = 1;
        RebuildTree();
        return;
    }
    const auto [block, at] = Locate(index);
    std::vector<ListRow>& rows = m_blocks[block];
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(at), std::move(row));
    ++m_size;
    if (rows.size() <= kLongestBlock) {
        AddToTree(block, 1);
        return;
    }
    // A split shifts every later block, which the tree cannot follow: it is built again, once in
    // every few dozen insertions.
    const size_t half = rows.size() / 2;
    std::vector<ListRow> upper(std::make_move_iterator(rows.begin() + static_cast<std::ptrdiff_t>(half)),
                               std::make_move_iterator(rows.end()));
    rows.resize(half);
    m_blocks.insert(m_blocks.begin() + static_cast<std::ptrdiff_t>(block + 1), std::move(upper));
    RebuildTree();
}

void ListRows::clear()
{
    m_blocks.clear();
    m_tree.clear();
    m_size = 0;
}
