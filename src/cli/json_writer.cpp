#include "cli/json_writer.h"

#include <array>
#include <charconv>
#include <cmath>

namespace kalvero {

namespace {

// Length of a valid UTF-8 sequence starting at text[i], or 0.
size_t Utf8Length(std::string_view text, size_t i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (lead >= 0xF5 || length == 0 || i + length > text.size())
        return 0;
    for (size_t k = 1; k < length; ++k)
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
    if ((lead == 0xE0 && byte(i + 1) < 0xA0) || (lead == 0xED && byte(i + 1) >= 0xA0) ||
        (lead == 0xF0 && byte(i + 1) < 0x90) || (lead == 0xF4 && byte(i + 1) >= 0x90))
        return 0; // overlong, surrogate or beyond U+10FFFF
    return length;
}

void AppendEscaped(std::string& out, unsigned int code) {
    static const char* hex = "0123456789abcdef";
    out += "\\u00";
    out += hex[(code >> 4) & 0xF];
    out += hex[code & 0xF];
}

} // namespace

void JsonWriter::Separate() {
    if (NeedComma)
        Out += ',';
    NeedComma = true;
}

JsonWriter& JsonWriter::BeginObject() {
    Separate();
    Out += '{';
    NeedComma = false;
    return *this;
}

JsonWriter& JsonWriter::EndObject() {
    Out += '}';
    NeedComma = true;
    return *this;
}

JsonWriter& JsonWriter::BeginArray() {
    Separate();
    Out += '[';
    NeedComma = false;
    return *this;
}

JsonWriter& JsonWriter::EndArray() {
    Out += ']';
    NeedComma = true;
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
    String(key);
    Out += ':';
    NeedComma = false;
    return *this;
}

JsonWriter& JsonWriter::Number(double value) {
    if (!std::isfinite(value))
        return Null();
    Separate();
    std::array<char, 32> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    Out.append(buffer.data(), result.ptr);
    return *this;
}

JsonWriter& JsonWriter::Integer(int64_t value) {
    Separate();
    Out += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
    Separate();
    Out += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Null() {
    Separate();
    Out += "null";
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view text) {
    Separate();
    Out += '"';
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            Out += '\\';
            Out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            AppendEscaped(Out, c);
        } else if (c >= 0x80) {
            const size_t length = Utf8Length(text, i);
            if (length) {
                Out.append(text.substr(i, length));
                i += length;
                continue;
            }
            // A byte of some 8-bit code page: keep it as the Latin-1 character it would be.
            Out += static_cast<char>(0xC0 | (c >> 6));
            Out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            Out += static_cast<char>(c);
        }
        ++i;
    }
    Out += '"';
    return *this;
}

} // namespace kalvero
