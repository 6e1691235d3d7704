#include "platform/profile_document.h"

#include "platform/profile_text.h"

namespace {

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The part of a line the reading rules look at: a NUL ends it.
std::string_view Content(std::string_view text)
{
    const size_t nul = text.find('\0');
    return nul == std::string_view::npos ? text : text.substr(0, nul);
}

bool IsBlankLine(std::string_view text)
{
    return TrimProfileBlanks(Content(text)).empty();
}

} // namespace

size_t ProfileNameHash::operator()(std::string_view name) const
{
    uint64_t hash = 14695981039346656037ull;
    for (char c : name) {
        hash ^= static_cast<unsigned char>(LowerAscii(c));
        hash *= 1099511628211ull;
    }
    return static_cast<size_t>(hash);
}

bool ProfileNameEqual::operator()(std::string_view a, std::string_view b) const
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

ProfileDocument::ProfileDocument(std::string bytes)
    : m_bytes(std::move(bytes))
{
    Parse();
}

void ProfileDocument::Parse()
{
    std::string_view rest(m_bytes);
    if (rest.starts_with("\xEF\xBB\xBF")) {
        m_bom = true;
        rest.remove_prefix(3);
    }
    while (!rest.empty()) {
        const size_t end = rest.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            AddLine(rest, {});
            break;
        }
        const size_t eolLength = (rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n') ? 2 : 1;
        const std::string_view eol = rest.substr(end, eolLength);
        if (m_newline.empty())
            m_newline = eol == "\n" ? std::string_view("\n") : std::string_view("\r\n");
        AddLine(rest.substr(0, end), eol);
        rest.remove_prefix(end + eolLength);
    }
    if (m_newline.empty())
        m_newline = "\r\n";
}

void ProfileDocument::AddLine(std::string_view text, std::string_view eol)
{
    Line line{text, eol};
    const std::string_view content = Content(text);
    const std::string_view trimmed = TrimProfileBlanks(content);

    if (trimmed.starts_with('[')) {
        const size_t open = static_cast<size_t>(trimmed.data() - content.data());
        const size_t close = content.rfind(']');
        if (close != std::string_view::npos && close > open) {
            Section& section = m_sections.emplace_back();
            section.header = line;
            m_sectionIndex.try_emplace(TrimProfileBlanks(content.substr(open + 1, close - open - 1)),
                                       static_cast<uint32_t>(m_sections.size() - 1));
            return;
        }
    }
    const size_t equals = content.find('=');
    const bool isKey = !trimmed.starts_with(';') && equals != std::string_view::npos;
    if (isKey) {
        const std::string_view value = TrimProfileBlanks(content.substr(equals + 1));
        line.valueBegin = static_cast<uint32_t>(value.data() - text.data());
        line.valueEnd = static_cast<uint32_t>(line.valueBegin + value.size());
    }
    if (m_sections.empty()) {
        m_preamble.push_back(line);
        return;
    }
    Section& section = m_sections.back();
    if (isKey)
        section.keys.try_emplace(TrimProfileBlanks(content.substr(0, equals)), static_cast<uint32_t>(section.body.size()));
    section.body.push_back(line);
}

std::optional<std::string_view> ProfileDocument::FindValue(std::string_view section, std::string_view key) const
{
    const auto found = m_sectionIndex.find(TrimProfileBlanks(section));
    if (found == m_sectionIndex.end())
        return std::nullopt;
    const Section& s = m_sections[found->second];
    const auto line = s.keys.find(TrimProfileBlanks(key));
    if (line == s.keys.end())
        return std::nullopt;
    const Line& l = s.body[line->second];
    return l.text.substr(l.valueBegin, l.valueEnd - l.valueBegin);
}

std::string_view ProfileDocument::Own(std::string text)
{
    m_ownedBytes += text.size();
    return m_owned.emplace_back(std::move(text));
}

void ProfileDocument::TerminateLastLine()
{
    Line* last = nullptr;
    if (!m_sections.empty())
        last = m_sections.back().body.empty() ? &m_sections.back().header : &m_sections.back().body.back();
    else if (!m_preamble.empty())
        last = &m_preamble.back();
    if (last && last->eol.empty())
        last->eol = m_newline;
}

ProfileDocument::Section& ProfileDocument::AppendSection(std::string_view name)
{
    if (!m_sections.empty() || !m_preamble.empty()) {
        TerminateLastLine();
        std::vector<Line>& lines = m_sections.empty() ? m_preamble : m_sections.back().body;
        const bool endsBlank = !lines.empty() && IsBlankLine(lines.back().text);
        if (!endsBlank)
            lines.push_back(Line{{}, m_newline});
    }
    const std::string_view trimmed = TrimProfileBlanks(name);
    const std::string_view header = Own("[" + std::string(trimmed) + "]");
    Section& section = m_sections.emplace_back();
    section.header = Line{header, m_newline};
    m_sectionIndex.try_emplace(header.substr(1, trimmed.size()), static_cast<uint32_t>(m_sections.size() - 1));
    return section;
}

bool ProfileDocument::SetValue(std::string_view sectionName, std::string_view keyName, std::string_view value)
{
    const auto found = m_sectionIndex.find(TrimProfileBlanks(sectionName));
    Section& section = found != m_sectionIndex.end() ? m_sections[found->second] : AppendSection(sectionName);

    if (const auto existing = section.keys.find(TrimProfileBlanks(keyName)); existing != section.keys.end()) {
        Line& line = section.body[existing->second];
        if (line.text.substr(line.valueBegin, line.valueEnd - line.valueBegin) == value)
            return false;
        std::string text(line.text.substr(0, line.valueBegin));
        text += value;
        text += line.text.substr(line.valueEnd);
        line.text = Own(std::move(text));
        line.valueEnd = static_cast<uint32_t>(line.valueBegin + value.size());
        return true;
    }

    // After the section's last non-blank line: only blank lines follow it, and those are never
    // keys, so no index in the key map moves.
    size_t position = section.body.size();
    while (position > 0 && IsBlankLine(section.body[position - 1].text))
        --position;
    Line& before = position == 0 ? section.header : section.body[position - 1];
    if (before.eol.empty())
        before.eol = m_newline;

    const std::string_view key = TrimProfileBlanks(keyName);
    const std::string_view text = Own(std::string(key) + "=" + std::string(value));
    Line line{text, m_newline, static_cast<uint32_t>(key.size() + 1), static_cast<uint32_t>(text.size())};
    section.body.insert(section.body.begin() + static_cast<std::ptrdiff_t>(position), line);
    section.keys.try_emplace(text.substr(0, key.size()), static_cast<uint32_t>(position));
    return true;
}

std::string ProfileDocument::Serialize() const
{
    std::string out;
    out.reserve(m_bytes.size() + m_ownedBytes + 2 * m_owned.size() + 3);
    if (m_bom)
        out += "\xEF\xBB\xBF";
    const auto put = [&out](const Line& line) {
        out += line.text;
        out += line.eol;
    };
    for (const Line& line : m_preamble)
        put(line);
    for (const Section& section : m_sections) {
        put(section.header);
        for (const Line& line : section.body)
            put(line);
    }
    return out;
}
