// SPDX-License-Identifier: MIT
#include "tools/script/json.h"

#include <charconv>
#include <cmath>

namespace hexbrawl {

void JsonWriter::separate()
{
    if (afterkey_) {
        afterkey_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back())
            out_ += ',';
        first_.back() = false;
    }
}

JsonWriter& JsonWriter::beginobject()
{
    separate();
    out_ += '{';
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::endobject()
{
    out_ += '}';
    first_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::beginarray()
{
    separate();
    out_ += '[';
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::endarray()
{
    out_ += ']';
    first_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name)
{
    separate();
    appendjsonstring(out_, name);
    out_ += ':';
    afterkey_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text)
{
    separate();
    appendjsonstring(out_, text);
    return *this;
}

JsonWriter& JsonWriter::value(std::int64_t number)
{
    separate();
    out_ += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(std::uint64_t number)
{
    separate();
    out_ += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(double number)
{
    if (!std::isfinite(number))
        return null();
    separate();
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    out_.append(buffer, result.ptr);
    return *this;
}

JsonWriter& JsonWriter::value(bool flag)
{
    separate();
    out_ += flag ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::null()
{
    separate();
    out_ += "null";
    return *this;
}

namespace {

// Length of the valid UTF-8 sequence at the start of `s`, or 0.
std::size_t utf8length(std::string_view s)
{
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char c = b(0);
    std::size_t n = 0;
    std::uint32_t cp = 0;
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        cp = c & 0x1Fu;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        cp = c & 0x0Fu;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        cp = c & 0x07u;
    } else {
        return 0;
    }
    if (s.size() < n)
        return 0;
    for (std::size_t i = 1; i < n; ++i) {
        if ((b(i) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b(i) & 0x3Fu);
    }
    // No overlong forms, no surrogates, nothing past U+10FFFF.
    if ((n == 3 && cp < 0x800) || (n == 4 && (cp < 0x10000 || cp > 0x10FFFF)) || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return n;
}

}  // namespace

void appendjsonstring(std::string& out, std::string_view bytes)
{
    static constexpr char hex[] = "0123456789abcdef";
    out += '"';
    while (!bytes.empty()) {
        const auto c = static_cast<unsigned char>(bytes.front());
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
            bytes.remove_prefix(1);
        } else if (c < 0x20) {
            switch (c) {
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            default:
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 0xF];
            }
            bytes.remove_prefix(1);
        } else if (const std::size_t n = utf8length(bytes)) {
            out.append(bytes.substr(0, n));
            bytes.remove_prefix(n);
        } else {
            out += "\xEF\xBF\xBD";  // U+FFFD for a byte that starts no valid sequence
            bytes.remove_prefix(1);
        }
    }
    out += '"';
}

}  // namespace hexbrawl
