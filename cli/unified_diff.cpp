// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/unified_diff.h"

#include "cli/file_text.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// A line with its terminator, which counts when lines are compared.
struct Line {
    std::string_view text;
    std::string_view eol;
    bool operator==(const Line&) const = default;
};

std::vector<Line> SplitLines(std::string_view bytes)
{
    std::vector<Line> lines;
    while (!bytes.empty()) {
        size_t end = 0;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        size_t eol = end == bytes.size() ? 0 : 1;
        if (eol && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n')
            eol = 2;
        lines.push_back({bytes.substr(0, end), bytes.substr(end, eol)});
        bytes.remove_prefix(end + eol);
    }
    return lines;
}

enum class Op { Keep, Remove, Add };

// Beyond this many removed and added lines the shortest edit is not searched for: the changed
// stretch is shown as removed and added whole, which is still a correct diff.
constexpr long kLongestSearch = 1000;

// The shortest edit from a to b (Myers' algorithm), or nothing when it is longer than kLongestSearch.
bool ShortestEdit(const std::vector<Line>& a, const std::vector<Line>& b, std::vector<Op>& ops)
{
    const long n = static_cast<long>(a.size());
    const long m = static_cast<long>(b.size());
    const long limit = std::min(n + m, kLongestSearch);
    // v[k + offset] is the furthest x reached on diagonal k; trace keeps v before each round.
    const long offset = limit + 1;
    std::vector<int32_t> v(static_cast<size_t>(2 * offset + 1), 0);
    std::vector<std::vector<int32_t>> trace;
    for (long d = 0; d <= limit; ++d) {
        trace.push_back(v);
        for (long k = -d; k <= d; k += 2) {
            long x = (k == -d || (k != d && v[k - 1 + offset] < v[k + 1 + offset])) ? v[k + 1 + offset]
                                                                                   : v[k - 1 + offset] + 1;
            long y = x - k;
            while (x < n && y < m && a[x] == b[y])
                ++x, ++y;
            v[k + offset] = static_cast<int32_t>(x);
            if (x < n || y < m)
                continue;
            // Walk back from the end through the rounds.
            std::vector<Op> reversed;
            long cx = n;
            long cy = m;
            for (long back = d; back > 0; --back) {
                const std::vector<int32_t>& before = trace[back];
                const long ck = cx - cy;
                const bool down = ck == -back
                               || (ck != back && before[ck - 1 + offset] < before[ck + 1 + offset]);
                const long pk = down ? ck + 1 : ck - 1;
                const long px = before[pk + offset];
                const long py = px - pk;
                while (cx > (down ? px : px + 1) && cy > (down ? py + 1 : py)) {
                    reversed.push_back(Op::Keep);
                    --cx, --cy;
                }
                reversed.push_back(down ? Op::Add : Op::Remove);
                cx = px;
                cy = py;
            }
            while (cx > 0 && cy > 0) {
                reversed.push_back(Op::Keep);
                --cx, --cy;
            }
            ops.assign(reversed.rbegin(), reversed.rend());
            return true;
        }
    }
    return false;
}

std::string Range(size_t start, size_t count)
{
    // As diff -u: an empty range is named by the line before it.
    if (count == 0)
        return std::to_string(start) + ",0";
    if (count == 1)
        return std::to_string(start + 1);
    return std::to_string(start + 1) + "," + std::to_string(count);
}

void PrintLine(std::string& out, char mark, const Line& line)
{
    out += mark;
    out += ShownText(line.text);
    out += '\n';
    if (line.eol.empty())
        out += "\\ No newline at end of file\n";
}

} // namespace

std::string UnifiedDiff(std::string_view before, std::string_view after, std::string_view label)
{
    const std::vector<Line> a = SplitLines(before);
    const std::vector<Line> b = SplitLines(after);
    // Most changes touch a few lines of a long file: only the stretch between the common start and
    // the common end is searched.
    size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    if (head == a.size() && head == b.size())
        return {};
    const std::vector<Line> middleA(a.begin() + static_cast<long>(head), a.end() - static_cast<long>(tail));
    const std::vector<Line> middleB(b.begin() + static_cast<long>(head), b.end() - static_cast<long>(tail));
    std::vector<Op> middle;
    if (!ShortestEdit(middleA, middleB, middle)) {
        middle.assign(middleA.size(), Op::Remove);
        middle.insert(middle.end(), middleB.size(), Op::Add);
    }
    std::vector<Op> ops(head, Op::Keep);
    ops.insert(ops.end(), middle.begin(), middle.end());
    ops.insert(ops.end(), tail, Op::Keep);

    // Where each operation stands in either file.
    std::vector<size_t> lineA(ops.size() + 1, 0);
    std::vector<size_t> lineB(ops.size() + 1, 0);
    for (size_t i = 0; i < ops.size(); ++i) {
        lineA[i + 1] = lineA[i] + (ops[i] != Op::Add);
        lineB[i + 1] = lineB[i] + (ops[i] != Op::Remove);
    }
    constexpr size_t kContext = 3;
    std::string out = "--- " + ShownText(label) + "\n+++ " + ShownText(label) + "\n";
    size_t i = 0;
    while (i < ops.size()) {
        if (ops[i] == Op::Keep) {
            ++i;
            continue;
        }
        // One hunk: the changes from here on that are at most twice the context apart, with the
        // context around them.
        size_t last = i;
        for (size_t j = i + 1; j < ops.size() && j <= last + 2 * kContext + 1; ++j) {
            if (ops[j] != Op::Keep)
                last = j;
        }
        const size_t first = i - std::min(i, kContext);
        const size_t end = std::min(ops.size(), last + 1 + kContext);
        out += "@@ -" + Range(lineA[first], lineA[end] - lineA[first]) + " +"
             + Range(lineB[first], lineB[end] - lineB[first]) + " @@\n";
        for (size_t j = first; j < end; ++j) {
            if (ops[j] == Op::Add)
                PrintLine(out, '+', b[lineB[j]]);
            else
                PrintLine(out, ops[j] == Op::Keep ? ' ' : '-', a[lineA[j]]);
        }
        i = end;
    }
    return out;
}
