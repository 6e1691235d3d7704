// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// JSON written as it goes, laid out as nlohmann's dump(2) lays it out. `show --json` of a large
// configuration writes it so: building the whole document as a tree first took as long as reading
// the file.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : m_out(out) {}

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    // The key of the next value of an object.
    void Key(std::string_view key);
    // `text` must be UTF-8.
    void String(std::string_view text);
    void Bool(bool value);
    void Number(uint64_t value);

private:
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);
    void Indent();
    void Quoted(std::string_view text);

    std::string& m_out;
    // For each open object or array, whether it has a member yet.
    std::vector<bool> m_filled;
    bool m_afterKey = false;
};
