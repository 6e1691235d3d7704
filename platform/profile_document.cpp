// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/profile_document.h"

#include "platform/profile_text.h"

#include <algorithm>
#include <utility>

namespace {

constexpr uint32_t kNoLine = UINT32_MAX;
// Readers and writers of a whole list go through a section nearly in file order (a loader reads a
// count before the keys it counts, a saver writes it after them): the lines this near the one after
// the line found last are tried before the index.
constexpr uint32_t kNearbyLines = 4;

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

uint32_t SlotHash(uint32_t section, std::string_view key)
{
    const uint64_t mixed = (ProfileNameHash{}(key) ^ (section * 0x9E3779B97F4A7C15ull)) * 0xFF51AFD7ED558CCDull;
    return static_cast<uint32_t>(mixed >> 32);
}

} // namespace

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
    // The next LF, CR and NUL at or after `at`, each searched for once: a file of CR line ends
    // must not make every line search the rest of the file for an LF.
    size_t at = 0;
    size_t lf = rest.find('\n');
    size_t cr = rest.find('\r');
    size_t nul = rest.find('\0');
    const auto next = [&rest, &at](char c, size_t& found) {
        if (found < at)
            found = rest.find(c, at);
        return found;
    };
    while (at < rest.size()) {
        const size_t end = std::min({next('\n', lf), next('\r', cr), rest.size()});
        const std::string_view text = rest.substr(at, end - at);
        const size_t content = std::min(next('\0', nul), end) - at;
        if (end == rest.size()) {
            AddLine(text, content, Eol::None);
            break;
        }
        const bool crlf = rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n';
        const Eol eol = crlf ? Eol::CrLf : rest[end] == '\n' ? Eol::Lf : Eol::Cr;
        if (m_newline == Eol::None)
            m_newline = eol == Eol::Lf ? Eol::Lf : Eol::CrLf;
        AddLine(text, content, eol);
        at = end + (crlf ? 2 : 1);
    }
    if (m_newline == Eol::None)
        m_newline = Eol::CrLf;
    IndexParsedKeys();
}

void ProfileDocument::IndexParsedKeys()
{
    std::vector<KeySlot> keys;
    for (uint32_t section = 0; section < m_sections.size(); ++section) {
        const std::vector<Line>& body = m_sections[section].body;
        for (uint32_t line = 0; line < body.size(); ++line) {
            if (body[line].isKey)
                keys.push_back({SlotHash(section, body[line].Key()), section, line});
        }
    }
    GrowIndex(keys.size());
    // In file order, so that the first key of a name wins; each slot is fetched from memory while
    // the keys before it go in, since a table of a large file is far from the processor's caches.
    constexpr size_t kAhead = 16;
    const size_t mask = m_keySlots.size() - 1;
    for (size_t i = 0; i < keys.size(); ++i) {
        if (i + kAhead < keys.size())
            __builtin_prefetch(&m_keySlots[keys[i + kAhead].hash & mask]);
        const KeySlot& key = keys[i];
        Line& keyLine = m_sections[key.section].body[key.line];
        KeySlot& slot = m_keySlots[FindSlot(key.section, keyLine.Key(), key.hash)];
        if (slot.section == kNoSection) {
            slot = key;
            keyLine.firstKey = true;
            ++m_keyCount;
        }
    }
}

