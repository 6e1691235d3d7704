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
    const size_t block = static_cast<size_t>(std::upper_bound(m_starts.begin(), m_starts.end(), index) - m_starts.begin()) - 1;
    return {block, index - m_starts[block]};
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
        m_starts.push_back(0);
        m_size = 1;
        return;
    }
    const auto [block, at] = Locate(index);
    std::vector<ListRow>& rows = m_blocks[block];
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(at), std::move(row));
    ++m_size;
    for (size_t later = block + 1; later < m_starts.size(); ++later)
        ++m_starts[later];
    if (rows.size() <= kLongestBlock)
        return;
    const size_t half = rows.size() / 2;
    std::vector<ListRow> upper(std::make_move_iterator(rows.begin() + static_cast<std::ptrdiff_t>(half)),
                               std::make_move_iterator(rows.end()));
    rows.resize(half);
    m_blocks.insert(m_blocks.begin() + static_cast<std::ptrdiff_t>(block + 1), std::move(upper));
    m_starts.insert(m_starts.begin() + static_cast<std::ptrdiff_t>(block + 1), m_starts[block] + half);
}

void ListRows::clear()
{
    m_blocks.clear();
    m_starts.clear();
    m_size = 0;
}
