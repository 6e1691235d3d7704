#pragma once
// A parsed profile file that can be looked up in O(1) and edited in place while keeping every byte
// it does not change. Lines refer to the file's own bytes, or to text the document owns for lines
// it wrote; nothing is copied on parse.
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Hash and equality of section and key names: trimmed names, ASCII case ignored.
struct ProfileNameHash {
    size_t operator()(std::string_view name) const;
};
struct ProfileNameEqual {
    bool operator()(std::string_view a, std::string_view b) const;
};

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

    // Sets the value as described in profile.h; the caller has checked that the names and value
    // read back as written. Returns false when the value already there was the same text, which
    // leaves the document untouched.
    bool SetValue(std::string_view section, std::string_view key, std::string_view value);

    std::string Serialize() const;

    // Bytes of the text the document holds for lines it changed or added.
    size_t OwnedBytes() const { return m_ownedBytes; }

private:
    struct Line {
        std::string_view text;    // without its terminator
        std::string_view eol;     // "\r\n", "\n", "\r" or "" for a last line without one
        uint32_t keyBegin = 0;    // trimmed key and value, within text; only for key lines
        uint32_t keyEnd = 0;
        uint32_t valueBegin = 0;
        uint32_t valueEnd = 0;
        std::string_view Key() const { return text.substr(keyBegin, keyEnd - keyBegin); }
    };
    struct Section {
        Line header;
        std::vector<Line> body;
    };
    // One open-addressing index over the keys of every section: a look-up touches the slot, the
    // line and its text, and nothing is allocated per key.
    struct KeySlot {
        uint32_t hash = 0;
        uint32_t section = kNoSection;
        uint32_t line = 0;
    };
    static constexpr uint32_t kNoSection = UINT32_MAX;

    // The slot holding that key, or the empty slot where it would go.
    size_t FindSlot(uint32_t section, std::string_view key, uint32_t hash) const;
    void IndexKey(uint32_t section, uint32_t line);
    void GrowIndex(size_t minimumSlots);

    void Parse();
    void AddLine(std::string_view text, std::string_view eol);
    std::string_view Own(std::string text);
    void AppendSection(std::string_view name);
    void SetValueSpan(Line& line, size_t begin, size_t length);
    void TerminateLastLine();

    std::string m_bytes;          // never resized after construction: lines point into it
    bool m_bom = false;
    std::string_view m_newline;   // for the lines the document adds
    std::vector<Line> m_preamble; // lines before the first header
    std::deque<Section> m_sections;
    std::unordered_map<std::string_view, uint32_t, ProfileNameHash, ProfileNameEqual> m_sectionIndex;
    std::vector<KeySlot> m_keySlots;   // power-of-two size, at most half full
    size_t m_keyCount = 0;
    std::deque<std::string> m_owned;
    size_t m_ownedBytes = 0;
};