void ProfileDocument::AddLine(std::string_view text, size_t contentLength, Eol eol)
{
    Line line{text};
    line.eol = eol;
    const std::string_view content = text.substr(0, contentLength);
    const std::string_view trimmed = TrimProfileBlanks(content);

    if (trimmed.starts_with('[')) {
        const size_t open = static_cast<size_t>(trimmed.data() - content.data());
        const size_t close = content.rfind(']');
        if (close != std::string_view::npos && close > open) {
            AddSection(line, TrimProfileBlanks(content.substr(open + 1, close - open - 1)));
            return;
        }
    }
    const size_t equals = content.find('=');
    const bool isKey = !trimmed.starts_with(';') && equals != std::string_view::npos;
    if (isKey) {
        line.isKey = true;
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
    m_sections.back().body.push_back(line);
}

void ProfileDocument::AddSection(Line header, std::string_view name)
{
    Section& section = m_sections.emplace_back();
    section.header = header;
    section.name = name;
    m_sectionIndex.try_emplace(name, static_cast<uint32_t>(m_sections.size() - 1));
}

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
    Line& keyLine = m_sections[section].body[line];
    const uint32_t hash = SlotHash(section, keyLine.Key());
    KeySlot& slot = m_keySlots[FindSlot(section, keyLine.Key(), hash)];
    if (slot.section != kNoSection)
        return; // the first key of a name wins
    slot = KeySlot{hash, section, line};
    keyLine.firstKey = true;
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

uint32_t ProfileDocument::FindSection(std::string_view name) const
{
    for (const uint32_t recent : m_recentSections) {
        if (recent != kNoSection && ProfileNameEqual{}(m_sections[recent].name, name))
            return recent;
    }
    const auto found = m_sectionIndex.find(name);
    if (found == m_sectionIndex.end())
        return kNoSection;
    m_recentSections[m_nextRecent] = found->second;
    m_nextRecent = (m_nextRecent + 1) % kRecentSections;
    return found->second;
}

uint32_t ProfileDocument::FindKeyLine(uint32_t index, std::string_view key) const
{
    const Section& section = m_sections[index];
    const auto size = static_cast<uint32_t>(section.body.size());
    const uint32_t next = std::min(section.nextLine, size);
    const auto matches = [&](uint32_t line) {
        return section.body[line].firstKey && ProfileNameEqual{}(section.body[line].Key(), key);
    };
    uint32_t found = kNoLine;
    for (uint32_t line = next; found == kNoLine && line < size && line < next + kNearbyLines; ++line) {
        if (matches(line))
            found = line;
    }
    for (uint32_t line = next; found == kNoLine && line > 0 && line + kNearbyLines > next;) {
        if (matches(--line))
            found = line;
    }
    if (found == kNoLine) {
        const KeySlot& slot = m_keySlots[FindSlot(index, key, SlotHash(index, key))];
        if (slot.section == kNoSection)
            return kNoLine;
        found = slot.line;
    }
    section.nextLine = found + 1;
    return found;
}

std::optional<std::string_view> ProfileDocument::FindValue(std::string_view section, std::string_view key) const
{
    const uint32_t index = FindSection(TrimProfileBlanks(section));
    if (index == kNoSection)
        return std::nullopt;
    const uint32_t line = FindKeyLine(index, TrimProfileBlanks(key));
    if (line == kNoLine)
        return std::nullopt;
    return m_sections[index].body[line].Value();
}

const std::vector<int32_t>* ProfileDocument::KeyNumbers(std::string_view sectionName, std::string_view stem) const
{
    const uint32_t index = FindSection(TrimProfileBlanks(sectionName));
    if (index == kNoSection)
        return nullptr;
    const Section& section = m_sections[index];
    if (!section.numbers) {
        section.numbers = std::make_unique<ProfileKeyNumbers>();
        for (const Line& line : section.body) {
            if (line.firstKey)
                section.numbers->Add(line.Key());
        }
        section.numbers->Seal();
    }
    // A reader trims the whole key, so blanks before the stem do not count; those after it do.
    while (!stem.empty() && IsProfileBlank(stem.front()))
        stem.remove_prefix(1);
    return section.numbers->Numbers(stem);
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
    if (last && last->eol == Eol::None)
        last->eol = m_newline;
}

uint32_t ProfileDocument::AppendSection(std::string_view name)
{
    if (!m_sections.empty() || !m_preamble.empty()) {
        TerminateLastLine();
        std::vector<Line>& lines = m_sections.empty() ? m_preamble : m_sections.back().body;
        const bool endsBlank = !lines.empty() && IsBlankLine(lines.back().text);
        if (!endsBlank) {
            Line blank;
            blank.eol = m_newline;
            lines.push_back(blank);
        }
    }
    const std::string_view trimmed = TrimProfileBlanks(name);
    std::string headerText;
    headerText.reserve(trimmed.size() + 2);
    headerText.append(1, '[').append(trimmed).append(1, ']');
    Line header{Own(std::move(headerText))};
    header.eol = m_newline;
    AddSection(header, header.text.substr(1, trimmed.size()));
    return static_cast<uint32_t>(m_sections.size() - 1);
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
    uint32_t index = FindSection(TrimProfileBlanks(sectionName));
    if (index == kNoSection)
        index = AppendSection(sectionName);
    Section& section = m_sections[index];

    const std::string_view key = TrimProfileBlanks(keyName);
    if (const uint32_t found = FindKeyLine(index, key); found != kNoLine) {
        Line& line = section.body[found];
        // A write of what a reader already sees there changes nothing, blanks around it included,
        // so that writing the same text again never moves a byte.
        if (line.Value() == TrimProfileBlanks(value))
            return false;
        std::string text;
        text.reserve(line.text.size() - line.Value().size() + value.size());
        text.append(line.text.substr(0, line.valueBegin)).append(value).append(line.text.substr(line.valueEnd));
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
    if (before.eol == Eol::None)
        before.eol = m_newline;

    std::string keyLine;
    keyLine.reserve(key.size() + 1 + value.size());
    keyLine.append(key).append(1, '=').append(value);
    const auto keySize = static_cast<uint32_t>(key.size());
    Line line{Own(std::move(keyLine)), 0, keySize};
    line.eol = m_newline;
    line.isKey = true;
    SetValueSpan(line, keySize + 1, value.size());
    section.body.insert(section.body.begin() + static_cast<std::ptrdiff_t>(position), line);
    IndexKey(index, static_cast<uint32_t>(position));
    section.nextLine = static_cast<uint32_t>(position + 1);
    if (section.numbers)
        section.numbers->Add(section.body[position].Key());
    return true;
}

std::string ProfileDocument::Serialize() const
{
    static constexpr std::string_view kEolText[] = {"", "\n", "\r", "\r\n"};
    std::string out;
    out.reserve(m_bytes.size() + m_ownedBytes + 2 * m_owned.size() + 3);
    if (m_bom)
        out += "\xEF\xBB\xBF";
    const auto put = [&out](const Line& line) {
        out += line.text;
        out += kEolText[static_cast<size_t>(line.eol)];
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
