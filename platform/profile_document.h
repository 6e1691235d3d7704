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
        uint32_t valueBegin = 0;  // trimmed value, within text; only for key lines
        uint32_t valueEnd = 0;
    };
    struct Section {
        Line header;
        std::vector<Line> body;
        std::unordered_map<std::string_view, uint32_t, ProfileNameHash, ProfileNameEqual> keys;
    };

    void Parse();
    void AddLine(std::string_view text, std::string_view eol);
    std::string_view Own(std::string text);
    Section& AppendSection(std::string_view name);
    void TerminateLastLine();

    std::string m_bytes;          // never resized after construction: lines point into it
    bool m_bom = false;
    std::string_view m_newline;   // for the lines the document adds
    std::vector<Line> m_preamble; // lines before the first header
    std::deque<Section> m_sections;
    std::unordered_map<std::string_view, uint32_t, ProfileNameHash, ProfileNameEqual> m_sectionIndex;
    std::deque<std::string> m_owned;
    size_t m_ownedBytes = 0;
};
