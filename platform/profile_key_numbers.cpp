// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/profile_key_numbers.h"

#include <algorithm>

namespace {

constexpr size_t kLongestNumber = 10; // 2147483647

} // namespace

void ProfileKeyNumbers::Add(std::string_view key)
{
    size_t digits = 0;
    while (digits < key.size() && key[key.size() - 1 - digits] >= '0' && key[key.size() - 1 - digits] <= '9')
        ++digits;
    if (digits == 0 || digits > kLongestNumber || key[key.size() - digits] == '0')
        return;
    int64_t number = 0;
    for (const char c : key.substr(key.size() - digits))
        number = number * 10 + (c - '0');
    if (number > INT32_MAX)
        return;
    std::vector<int32_t>& numbers = m_stems[key.substr(0, key.size() - digits)];
    const auto n = static_cast<int32_t>(number);
    if (!m_sealed || numbers.empty() || numbers.back() < n) {
        numbers.push_back(n);
        return;
    }
    const auto at = std::lower_bound(numbers.begin(), numbers.end(), n);
    if (*at != n)
        numbers.insert(at, n);
}

void ProfileKeyNumbers::Seal()
{
    for (auto& [stem, numbers] : m_stems) {
        std::sort(numbers.begin(), numbers.end());
        numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    }
    m_sealed = true;
}

const std::vector<int32_t>* ProfileKeyNumbers::Numbers(std::string_view stem) const
{
    const auto found = m_stems.find(stem);
    return found == m_stems.end() ? nullptr : &found->second;
}
