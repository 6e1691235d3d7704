#include "platform/profile_document.h"

#include "platform/profile_text.h"

#include <utility>

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
    size_t lines = 1;
    for (char c : rest)
        lines += c == '\n';
    GrowIndex(lines);

    while (!rest.empty()) {
        size_t end = 0;
        while (end < rest.size() && rest[end] != '\n' && rest[end] != '\r')
            ++end;
        if (end == rest.size()) {
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
        const std::string_view key = TrimProfileBlanks(content.substr(0, equals));
        const std::string_view value = TrimProfileBlanks(content.substr(equals + 1));
        line.keyBegin = static_cast<uint32_t>(key.data() - text.data());
        line.keyEnd = static_cast<uint32_t>(line.keyBegin + key.size());
        line.valueBegin = static_cast<uint32_t>(value.data() - text.data());
        line.valueEnd = static_cast<uint32_t>(line.valueBegin + value.size());
    }
    if (m_sections.empty()) {
        m_preamble.push_back(line);
        return;
    }
    Section& section = m_sections.back();
    section.body.push_back(line);
    if (isKey)
        IndexKey(static_cast<uint32_t>(m_sections.size() - 1), static_cast<uint32_t>(section.body.size() - 1));
}

namespace {
uint32_t SlotHash(uint32_t section, std::string_view key)
{
    const uint64_t mixed = (ProfileNameHash{}(key) ^ (section * 0x9E3779B97F4A7C15ull)) * 0xFF51AFD7ED558CCDull;
    return static_cast<uint32_t>(mixed >> 32);
}
} // namespace

size_t ProfileDocument::FindSlot(uint32_t section, std::string_view key, uint32_t hash) const
{
    const size_t mask = m_keySlots.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const KeySlot& slot = m_keySlots[i];
        if (slot.section == kNoSection)
            return i;
        if (slot.hash == hash && slot.section == section
            && ProfileNameEqual{}(m_sections[section].body[slot.line].Key(), key))
            return i;
    }
}

void ProfileDocument::IndexKey(uint32_t section, uint32_t line)
{
    if ((m_keyCount + 1) * 2 > m_keySlots.size())
        GrowIndex(m_keyCount + 1);
    const std::string_view key = m_sections[section].body[line].Key();
    const uint32_t hash = SlotHash(section, key);
    KeySlot& slot = m_keySlots[FindSlot(section, key, hash)];
    if (slot.section != kNoSection)
        return; // the first key of a name wins
    slot = KeySlot{hash, section, line};
    ++m_keyCount;
}

void ProfileDocument::GrowIndex(size_t minimumKeys)
{
    size_t size = 16;
    while (size < minimumKeys * 2)
        size *= 2;
    if (size <= m_keySlots.size())
        return;
    std::vector<KeySlot> old = std::exchange(m_keySlots, std::vector<KeySlot>(size));
    const size_t mask = size - 1;
    for (const KeySlot& slot : old) {
        if (slot.section == kNoSection)
            continue;
        size_t i = slot.hash & mask;
        while (m_keySlots[i].section != kNoSection)
            i = (i + 1) & mask;
        m_keySlots[i] = slot;
    }
}

std::optional<std::string_view> ProfileDocument::FindValue(std::string_view section, std::string_view key) const
{
    const auto found = m_sectionIndex.find(TrimProfileBlanks(section));
    if (found == m_sectionIndex.end())
        return std::nullopt;
    const std::string_view trimmedKey = TrimProfileBlanks(key);
    const KeySlot& slot = m_keySlots[FindSlot(found->second, trimmedKey, SlotHash(found->second, trimmedKey))];
    if (slot.section == kNoSection)
        return std::nullopt;
    const Line& l = m_sections[found->second].body[slot.line];
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

void ProfileDocument::AppendSection(std::string_view name)
{
    if (!m_sections.empty() || !m_preamble.empty()) {
        TerminateLastLine();
        std::vector<Line>& lines = m_sections.empty() ? m_preamble : m_sections.back().body;
        const bool endsBlank = !lines.empty() && IsBlankLine(lines.back().text);
        if (!endsBlank)
            lines.push_back(Line{{}, m_newline});
    }
    const std::string_view trimmed = TrimProfileBlanks(name);
    std::string headerText;
    headerText.reserve(trimmed.size() + 2);
    headerText.append(1, '[').append(trimmed).append(1, ']');
    const std::string_view header = Own(std::move(headerText));
    m_sections.emplace_back().header = Line{header, m_newline};
    m_sectionIndex.try_emplace(header.substr(1, trimmed.size()), static_cast<uint32_t>(m_sections.size() - 1));
}

void ProfileDocument::SetValueSpan(Line& line, size_t begin, size_t length)
{
    // Readers see the value trimmed, whatever blanks the writer gave it.
    const std::string_view value = TrimProfileBlanks(line.text.substr(begin, length));
    line.valueBegin = static_cast<uint32_t>(value.data() - line.text.data());
    line.valueEnd = static_cast<uint32_t>(line.valueBegin + value.size());
}

bool ProfileDocument::SetValue(std::string_view sectionName, std::string_view keyName, std::string_view value)
{
    const auto found = m_sectionIndex.find(TrimProfileBlanks(sectionName));
    if (found == m_sectionIndex.end())
        AppendSection(sectionName);
    const uint32_t sectionIndex = found != m_sectionIndex.end() ? found->second : static_cast<uint32_t>(m_sections.size() - 1);
    Section& section = m_sections[sectionIndex];

    const std::string_view key = TrimProfileBlanks(keyName);
    if (const KeySlot& slot = m_keySlots[FindSlot(sectionIndex, key, SlotHash(sectionIndex, key))];
        slot.section != kNoSection) {
        Line& line = section.body[slot.line];
        // A write of what a reader already sees there changes nothing, blanks around it included,
        // so that writing the same text again never moves a byte.
        if (line.text.substr(line.valueBegin, line.valueEnd - line.valueBegin) == TrimProfileBlanks(value))
            return false;
        std::string text(line.text.substr(0, line.valueBegin));
        text += value;
        text += line.text.substr(line.valueEnd);
        line.text = Own(std::move(text));
        SetValueSpan(line, line.valueBegin, value.size());
        return true;
    }

    // After the section's last non-blank line: only blank lines follow it, and those are never
    // keys, so no line the index points at moves.
    size_t position = section.body.size();
    while (position > 0 && IsBlankLine(section.body[position - 1].text))
        --position;
    Line& before = position == 0 ? section.header : section.body[position - 1];
    if (before.eol.empty())
        before.eol = m_newline;

    std::string keyLine;
    keyLine.reserve(key.size() + 1 + value.size());
    keyLine.append(key).append(1, '=').append(value);
    const std::string_view text = Own(std::move(keyLine));
    const auto keySize = static_cast<uint32_t>(key.size());
    Line line{text, m_newline, 0, keySize};
    SetValueSpan(line, keySize + 1, value.size());
    section.body.insert(section.body.begin() + static_cast<std::ptrdiff_t>(position), line);
    IndexKey(sectionIndex, static_cast<uint32_t>(position));
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
