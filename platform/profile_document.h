// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A parsed profile file that can be looked up in O(1) and edited in place while keeping every byte
// it does not change. Lines refer to the file's own bytes, or to text the document owns for lines
// it wrote; nothing is copied on parse.
#include "platform/profile_key_numbers.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class ProfileDocument {
public:
    // `bytes` is the whole file. An empty string is an empty (or missing) file.
    explicit ProfileDocument(std::string bytes);
    ProfileDocument(const ProfileDocument&) = delete;
    ProfileDocument& operator=(const ProfileDocument&) = delete;

    // The trimmed value of the first key of that name in the first section of that name, quotes
    // still on; nullopt when the section or the key is absent. Names are trimmed and matched
    // ignoring ASCII case.
    std::optional<std::string_view> FindValue(std::string_view section, std::string_view key) const;

    // The numbers n for which FindValue(section, stem + n) can find a key (see ProfileKeyNumbers),
    // ascending; null when there are none. Valid until the document changes.
    const std::vector<int32_t>* KeyNumbers(std::string_view section, std::string_view stem) const;

    // Sets the value as described in profile.h; the caller has checked that the names and value
    // read back as written. Returns false when the value already there was the same text, which
    // leaves the document untouched.
    bool SetValue(std::string_view section, std::string_view key, std::string_view value);

    std::string Serialize() const;

    // Bytes of the file it was parsed from.
    size_t Bytes() const { return m_bytes.size(); }
    // Bytes of the text the document holds for lines it changed or added.
    size_t OwnedBytes() const { return m_ownedBytes; }

private:
    enum class Eol : uint8_t { None, Lf, Cr, CrLf };
    struct Line {
        std::string_view text;    // without its terminator
        uint32_t keyBegin = 0;    // trimmed key and value, within text; only for key lines
        uint32_t keyEnd = 0;
        uint32_t valueBegin = 0;
        uint32_t valueEnd = 0;
        Eol eol = Eol::None;
        bool isKey = false;
        bool firstKey = false;    // the first key of its name in its section: the one readers find
        std::string_view Key() const { return text.substr(keyBegin, keyEnd - keyBegin); }
        std::string_view Value() const { return text.substr(valueBegin, valueEnd - valueBegin); }
    };
    struct Section {
        Line header;
        std::string_view name;    // trimmed
        std::vector<Line> body;
        mutable uint32_t nextLine = 0; // the line after the one found last
        mutable std::unique_ptr<ProfileKeyNumbers> numbers; // built at the first KeyNumbers
    };
    // One open-addressing index over the keys of every section: a look-up touches the slot, the
    // line and its text, and nothing is allocated per key.
    struct KeySlot {
        uint32_t hash = 0;
        uint32_t section = kNoSection;
        uint32_t line = 0;
    };
    static constexpr uint32_t kNoSection = UINT32_MAX;

    // The first section of that (trimmed) name, or kNoSection.
    uint32_t FindSection(std::string_view name) const;
    // The line readers find for the trimmed key in that section (its index in the body), or
    // UINT32_MAX.
    uint32_t FindKeyLine(uint32_t section, std::string_view key) const;
    // The slot holding that key, or the empty slot where it would go.
    size_t FindSlot(uint32_t section, std::string_view key, uint32_t hash) const;
    void IndexKey(uint32_t section, uint32_t line);
    void GrowIndex(size_t minimumSlots);

    void Parse();
    void IndexParsedKeys();
    // A line of the file; its content, what the reading rules look at, ends at its first NUL.
    void AddLine(std::string_view text, size_t contentLength, Eol eol);
    std::string_view Own(std::string text);
    uint32_t AppendSection(std::string_view name);
    void AddSection(Line header, std::string_view name);
    void SetValueSpan(Line& line, size_t begin, size_t length);
    void TerminateLastLine();

    std::string m_bytes;          // never resized after construction: lines point into it
    bool m_bom = false;
    Eol m_newline = Eol::None;    // for the lines the document adds
    std::vector<Line> m_preamble; // lines before the first header
    std::deque<Section> m_sections;
    std::unordered_map<std::string_view, uint32_t, ProfileNameHash, ProfileNameEqual> m_sectionIndex;
    // The sections found last, tried before the map: a loader reads the few sections of a list
    // in turn.
    static constexpr size_t kRecentSections = 4;
    mutable uint32_t m_recentSections[kRecentSections] = {kNoSection, kNoSection, kNoSection, kNoSection};
    mutable size_t m_nextRecent = 0;
    std::vector<KeySlot> m_keySlots;   // power-of-two size, at most half full
    size_t m_keyCount = 0;
    std::deque<std::string> m_owned;
    size_t m_ownedBytes = 0;
};
