#include "config/profile_keys.h"

#include <charconv>
#include <cstring>

FieldText& FieldText::Add(std::string_view text)
{
    const std::size_t room = kTextFieldSize - 1 - m_length;
    if (text.size() > room) {
        text = text.substr(0, room);
        m_fits = false;
    }
    std::memcpy(m_buffer + m_length, text.data(), text.size());
    m_length += text.size();
    m_buffer[m_length] = '\0';
    return *this;
}

FieldText& FieldText::AddField(const char (&field)[kTextFieldSize])
{
    return Add(std::string_view(field, strnlen(field, kTextFieldSize - 1)));
}

FieldText& FieldText::Add(int64_t number)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    return Add(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

bool NameKey(char (&key)[kTextFieldSize], const char (&name)[kTextFieldSize], const char* suffix)
{
    return FieldText(key).AddField(name).Add(suffix).Fits();
}

bool NumberedKey(char (&key)[kTextFieldSize], const char* stem, int32_t n)
{
    return FieldText(key).Add(stem).Add(int64_t{n}).Fits();
}
