// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/json_writer.h"

void JsonWriter::Key(std::string_view key)
{
    BeforeValue();
    Quoted(key);
    m_out += ": ";
    m_afterKey = true;
}

void JsonWriter::String(std::string_view text)
{
    BeforeValue();
    Quoted(text);
}

void JsonWriter::Bool(bool value)
{
    BeforeValue();
    m_out += value ? "true" : "false";
}

void JsonWriter::Number(uint64_t value)
{
    BeforeValue();
    m_out += std::to_string(value);
}

void JsonWriter::BeforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_filled.empty())
        return;
    m_out += m_filled.back() ? ",\n" : "\n";
    m_filled.back() = true;
    Indent();
}

void JsonWriter::Open(char bracket)
{
    BeforeValue();
    m_out += bracket;
    m_filled.push_back(false);
}

void JsonWriter::Close(char bracket)
{
    const bool filled = m_filled.back();
    m_filled.pop_back();
    if (filled) {
        m_out += '\n';
        Indent();
    }
    m_out += bracket;
}

void JsonWriter::Indent()
{
    m_out.append(2 * m_filled.size(), ' ');
}

void JsonWriter::Quoted(std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    m_out += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            m_out += "\\\"";
            break;
        case '\\':
            m_out += "\\\\";
            break;
        case '\b':
            m_out += "\\b";
            break;
        case '\f':
            m_out += "\\f";
            break;
        case '\n':
            m_out += "\\n";
            break;
        case '\r':
            m_out += "\\r";
            break;
        case '\t':
            m_out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                m_out += "\\u00";
                m_out += kHex[(c >> 4) & 0xF];
                m_out += kHex[c & 0xF];
            } else {
                m_out += c;
            }
        }
    }
    m_out += '"';
}
